#include "cli/TreeOutput.h"

#include "cli/TextEscape.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace veltrano::cli {

namespace {

using controls::TreeView;

void WriteOutlineBelow(const TreeView& tree, TreeView::Index first, int depth, std::ostream& out) {
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    for (auto node = first; node != 0; node = tree.Next(node)) {
        out << indent;
        WriteNodeText(tree.Text(node), out);
        out << '\n';
        WriteOutlineBelow(tree, tree.Child(node), depth + 1, out);
    }
}

void WriteJsonNode(const TreeView& tree, TreeView::Index node, std::ostream& out) {
    out << "{\"index\":" << node;
    if (const auto tag = tree.Tag(node); !tag.empty()) {
        out << ",\"tag\":" << JsonString(tag);
    }
    out << ",\"text\":" << JsonString(tree.Text(node));
    if (const auto key = tree.Key(node); !key.empty()) {
        out << ",\"key\":" << JsonString(key);
    }
    out << ",\"children\":[";
    for (auto child = tree.Child(node); child != 0; child = tree.Next(child)) {
        if (child != tree.Child(node)) {
            out << ',';
        }
        WriteJsonNode(tree, child, out);
    }
    out << "]}";
}

} // namespace

void WriteNodeText(std::string_view text, std::ostream& out) {
    out << EscapeText(text);
}

void WriteOutline(const TreeView& tree, std::ostream& out) {
    WriteOutlineBelow(tree, tree.Root(), 0, out);
}

void WriteJson(const TreeView& tree, std::ostream& out) {
    if (tree.Root() == 0) {
        out << "null\n";
        return;
    }
    WriteJsonNode(tree, tree.Root(), out);
    out << '\n';
}

std::string JsonString(std::string_view text) {
    return nlohmann::json(std::string(text))
        .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace veltrano::cli
