#include "edit/SearchReplace.h"

#include "app/frmHaupt.h"
#include "edit/FieldsListCells.h"

namespace veltrano::edit {

void SearchEntries(app::frmHaupt& form) {
    auto& forms = form.Forms();
    forms.SetFocus("lvACT");
    const std::string searchText = forms.InputBox(kPromptSearch, {}, form.LastSearchText);
    if (searchText.empty()) {
        return;
    }
    form.LastSearchText = searchText;
    ScanList(form.lvACT, searchText, kSearchOnly, true);
}

void ReplaceEntries(app::frmHaupt& form) {
    auto& forms = form.Forms();
    const std::string searchText = forms.InputBox(kPromptSearch, {}, form.LastSearchText);
    if (searchText.empty()) {
        return;
    }
    form.LastSearchText = searchText;
    const std::string replaceText = forms.InputBox(kPromptReplace, {}, {});
    if (replaceText.empty()) {
        return;
    }
    ScanList(form.lvACT, searchText, replaceText, false);
}

void ScanList(controls::ListView& list, std::string_view searchText,
              std::optional<std::string_view> replaceText, bool fromSelected) {
    if (searchText.empty()) {
        return;
    }
    const std::int32_t count = list.RowCount();
    const std::int32_t first = fromSelected ? list.SelectedItem() + 1 : 1;
    const bool searchOnly = !replaceText.has_value();
    for (std::int32_t row = first; row <= count; ++row) {
        if (MatchSubItem(list, row, kSubItemEntryTrigger, searchText, replaceText) && searchOnly) {
            return;
        }
        if (MatchSubItem(list, row, kSubItemExitTrigger, searchText, replaceText) && searchOnly) {
            return;
        }
    }
}

bool MatchSubItem(controls::ListView& list, std::int32_t row, std::int32_t column,
                  std::string_view searchText, std::optional<std::string_view> replaceText) {
    // A copy: the cell's text is replaced below.
    const std::string text = list.GetSubItem(row, column).text;
    if (searchText.empty() || text.find(searchText) == std::string::npos) {
        list.SetSubItemBold(row, column, false);
        return false;
    }
    if (!replaceText) {
        list.SetSelectedItem(row);
        list.EnsureVisible(row);
        return true;
    }
    list.SetSubItemText(row, column, ReplaceOccurrences(text, searchText, *replaceText));
    list.SetSubItemBold(row, column, true);
    list.SetSubItemTag(row, column, text);
    return true;
}

std::string ReplaceOccurrences(std::string_view text, std::string_view searchText,
                               std::string_view replaceText) {
    if (searchText.empty()) {
        return std::string(text);
    }
    std::string result;
    std::size_t from = 0;
    for (auto hit = text.find(searchText); hit != std::string_view::npos;
         hit = text.find(searchText, from)) {
        result.append(text.substr(from, hit - from)).append(replaceText);
        from = hit + searchText.size();
    }
    result.append(text.substr(from));
    return result;
}

} // namespace veltrano::edit
