#include "detail/DetailLayouts.h"

#include "app/ErrorReport.h"
#include "app/frmHaupt.h"
#include "base/ClosingSteps.h"
#include "detail/DetailListe.h"
#include "detail/NodeProperty.h"
#include "detail/modListviewSort.h"

#include <array>
#include <exception>
#include <optional>
#include <string>

namespace veltrano::detail {

using controls::ListView;
using controls::TreeView;

namespace {

void SetStatus(app::frmHaupt& form, std::string_view text) {
    if (form.StatusPanel != nullptr) {
        form.StatusPanel->SetText(text);
    }
}

// Clears the status and makes the window ready again on every way out of a layout, so that a
// failure while filling can never leave the window disabled; a failing step is reported and the
// next one still runs.
auto ReadyAgain(app::frmHaupt& form) {
    return base::ClosingSteps(
        app::StepReport(form.Forms()), [&form] { SetStatus(form, ""); },
        [&form] { form.SetReady(true); });
}

auto BeginBusy(app::frmHaupt& form, std::string_view status) {
    SetStatus(form, status);
    form.SetReady(false);
    return ReadyAgain(form);
}

void ResetList(ListView& list) {
    list.ListItemsClear();
    list.ColumnHeadersClear();
    list.SetSorted(false);
}

// The Fields list's sub-items 2 to 15: the property read for each and whether it is a number.
struct FieldColumn {
    std::string_view header;
    std::string_view label; // "" for the name and ID columns, which come from the node itself
    bool numeric;
};

constexpr std::array<FieldColumn, 16> kFieldColumns{{
    {"Name", "", false},
    {"ID", "", true},
    {"Type", "Type", false},
    {"Length", "Length", true},
    {"Decimal Places", "DecimalPlaces", true},
    {"Entry Rule", "EntryRule", false},
    {"Entry Trigger", "EntryTrigger", false},
    {"Exit Trigger", "ExitTrigger", false},
    {"Initial Value", "InitialValue", false},
    {"Is Block Sync", "IsBlockSync", false},
    {"Is Cut History", "IsCutHistory", false},
    {"Is Indexed", "IsIndexed", false},
    {"Is Primary", "IsPrimary", false},
    {"Is Sortable", "IsSortable", false},
    {"Has Popuplist", "HasPopupList", false},
    {"Popup Count", "PopupCount", true},
}};

constexpr std::array<std::string_view, 4> kRightAlignedFieldColumns{
    "ID", "Length", "Decimal Places", "Popup Count"};

void FinishSortedList(app::frmHaupt& form) {
    auto& list = form.lvACT;
    list.SetSorted(true);
    list.SetFullRowSelect(true);
    AutoSizeAllColumns(list);
    SetSortHeaderImages(list, form.ilSortierung);
}

void AddFieldRow(ListView& list, const TreeView& tree, TreeView::Index field) {
    const auto firstProperty = tree.Child(field);
    // Only a field with a property node can be revealed by a double click.
    const std::string key = firstProperty != 0 ? "nd " + std::to_string(firstProperty) : "";
    const auto row = list.ListItemsAdd(key, tree.Text(field));
    list.SetSubItemText(row, 1, app::PadNumericText(SecondWord(tree.Key(field))));
    // One walk over the children for all columns, each taking the first property with its label
    // as GetNodeProperty would: a big table has thousands of rows to fill.
    std::array<std::optional<std::string_view>, kFieldColumns.size()> values{};
    for (auto child = firstProperty; child != 0; child = tree.Next(child)) {
        const auto property = SplitProperty(tree.Text(child));
        if (!property) {
            continue;
        }
        for (std::size_t c = 2; c < kFieldColumns.size(); ++c) {
            if (!values[c] && kFieldColumns[c].label == property->label) {
                values[c] = property->value;
                break;
            }
        }
    }
    for (std::size_t c = 2; c < kFieldColumns.size(); ++c) {
        const std::string_view value = values[c].value_or(std::string_view{});
        const auto sub = static_cast<std::int32_t>(c);
        if (kFieldColumns[c].numeric) {
            list.SetSubItemText(row, sub, app::PadNumericText(value));
        } else {
            list.SetSubItemText(row, sub, value);
        }
    }
}

} // namespace

void ShowFieldsList(app::frmHaupt& form, TreeView::Index node) {
    const auto ready = BeginBusy(form, kStatusFields);
    auto& list = form.lvACT;
    const auto& tree = form.tvACT;
    ResetList(list);
    for (const auto& column : kFieldColumns) {
        list.ColumnHeadersAdd(column.header, column.header);
    }
    for (const auto key : kRightAlignedFieldColumns) {
        list.SetColumnAlignment(list.ColumnIndexByKey(key), ListView::lvwColumnRight);
    }
    for (auto field = tree.Child(node); field != 0; field = tree.Next(field)) {
        AddFieldRow(list, tree, field);
    }
    form.Forms().DoEvents();
    FinishSortedList(form);
}

void ShowTablePropertiesList(app::frmHaupt& form, TreeView::Index node) {
    const auto ready = BeginBusy(form, kStatusTableProperties);
    auto& list = form.lvACT;
    const auto& tree = form.tvACT;
    ResetList(list);
    list.ColumnHeadersAdd("", "Property");
    list.ColumnHeadersAdd("", "Value");
    for (auto child = tree.Child(node); child != 0; child = tree.Next(child)) {
        if (tree.Tag(child) != "Eigenschaft") {
            continue;
        }
        const auto text = tree.Text(child);
        const auto property = SplitProperty(text);
        const auto row = list.ListItemsAdd("", property ? property->label : text);
        list.SetSubItemText(row, 1, property ? property->value : std::string_view{});
    }
}

void ShowUsersList(app::frmHaupt& form, TreeView::Index node) {
    constexpr std::array<std::string_view, 4> kUserProperties{"Security", "Access", "UniqueID",
                                                              "Password"};
    const auto ready = BeginBusy(form, kStatusUsers);
    auto& list = form.lvACT;
    const auto& tree = form.tvACT;
    ResetList(list);
    list.ColumnHeadersAdd("", "Name");
    for (const auto label : kUserProperties) {
        list.ColumnHeadersAdd("", label);
    }
    for (auto user = tree.Child(node); user != 0; user = tree.Next(user)) {
        if (tree.Tag(user) != "User") {
            continue;
        }
        const auto row = list.ListItemsAdd("", tree.Text(user));
        for (std::size_t i = 0; i < kUserProperties.size(); ++i) {
            list.SetSubItemText(row, static_cast<std::int32_t>(i + 1),
                                GetNodeProperty(tree, user, kUserProperties[i]));
        }
    }
}

void ShowPopupList(app::frmHaupt& form, TreeView::Index node) {
    // Built without the busy state, but it ends like the others.
    const auto ready = ReadyAgain(form);
    auto& list = form.lvACT;
    const auto& tree = form.tvACT;
    ResetList(list);
    list.ColumnHeadersAdd("", "ID");
    list.ColumnHeadersAdd("", "Value");
    list.ColumnHeadersAdd("", "Remark");
    for (auto item = tree.Child(node); item != 0; item = tree.Next(item)) {
        if (tree.Tag(item) != "PopupItem") {
            continue;
        }
        const auto row = list.ListItemsAdd("", app::PadNumericText(SecondWord(tree.Text(item))));
        list.SetSubItemText(row, 1, GetNodeProperty(tree, item, "Value"));
        list.SetSubItemText(row, 2, GetNodeProperty(tree, item, "Remark"));
    }
    FinishSortedList(form);
}

} // namespace veltrano::detail
