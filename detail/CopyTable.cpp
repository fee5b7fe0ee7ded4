#include "detail/CopyTable.h"

#include "app/frmHaupt.h"

namespace veltrano::detail {

std::string ListViewToText(const controls::ListView& list, CellText cellText) {
    constexpr char kTab = '\t';
    constexpr std::string_view kCrLf = "\r\n";
    const std::int32_t columns = list.ColumnCount();

    std::string text;
    const auto append = [&](std::string_view cell) {
        if (cellText != nullptr) {
            text += cellText(cell);
        } else {
            text += cell;
        }
        text += kTab;
    };
    for (std::int32_t c = 1; c <= columns; ++c) {
        append(list.ColumnHeader(c).text);
    }
    text += kCrLf;
    for (std::int32_t row = 1; row <= list.RowCount(); ++row) {
        append(list.Text(row));
        for (std::int32_t sub = 1; sub < columns; ++sub) {
            append(list.GetSubItem(row, sub).text);
        }
        text += kCrLf;
    }
    return text;
}

void CopyTableToClipboard(app::frmHaupt& form) {
    auto& forms = form.Forms();
    forms.ClipboardClear();
    forms.ClipboardSetText(ListViewToText(form.lvACT));
    forms.MsgBox(kCopyTableMessage, forms::vbInformation);
}

} // namespace veltrano::detail
