#include "platform/win32ui/HeaderItems.h"

namespace veltrano::win32ui {

using controls::ListView;

int ColumnFormat(const ListView::Column& column) {
    switch (column.alignment) {
    case ListView::lvwColumnRight:
        return LVCFMT_RIGHT;
    case ListView::lvwColumnCenter:
        return LVCFMT_CENTER;
    default:
        return LVCFMT_LEFT;
    }
}

bool HeaderItemWritten(const ListView::Column& column) {
    return column.headerImage >= 0;
}

HDITEMW HeaderItemOf(const ListView::Column& column) {
    HDITEMW item{};
    item.mask = HDI_FORMAT | HDI_IMAGE;
    // The bits go to the header as the list wrote them, so the header reads back the same.
    item.fmt = column.headerFormat;
    item.iImage = column.headerImage < 0 ? 0 : column.headerImage;
    if (column.headerImage < 0) {
        item.fmt &= ~(HDF_IMAGE | HDF_BITMAP_ON_RIGHT);
    }
    return item;
}

} // namespace veltrano::win32ui
