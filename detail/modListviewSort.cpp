#include "detail/modListviewSort.h"

#include "app/frmHaupt.h"

namespace veltrano::detail {

using controls::ListView;

void OnColumnClick(app::frmHaupt& form, int columnIndex) {
    if (columnIndex < 1 || columnIndex > form.lvACT.ColumnCount()) {
        return;
    }
    SortListView(form.lvACT, columnIndex, true, true, form.ilSortierung);
}

void SortListView(ListView& list, int columnIndex, bool toggle, bool showIndicators,
                  const controls::ImageList& imageList) {
    const int column = columnIndex - 1;
    if (column != list.SortKey()) {
        list.SetSortKey(column);
        list.SetSortOrder(ListView::lvwAscending);
    } else if (toggle) {
        list.SetSortOrder(list.SortOrder() == ListView::lvwAscending ? ListView::lvwDescending
                                                                     : ListView::lvwAscending);
    }
    list.SetSorted(true);
    if (showIndicators) {
        SetSortHeaderImages(list, imageList);
    }
}

void SetSortHeaderImages(ListView& list, const controls::ImageList& imageList) {
    if (imageList.hImageList() == 0 || list.View() != ListView::lvwReport) {
        return;
    }
    // The header belongs to the list, so its handle is asked of the list each time rather than
    // cached beside it: a second list can never receive the first one's header.
    if (list.HeaderHandle() == 0) {
        return;
    }
    const int image =
        list.SortOrder() != ListView::lvwAscending ? kImageDescending : kImageAscending;
    for (std::int32_t i = 0; i < list.ColumnCount(); ++i) {
        const bool right = list.ColumnHeader(i + 1).alignment == ListView::lvwColumnRight;
        int format = ListView::HDF_STRING | (right ? ListView::HDF_RIGHT : ListView::HDF_LEFT);
        if (i == list.SortKey()) {
            format |= ListView::HDF_IMAGE;
            if (!right) {
                format |= ListView::HDF_BITMAP_ON_RIGHT;
            }
        }
        list.SetHeaderItem(i, format, image);
    }
}

} // namespace veltrano::detail
