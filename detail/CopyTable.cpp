#include "detail/CopyTable.h"

#include "app/frmHaupt.h"

namespace veltrano::detail {

namespace {

constexpr char kTab = '\t';
constexpr std::string_view kCrLf = "\r\n";

void AppendRow(std::string& text, const controls::ListView& list, std::int32_t row) {
    text += list.Text(row);
    text += kTab;
    for (std::int32_t sub = 1; sub < list.ColumnCount(); ++sub) {
        text += list.GetSubItem(row, sub).text;
        text += kTab;
    }
    text += kCrLf;
}

} // namespace

std::string ListViewToText(const controls::ListView& list) {
    std::string text;
    for (std::int32_t c = 1; c <= list.ColumnCount(); ++c) {
        text += list.ColumnHeader(c).text;
        text += kTab;
    }
    text += kCrLf;
    for (std::int32_t row = 1; row <= list.RowCount(); ++row) {
        AppendRow(text, list, row);
    }
    return text;
}

std::string ListRowsToText(const controls::ListView& list, const std::vector<std::int32_t>& rows) {
    std::string text;
    for (const std::int32_t row : rows) {
        AppendRow(text, list, row);
    }
    return text;
}

void CopyRowsToClipboard(app::frmHaupt& form, const std::vector<std::int32_t>& rows) {
    if (rows.empty()) {
        return;
    }
    auto& forms = form.Forms();
    forms.ClipboardClear();
    forms.ClipboardSetText(ListRowsToText(form.lvACT, rows));
}

void CopyTableToClipboard(app::frmHaupt& form) {
    auto& forms = form.Forms();
    forms.ClipboardClear();
    forms.ClipboardSetText(ListViewToText(form.lvACT));
    forms.MsgBox(kCopyTableMessage, forms::vbInformation);
}

} // namespace veltrano::detail
