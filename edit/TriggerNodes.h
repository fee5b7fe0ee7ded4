#pragma once

// Keeps the tree's trigger property nodes in step with what Save wrote into the database.

#include "platform/controls/TreeView.h"

#include <string_view>

namespace veltrano::edit {

// Sets the field node's property `label` ("EntryTrigger" or "ExitTrigger") to value. An existing
// node gets the text label + " = " + value; a missing one is added at its place in the scan's
// property order. An empty value adds no node but empties an existing one, which the list
// shows as the empty cell it would show without the node.
void SetTriggerProperty(controls::TreeView& tree, controls::TreeView::Index field,
                        std::string_view label, std::string_view value);

} // namespace veltrano::edit
