// The tree: memory per node of a surveyed database, and a tree of a million nodes built
// through Add and browsed the way a lazy view asks for it (ChildAt and Row).

#include "bench/BenchContext.h"
#include "bench/MemoryInUse.h"
#include "platform/controls/TreeFind.h"

#include <random>
#include <stdexcept>
#include <string>

namespace veltrano::bench {

namespace {

using controls::TreeView;
using Index = TreeView::Index;

constexpr int kBranches = 1000;
constexpr int kLeavesPerBranch = 1000;
constexpr int kFlatChildren = kBranches * kLeavesPerBranch;
constexpr int kPageRows = 50; // rows a view shows at once

// The bytes of all node texts and keys, which the target leaves out.
std::size_t TextBytes(const TreeView& tree) {
    std::size_t bytes = 0;
    for (Index node = 1; node <= tree.Count(); ++node) {
        bytes += tree.Text(node).size() + tree.Key(node).size();
    }
    return bytes;
}

void MemoryBenchmark(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        const auto& file = context.Data().Database(size);
        double heap = 0;
        double model = 0;
        double texts = 0;
        double nodes = 0;
        for (auto _ : state) {
            BenchWindow window;
            const std::size_t before = HeapBytesInUse();
            window.Survey(file);
            const std::size_t after = HeapBytesInUse();
            const auto& tree = window.Form().tvACT;
            nodes = tree.Count();
            heap = static_cast<double>(after - before);
            model = static_cast<double>(tree.MemoryUsage());
            texts = static_cast<double>(TextBytes(tree));
        }
        state.counters["nodes"] = nodes;
        state.counters["heap_B_per_node"] = heap / nodes;
        state.counters["text_B_per_node"] = texts / nodes;
        state.counters["heap_B_per_node_beyond_texts"] = (heap - texts) / nodes;
        state.counters["MemoryUsage_B_per_node"] = model / nodes;
    });
}

// A database node with kBranches children of kLeavesPerBranch leaves each; branches have keys.
void BuildBranchedTree(TreeView& tree) {
    const Index root = tree.Add(0, TreeView::tvwLast, "root", "Million", "Datenbank");
    for (int b = 0; b < kBranches; ++b) {
        const std::string number = std::to_string(b);
        const Index branch =
            tree.Add(root, TreeView::tvwChild, "Branch " + number, "Field " + number, "Feld");
        tree.SetTag(branch, "Feld");
        for (int l = 0; l < kLeavesPerBranch; ++l) {
            const Index leaf =
                tree.Add(branch, TreeView::tvwChild, {},
                         "Property " + std::to_string(l) + " = value", "Eigenschaft");
            tree.SetTag(leaf, "Eigenschaft");
        }
    }
}

void BuildBenchmark(benchmark::State& state) {
    Guarded(state, [&] {
        Index count = 0;
        for (auto _ : state) {
            TreeView tree;
            BuildBranchedTree(tree);
            count = tree.Count();
        }
        state.counters["nodes"] = count;
        state.counters["ns_per_node"] = benchmark::Counter(
            static_cast<double>(count),
            benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    });
}

// Every node visited as a view walks an expanded tree: each child by its row, then its row
// and text asked back.
void WalkBenchmark(benchmark::State& state) {
    Guarded(state, [&] {
        TreeView tree;
        BuildBranchedTree(tree);
        const Index root = tree.Root();
        std::size_t visited = 0;
        for (auto _ : state) {
            visited = 0;
            std::size_t textBytes = 0;
            for (std::int32_t b = 0; b < tree.Children(root); ++b) {
                const Index branch = tree.ChildAt(root, b);
                for (std::int32_t l = 0; l < tree.Children(branch); ++l) {
                    const Index leaf = tree.ChildAt(branch, l);
                    textBytes += tree.Text(leaf).size() + static_cast<std::size_t>(tree.Row(leaf));
                    ++visited;
                }
            }
            benchmark::DoNotOptimize(textBytes);
        }
        state.counters["nodes"] = static_cast<double>(visited);
        state.counters["ns_per_node"] = benchmark::Counter(
            static_cast<double>(visited),
            benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    });
}

// A million siblings under one node, and a view that jumps to a random place (a dragged
// scroll bar) and shows a page of rows from there.
void JumpBenchmark(benchmark::State& state) {
    Guarded(state, [&] {
        TreeView tree;
        const Index parent = tree.Add(0, TreeView::tvwLast, {}, "Flat", {});
        for (int i = 0; i < kFlatChildren; ++i) {
            tree.Add(parent, TreeView::tvwChild, {}, "Node " + std::to_string(i), {});
        }
        std::mt19937 random(42);
        std::size_t textBytes = 0;
        for (auto _ : state) {
            const auto first = static_cast<std::int32_t>(random() % (kFlatChildren - kPageRows));
            for (std::int32_t row = first; row < first + kPageRows; ++row) {
                const Index node = tree.ChildAt(parent, row);
                textBytes += tree.Text(node).size() + static_cast<std::size_t>(tree.Row(node));
            }
        }
        benchmark::DoNotOptimize(textBytes);
        state.counters["siblings"] = kFlatChildren;
    });
}

// The find box's worst case on a surveyed database: a text no node holds, so every node of
// the tree is read once, from the selected node round to it again.
void FindBenchmark(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        const TreeView& tree = context.SurveyedWindow(size).Form().tvACT;
        const Index from = tree.Count() / 2;
        Index found = 0;
        for (auto _ : state) {
            found = controls::FindNodeContaining(tree, "no node holds this", from,
                                                 controls::FindDirection::Forward, false);
            benchmark::DoNotOptimize(found);
        }
        if (found != 0) {
            throw std::runtime_error("a node holds the text that none should");
        }
        state.counters["nodes"] = tree.Count();
    });
}

} // namespace

void RegisterTreeBenchmarks(BenchContext& context) {
    for (const int size : context.Sizes({kSmall, kMedium, kLarge})) {
        const std::string name = "Tree_MemoryPerNode" + SizeSuffix(size);
        auto* memory = context.Register(name, [&context, size](benchmark::State& state) {
            MemoryBenchmark(state, context, size);
        });
        memory->Iterations(1);
        context.Require({name, "heap_B_per_node_beyond_texts", 64, "B"});
    }
    for (const int size : context.Sizes({kLarge})) {
        const std::string name = "Tree_FindNoMatch" + SizeSuffix(size);
        context.Register(name, [&context, size](benchmark::State& state) {
            FindBenchmark(state, context, size);
        });
        // Typing into the find box stays immediate on the largest tree.
        context.Require({name, "", 50, "ms"});
    }
    context.Register("Tree_Build1M", BuildBenchmark);
    context.Register("Tree_WalkExpanded1M", WalkBenchmark);
    context.Register("Tree_JumpAndPage1M", JumpBenchmark)->Unit(benchmark::kMicrosecond);
    // Smooth: a page of rows anywhere among a million siblings within one frame at 60 Hz.
    context.Require({"Tree_JumpAndPage1M", "", 16, "ms"});
}

} // namespace veltrano::bench
