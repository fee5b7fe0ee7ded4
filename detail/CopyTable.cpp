#include "detail/CopyTable.h"

#include "app/frmHaupt.h"

namespace veltrano::detail {

namespace {

constexpr char kTab = '\t';
constexpr std::string_view kCrLf = "\r\n";

void AppendCell(std::string& text, std::string_view cell, CellText cellText) {
    if (cellText != nullptr) {
        text += cellText(cell);
    } else {
        text += cell;
    }
    text += kTab;
}

void AppendRow(std::string& text, const controls::ListView& list, std::int32_t row,
               CellText cellText = nullptr) {
    AppendCell(text, list.Text(row), cellText);
    for (std::int32_t sub = 1; sub < list.ColumnCount(); ++sub) {
        AppendCell(text, list.GetSubItem(row, sub).text, cellText);
    }
    text += kCrLf;
}

} // namespace

std::string ListViewToText(const controls::ListView& list, CellText cellText) {
    std::string text;
    for (std::int32_t c = 1; c <= list.ColumnCount(); ++c) {
        AppendCell(text, list.ColumnHeader(c).text, cellText);
    }
    text += kCrLf;
    for (std::int32_t row = 1; row <= list.RowCount(); ++row) {
        AppendRow(text, list, row, cellText);
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
