#pragma once

// The detail list lvACT for the selected node of tvACT, built from the tree alone.

#include "platform/controls/ListView.h"

#include <string_view>

namespace veltrano::app {
class frmHaupt;
}

namespace veltrano::detail {

inline constexpr std::string_view kStatusFields = "Reading field structures...";
inline constexpr std::string_view kStatusTableProperties = "Reading table properties...";
inline constexpr std::string_view kStatusUsers = "Reading userlist...";

// NodeClick of tvACT (also run by Back and Forward): records the selected node in the history
// and shows its Fields, table properties, Users or popup list; any other node empties the
// list. Without a selected node nothing happens.
void OnNodeClick(app::frmHaupt& form);

// DblClick of lvACT: on the Fields list shown, reveals the selected row's field in the tree by its
// first property node. Tree selection and list stay as they are.
void OnListDoubleClick(app::frmHaupt& form);

// Sizes every column to the wider of its widest cell and its header.
void AutoSizeAllColumns(controls::ListView& list);

} // namespace veltrano::detail
