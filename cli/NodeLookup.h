#pragma once

// Finding what the command line names: a tree node by index or path, a list column by number
// or header text.

#include "platform/controls/ListView.h"
#include "platform/controls/TreeView.h"

#include <cstdint>
#include <string_view>

namespace veltrano::cli {

// A node index in decimal, or the texts of the nodes below the top-level node joined by "/"
// ("Tables/Contact/Fields"). A text that itself holds "/" is found too; among nodes of the same
// text the first in tree order wins. 0 when no node fits.
controls::TreeView::Index FindNode(const controls::TreeView& tree, std::string_view spec);

// A column number from 1, or a header text (exact, else ignoring ASCII case). 0 when the list
// has no such column.
std::int32_t FindColumn(const controls::ListView& list, std::string_view spec);

} // namespace veltrano::cli
