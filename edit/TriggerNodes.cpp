#include "edit/TriggerNodes.h"

#include "detail/NodeProperty.h"

#include <algorithm>
#include <array>
#include <string>

namespace veltrano::edit {

namespace {

using controls::TreeView;

constexpr std::string_view kPropertyTag = "Eigenschaft";

// The order in which the scan adds a field's property nodes.
constexpr std::array<std::string_view, 14> kPropertyOrder{
    "Type",        "Length",       "DecimalPlaces", "EntryRule",    "EntryTrigger",
    "ExitTrigger", "InitialValue", "IsBlockSync",   "IsCutHistory", "IsIndexed",
    "IsPrimary",   "IsSortable",   "HasPopupList",  "PopupCount"};

// Position of a label in the property order; the size of the order for anything else.
std::size_t OrderOf(std::string_view label) {
    return static_cast<std::size_t>(std::find(kPropertyOrder.begin(), kPropertyOrder.end(), label) -
                                    kPropertyOrder.begin());
}

} // namespace

void SetTriggerProperty(TreeView& tree, TreeView::Index field, std::string_view label,
                        std::string_view value) {
    std::string text;
    text.append(label).append(" = ").append(value);

    const std::size_t place = OrderOf(label);
    TreeView::Index before = 0; // the last property node that precedes it in the order
    for (auto child = tree.Child(field); child != 0; child = tree.Next(child)) {
        const auto property = detail::SplitProperty(tree.Text(child));
        if (!property || tree.Tag(child) != kPropertyTag) {
            continue;
        }
        if (property->label == label) {
            tree.SetText(child, text);
            return;
        }
        if (OrderOf(property->label) < place) {
            before = child;
        }
    }
    if (value.empty()) {
        return;
    }

    TreeView::Index node = 0;
    if (before != 0) {
        node = tree.Add(before, TreeView::tvwNext, {}, text, kPropertyTag);
    } else if (const auto first = tree.Child(field); first != 0) {
        node = tree.Add(first, TreeView::tvwPrevious, {}, text, kPropertyTag);
    } else {
        node = tree.Add(field, TreeView::tvwChild, {}, text, kPropertyTag);
    }
    tree.SetTag(node, kPropertyTag);
}

} // namespace veltrano::edit
