#pragma once

// Sorting the detail list by a clicked column, with the triangle in the sort column's header.

#include "platform/controls/ImageList.h"
#include "platform/controls/ListView.h"

namespace veltrano::app {
class frmHaupt;
}

namespace veltrano::detail {

// The sort indicators of ilSortierung.
inline constexpr int kImageAscending = 0;
inline constexpr int kImageDescending = 1;

// ColumnClick of lvACT; columnIndex is the clicked header's 1-based Index. An index that names
// no column is ignored.
void OnColumnClick(app::frmHaupt& form, int columnIndex);

// A new column starts ascending; the same column again reverses the order when toggle is set.
// The list then sorts itself (Sorted true).
void SortListView(controls::ListView& list, int columnIndex, bool toggle, bool showIndicators,
                  const controls::ImageList& imageList);

// Rewrites every header item: the sort column gets the image of the order, all others none.
// Does nothing without indicator images, outside report view or without a header.
void SetSortHeaderImages(controls::ListView& list, const controls::ImageList& imageList);

} // namespace veltrano::detail
