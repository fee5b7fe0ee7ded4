#include "cli/NodeLookup.h"

#include "cli/AsciiText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>

namespace veltrano::cli {

namespace {

using controls::TreeView;

std::optional<std::int64_t> DecimalNumber(std::string_view text) {
    if (!AllDecimalDigits(text)) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return INT64_MAX; // too large to name anything
    }
    return value;
}

// The first child of parent, in tree order, at which the path can be walked to its end.
TreeView::Index FindBelow(const TreeView& tree, TreeView::Index parent, std::string_view path) {
    for (auto child = tree.Child(parent); child != 0; child = tree.Next(child)) {
        const std::string_view text = tree.Text(child);
        if (path == text) {
            return child;
        }
        if (path.size() > text.size() && path.substr(0, text.size()) == text &&
            path[text.size()] == '/') {
            if (const auto found = FindBelow(tree, child, path.substr(text.size() + 1))) {
                return found;
            }
        }
    }
    return 0;
}

} // namespace

TreeView::Index FindNode(const TreeView& tree, std::string_view spec) {
    if (const auto number = DecimalNumber(spec)) {
        return *number <= tree.Count() && tree.Exists(static_cast<TreeView::Index>(*number))
                   ? static_cast<TreeView::Index>(*number)
                   : 0;
    }
    if (tree.Root() == 0) {
        return 0;
    }
    return FindBelow(tree, tree.Root(), spec);
}

std::int32_t FindColumn(const controls::ListView& list, std::string_view spec) {
    if (const auto number = DecimalNumber(spec)) {
        return *number >= 1 && *number <= list.ColumnCount() ? static_cast<std::int32_t>(*number)
                                                             : 0;
    }
    for (std::int32_t c = 1; c <= list.ColumnCount(); ++c) {
        if (list.ColumnHeader(c).text == spec) {
            return c;
        }
    }
    for (std::int32_t c = 1; c <= list.ColumnCount(); ++c) {
        if (EqualsIgnoringAsciiCase(list.ColumnHeader(c).text, spec)) {
            return c;
        }
    }
    return 0;
}

} // namespace veltrano::cli
