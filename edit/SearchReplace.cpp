#include "edit/SearchReplace.h"

#include "app/ChangesPanel.h"
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
    SearchFor(form, searchText);
}

bool SearchFor(app::frmHaupt& form, std::string_view searchText) {
    form.LastSearchText = searchText;
    // A hit always selects a row after the selected one.
    const std::int32_t before = form.lvACT.SelectedItem();
    ScanList(form.lvACT, searchText, kSearchOnly, true);
    const bool found = form.lvACT.SelectedItem() != before;
    if (!found) {
        form.SetStatusNote(std::string(app::kNoFurtherMatch));
    }
    return found;
}

void SearchAgain(app::frmHaupt& form) {
    if (form.LastSearchText.empty()) {
        SearchEntries(form);
        return;
    }
    form.Forms().SetFocus("lvACT");
    SearchFor(form, std::string(form.LastSearchText));
}

std::vector<ChangedCell> ReplaceEntries(app::frmHaupt& form) {
    auto& forms = form.Forms();
    const std::string searchText = forms.InputBox(kPromptSearch, {}, form.LastSearchText);
    if (searchText.empty()) {
        return {};
    }
    form.LastSearchText = searchText;
    const std::string replaceText = forms.InputBox(kPromptReplace, {}, {});
    if (replaceText.empty()) {
        return {};
    }
    auto changed = ReplaceAll(form, searchText, replaceText);
    form.SetStatusNote(std::to_string(changed.size()) + std::string(app::kCellsReplaced));
    return changed;
}

std::vector<ChangedCell> ReplaceAll(app::frmHaupt& form, std::string_view searchText,
                                    std::string_view replaceText) {
    form.LastSearchText = searchText;
    return ScanList(form.lvACT, searchText, replaceText, false);
}

std::vector<ChangedCell> ScanList(controls::ListView& list, std::string_view searchText,
                                  std::optional<std::string_view> replaceText, bool fromSelected) {
    std::vector<ChangedCell> changed;
    if (searchText.empty()) {
        return changed;
    }
    const std::int32_t count = list.RowCount();
    const std::int32_t first = fromSelected ? list.SelectedItem() + 1 : 1;
    for (std::int32_t row = first; row <= count; ++row) {
        for (const std::int32_t column : {kSubItemEntryTrigger, kSubItemExitTrigger}) {
            if (!MatchSubItem(list, row, column, searchText, replaceText)) {
                continue;
            }
            if (!replaceText) {
                return changed; // a search stops at its first hit
            }
            const auto& cell = list.GetSubItem(row, column);
            changed.push_back({row, column, cell.tag, cell.text});
        }
    }
    return changed;
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
