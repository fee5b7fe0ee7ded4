#include "platform/win32ui/CellFonts.h"

namespace veltrano::win32ui {

CustomDrawAnswer AnswerCustomDraw(const controls::ListView& list, DWORD stage, DWORD_PTR item,
                                  int subItem) {
    switch (stage) {
    case CDDS_PREPAINT:
        return {CDRF_NOTIFYITEMDRAW, CellFont::Unchanged};
    case CDDS_ITEMPREPAINT:
        return {CDRF_NOTIFYSUBITEMDRAW, CellFont::Unchanged};
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        // Every cell names its font: the one chosen for a bold cell would stay for the next.
        const auto row = static_cast<std::int32_t>(item) + 1;
        const bool bold = subItem > 0 && subItem < list.ColumnCount() && row >= 1 &&
                          row <= list.RowCount() && list.GetSubItem(row, subItem).bold;
        return {CDRF_NEWFONT, bold ? CellFont::Bold : CellFont::Normal};
    }
    default:
        return {CDRF_DODEFAULT, CellFont::Unchanged};
    }
}

} // namespace veltrano::win32ui
