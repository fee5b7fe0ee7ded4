#pragma once

// Field, property and popup-list nodes of the structure tree.

#include "act/ActObjects.h"
#include "platform/controls/TreeView.h"
#include "platform/forms/FormsRuntime.h"

#include <cstdint>
#include <string_view>

namespace veltrano::scan {

using controls::TreeView;

// Lists longer than this are cut to their first kPopupListCutTo entries.
inline constexpr std::int16_t kPopupListMaxEntries = 500;
inline constexpr std::int16_t kPopupListCutTo = 100;

// Adds the property node "label = value" under parent; an empty value adds nothing.
void EigenschaftInTreeview(TreeView& tree, TreeView::Index parent, std::string_view label,
                           std::string_view value);

// Adds one field with its properties and its popup list under the table's fields container.
// Only reading the popup count is guarded (reported, then the list is shown as corrupt); any
// other failure is passed on. Returns how many failures it reported.
std::int32_t FeldInTreeview(TreeView& tree, TreeView::Index fieldsNode, act::Fields& fields,
                            std::int32_t id, forms::FormsRuntime& forms);

// Adds the popup list node and its entries under fieldNode. A null list is a corrupt one: it gets
// the single entry "Error" / "Corrupt Popup". Only adding the list node is guarded. Returns
// how many failures it reported (a failed list node, a list cut short).
std::int32_t AddPopupList(TreeView& tree, TreeView::Index fieldNode, act::PopupList list,
                          forms::FormsRuntime& forms);

} // namespace veltrano::scan
