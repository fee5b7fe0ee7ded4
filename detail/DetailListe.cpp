#include "detail/DetailListe.h"

#include "app/frmHaupt.h"
#include "detail/DetailLayouts.h"
#include "detail/NodeProperty.h"

#include <charconv>

namespace veltrano::detail {

void OnNodeClick(app::frmHaupt& form) {
    auto& tree = form.tvACT;
    const auto node = tree.SelectedItem();
    if (node == 0) {
        return;
    }
    form.History.Add(node);
    form.UpdateHistoryButtons();

    // A list left half-built by a failure belongs to no node.
    form.SetListSource(0);
    const auto tag = tree.Tag(node);
    if (tag == "Felder") {
        ShowFieldsList(form, node);
    } else if (tag == "Tabelle") {
        ShowTablePropertiesList(form, node);
    } else if (tag == "Users") {
        ShowUsersList(form, node);
    } else if (tag == "PopupListe") {
        ShowPopupList(form, node);
    } else {
        form.lvACT.ListItemsClear();
        form.lvACT.ColumnHeadersClear();
    }
    form.SetListSource(node);
}

void OnListDoubleClick(app::frmHaupt& form) {
    const auto& tree = form.tvACT;
    if (form.ShownFieldsNode() == 0) {
        return;
    }
    const auto row = form.lvACT.SelectedItem();
    if (row == 0) {
        return;
    }
    // The row key is "nd <index>"; a field without property nodes has no key.
    const auto word = SecondWord(form.lvACT.Item(row).key);
    controls::TreeView::Index target = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), target);
    if (error != std::errc{} || end != word.data() + word.size() || !tree.Exists(target)) {
        return;
    }
    form.tvACT.EnsureVisible(target);
}

void AutoSizeAllColumns(controls::ListView& list) {
    for (std::int32_t c = 1; c <= list.ColumnCount(); ++c) {
        list.SetColumnWidth(c, controls::ListView::kAutoSizeUseHeader);
    }
}

} // namespace veltrano::detail
