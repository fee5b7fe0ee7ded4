#pragma once

// Reading the structure tree back in tests.

#include "platform/controls/TreeView.h"

#include <string>
#include <vector>

namespace veltrano::scan::testing {

using controls::TreeView;

inline std::vector<std::string> ChildTexts(const TreeView& tree, TreeView::Index parent) {
    std::vector<std::string> texts;
    for (TreeView::Index child = tree.Child(parent); child != 0; child = tree.Next(child)) {
        texts.emplace_back(tree.Text(child));
    }
    return texts;
}

// The whole tree in preorder, one line per node: indent, index, text, [tag], {key}, (image).
inline void AppendOutline(const TreeView& tree, TreeView::Index first, int depth,
                          std::string& out) {
    for (TreeView::Index node = first; node != 0; node = tree.Next(node)) {
        out.append(static_cast<std::size_t>(depth) * 2, ' ').append(std::to_string(node) + " ");
        out.append(tree.Text(node)).append(" [").append(tree.Tag(node)).append("] {");
        out.append(tree.Key(node)).append("} (").append(tree.Image(node)).append(")\n");
        AppendOutline(tree, tree.Child(node), depth + 1, out);
    }
}

inline std::string Outline(const TreeView& tree) {
    std::string out;
    AppendOutline(tree, tree.Root(), 0, out);
    return out;
}

} // namespace veltrano::scan::testing
