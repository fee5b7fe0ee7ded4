// The Fields list: built by a node click and re-sorted by a header click, each against
// std::stable_sort of the same texts; Replace over the list against the same replacement on
// plain strings.

#include "bench/BenchContext.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace veltrano::bench {

namespace {

using TextRows = std::vector<std::vector<std::string>>;

constexpr int kEntryTriggerColumn = 7; // 1-based header index, as clicked
constexpr int kColumns = 16;

// ASCII case folded, as the list compares.
bool FoldedLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto fold = [](char c) {
            return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        };
        return fold(x) < fold(y);
    });
}

// The cells of the list shown, row by row, in the order of the fields in the tree.
TextRows ListTexts(const controls::ListView& list) {
    TextRows rows;
    for (std::int32_t row = 1; row <= list.RowCount(); ++row) {
        auto& texts = rows.emplace_back();
        for (std::int32_t column = 0; column < kColumns; ++column) {
            texts.push_back(list.CellText(row, column));
        }
    }
    // By the padded ID: the order the node click finds them in.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a[1] < b[1]; });
    return rows;
}

BenchWindow& FieldsShown(BenchContext& context, int size) {
    BenchWindow& window = context.SurveyedWindow(size);
    window.ClickFields("Contact");
    if (window.Form().lvACT.RowCount() != size) {
        throw std::runtime_error("the Fields list has the wrong number of rows");
    }
    return window;
}

void NodeClickBenchmark(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        BenchWindow& window = FieldsShown(context, size);
        for (auto _ : state) {
            window.Form().OnNodeClick();
        }
        if (window.Form().lvACT.RowCount() != size) {
            throw std::runtime_error("the node click built a wrong list");
        }
        state.counters["rows"] = size;
    });
}

// Copies the texts into rows, as the list must hold them, and sorts the rows by name.
void CopySortBaseline(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        const TextRows texts = ListTexts(FieldsShown(context, size).Form().lvACT);
        for (auto _ : state) {
            TextRows rows = texts;
            std::stable_sort(rows.begin(), rows.end(),
                             [](const auto& a, const auto& b) { return FoldedLess(a[0], b[0]); });
            benchmark::DoNotOptimize(rows.data());
        }
    });
}

void HeaderClickBenchmark(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        BenchWindow& window = FieldsShown(context, size);
        // Every click on the same header reverses the order: a full sort each time.
        for (auto _ : state) {
            window.ClickHeader(kEntryTriggerColumn);
        }
        if (window.Form().lvACT.SortKey() != kEntryTriggerColumn - 1) {
            throw std::runtime_error("the header click did not sort by its column");
        }
    });
}

void SortBaseline(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        TextRows rows = ListTexts(FieldsShown(context, size).Form().lvACT);
        const auto key = static_cast<std::size_t>(kEntryTriggerColumn - 1);
        bool descending = false;
        for (auto _ : state) {
            std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
                return descending ? FoldedLess(b[key], a[key]) : FoldedLess(a[key], b[key]);
            });
            descending = !descending;
            benchmark::DoNotOptimize(rows.data());
        }
    });
}

void ReplaceBenchmark(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        BenchWindow& window = FieldsShown(context, size);
        const std::string a(kTriggerWord);
        const std::string b(kTriggerWordReplaced);
        bool forth = true;
        for (auto _ : state) {
            window.Replace(forth ? a : b, forth ? b : a);
            forth = !forth;
        }
        const auto& list = window.Form().lvACT;
        const auto& cell = list.GetSubItem(list.RowCount(), 6);
        if (!cell.bold || cell.text.find(forth ? a : b) == std::string::npos) {
            throw std::runtime_error("Replace changed no trigger");
        }
        state.counters["cells"] = 2.0 * size;
    });
}

std::string ReplacedCopy(const std::string& text, const std::string& search,
                         const std::string& replacement) {
    std::string result;
    std::size_t from = 0;
    for (auto hit = text.find(search); hit != std::string::npos; hit = text.find(search, from)) {
        result.append(text, from, hit - from).append(replacement);
        from = hit + search.size();
    }
    return result.append(text, from);
}

// The same replacement in the trigger texts held as plain strings.
void StringReplaceBaseline(benchmark::State& state, BenchContext& context, int size) {
    Guarded(state, [&] {
        std::vector<std::string> triggers;
        for (const auto& row : ListTexts(FieldsShown(context, size).Form().lvACT)) {
            triggers.push_back(row[6]);
            triggers.push_back(row[7]);
        }
        std::vector<std::string> former(triggers.size());
        const std::string a(kTriggerWord);
        const std::string b(kTriggerWordReplaced);
        bool forth = true;
        for (auto _ : state) {
            for (std::size_t i = 0; i < triggers.size(); ++i) {
                std::string replaced = ReplacedCopy(triggers[i], forth ? a : b, forth ? b : a);
                former[i] = std::move(triggers[i]);
                triggers[i] = std::move(replaced);
            }
            forth = !forth;
            benchmark::DoNotOptimize(triggers.data());
        }
    });
}

} // namespace

void RegisterListBenchmarks(BenchContext& context) {
    for (const int size : context.Sizes({kMedium, kLarge})) {
        const std::string suffix = SizeSuffix(size);
        context.RegisterSized("FieldsList_NodeClick", size, NodeClickBenchmark);
        context.RegisterSized("FieldsList_CopySortBaseline", size, CopySortBaseline);
        context.RegisterSized("FieldsList_HeaderClick", size, HeaderClickBenchmark);
        context.RegisterSized("FieldsList_SortBaseline", size, SortBaseline);
        context.RegisterSized("Replace_FieldsList", size, ReplaceBenchmark);
        context.RegisterSized("Replace_StringBaseline", size, StringReplaceBaseline);
        context.Compare("FieldsList_NodeClick" + suffix, "FieldsList_CopySortBaseline" + suffix,
                        5.0);
        context.Compare("FieldsList_HeaderClick" + suffix, "FieldsList_SortBaseline" + suffix, 5.0);
        context.Compare("Replace_FieldsList" + suffix, "Replace_StringBaseline" + suffix,
                        std::nullopt);
    }
}

} // namespace veltrano::bench
