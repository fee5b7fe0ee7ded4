#include "platform/controls/TreeFind.h"

#include <array>
#include <string>

namespace veltrano::controls {

namespace {

using Index = TreeView::Index;

constexpr std::array<unsigned char, 256> MakeFoldTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        table[static_cast<std::size_t>(c)] =
            static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return table;
}
constexpr auto kFold = MakeFoldTable();

unsigned char Fold(char c) noexcept {
    return kFold[static_cast<unsigned char>(c)];
}

// Compares against a part that is already folded.
bool ContainsFolded(std::string_view text, std::string_view folded) noexcept {
    if (folded.size() > text.size()) {
        return false;
    }
    const auto first = static_cast<unsigned char>(folded.front());
    const std::size_t last = text.size() - folded.size();
    for (std::size_t at = 0; at <= last; ++at) {
        if (Fold(text[at]) != first) {
            continue;
        }
        std::size_t i = 1;
        while (i < folded.size() && Fold(text[at + i]) == static_cast<unsigned char>(folded[i])) {
            ++i;
        }
        if (i == folded.size()) {
            return true;
        }
    }
    return false;
}

Index LastDescendant(const TreeView& tree, Index node) {
    for (Index child = tree.Child(node); child != 0; child = tree.Child(node)) {
        node = tree.LastSibling(child);
    }
    return node;
}

Index After(const TreeView& tree, Index node) {
    if (node == 0) {
        return tree.Root();
    }
    if (const Index child = tree.Child(node); child != 0) {
        return child;
    }
    for (; node != 0; node = tree.Parent(node)) {
        if (const Index next = tree.Next(node); next != 0) {
            return next;
        }
    }
    return tree.Root(); // past the last node: round to the first
}

Index Before(const TreeView& tree, Index node) {
    if (node != 0) {
        if (const Index previous = tree.Previous(node); previous != 0) {
            return LastDescendant(tree, previous);
        }
        if (const Index parent = tree.Parent(node); parent != 0) {
            return parent;
        }
    }
    // Before the first node (or from none): the last node shown.
    const Index root = tree.Root();
    return root == 0 ? 0 : LastDescendant(tree, tree.LastSibling(root));
}

} // namespace

Index FindNodeContaining(const TreeView& tree, std::string_view text, Index from,
                         FindDirection direction, bool includeFrom) {
    if (text.empty() || tree.Count() == 0) {
        return 0;
    }
    std::string folded(text);
    for (char& c : folded) {
        c = static_cast<char>(Fold(c));
    }
    const bool forward = direction == FindDirection::Forward;
    const auto step = [&](Index node) { return forward ? After(tree, node) : Before(tree, node); };
    if (!tree.Exists(from)) {
        from = 0;
        includeFrom = false;
    }
    Index node = includeFrom ? from : step(from);
    // Every node once: the walk wraps, so a count bounds it.
    for (std::int32_t visited = 0; visited < tree.Count() && node != 0; ++visited) {
        if (ContainsFolded(tree.Text(node), folded)) {
            return node;
        }
        node = step(node);
    }
    return 0;
}

} // namespace veltrano::controls
