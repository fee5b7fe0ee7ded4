#pragma once

// A main window wired to the detail handlers, and a builder for trees in the scan's node model.

#include "app/frmHaupt.h"
#include "detail/CopyTable.h"
#include "detail/DetailListe.h"
#include "detail/modListviewSort.h"
#include "support/NullPlatform.h"

#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace veltrano::testsupport {

using controls::ListView;
using controls::TreeView;
using Index = TreeView::Index;

// Every text the status panel showed, in order.
class StatusRecorder final : public controls::StatusBar::Listener {
public:
    void PanelTextChanged(const std::string&, const std::string& text) override {
        texts.push_back(text);
    }
    std::vector<std::string> texts;
};

struct FieldSpec {
    std::string name;
    int id = 0;
    std::string type = "String";
    std::string length = "20";
    std::string decimalPlaces = "0";
    std::string entryRule = "No rules";
    std::string entryTrigger{};
    std::string exitTrigger{};
    std::string initialValue{};
    std::string isBlockSync = "False";
    std::string isCutHistory = "False";
    std::string isIndexed = "False";
    std::string isPrimary = "False";
    std::string isSortable = "True";
    // Value/remark pairs; with a popup list PopupCount is their number, without one "-1".
    std::vector<std::pair<std::string, std::string>> popup{};
    bool hasPopupList = false;
};

struct UserSpec {
    std::string name;
    std::string security;
    std::string access;
    std::string uniqueId;
    std::string password;
};

// Adds nodes as the structure scan does: Tags, keys, texts and child order of the node model.
class TreeBuilder {
public:
    explicit TreeBuilder(TreeView& tree) : tree_(tree) {}

    Index Node(Index parent, std::string_view tag, std::string_view text,
               std::string_view key = {}) {
        const Index node =
            tree_.Add(parent, parent == 0 ? TreeView::tvwLast : TreeView::tvwChild, key, text, tag);
        tree_.SetTag(node, tag);
        return node;
    }
    void Property(Index parent, std::string_view label, std::string_view value) {
        if (!value.empty()) {
            Node(parent, "Eigenschaft", std::string(label) + " = " + std::string(value));
        }
    }
    Index Database(std::string_view name = "Demo") {
        database = Node(0, "Datenbank", name, "/data/demo.dbf");
        tables = tree_.Add(database, TreeView::tvwChild, {}, "Tables", "Tabellen");
        return database;
    }
    // The table node and its "Fields" node; the table's properties follow with TableProperties.
    std::pair<Index, Index> Table(std::string_view name) {
        const Index table = Node(tables, "Tabelle", name);
        return {table, Node(table, "Felder", "Fields")};
    }
    void TableProperties(Index table, std::string_view name, std::string_view fieldCount,
                         std::string_view recordCount) {
        Property(table, "Name", name);
        Property(table, "Field Count", fieldCount);
        Property(table, "Record Count", recordCount);
    }
    Index Field(Index fields, const FieldSpec& f) {
        const std::string tableName(tree_.Text(tree_.Parent(fields)));
        const Index field = Node(fields, "Feld", f.name, tableName + " " + std::to_string(f.id));
        Property(field, "Type", f.type);
        Property(field, "Length", f.length);
        Property(field, "DecimalPlaces", f.decimalPlaces);
        Property(field, "EntryRule", f.entryRule);
        Property(field, "EntryTrigger", f.entryTrigger);
        Property(field, "ExitTrigger", f.exitTrigger);
        Property(field, "InitialValue", f.initialValue);
        Property(field, "IsBlockSync", f.isBlockSync);
        Property(field, "IsCutHistory", f.isCutHistory);
        Property(field, "IsIndexed", f.isIndexed);
        Property(field, "IsPrimary", f.isPrimary);
        Property(field, "IsSortable", f.isSortable);
        Property(field, "HasPopupList", f.hasPopupList ? "True" : "False");
        Property(field, "PopupCount", f.hasPopupList ? std::to_string(f.popup.size()) : "-1");
        if (f.hasPopupList) {
            lastPopupList = Node(field, "PopupListe", "PopupList");
            for (std::size_t p = 0; p < f.popup.size(); ++p) {
                const Index item = Node(lastPopupList, "PopupItem", "Item " + std::to_string(p));
                Property(item, "Value", f.popup[p].first);
                Property(item, "Remark", f.popup[p].second);
            }
        }
        return field;
    }
    Index Users(const std::vector<UserSpec>& users) {
        const Index container = Node(database, "Users", "Users");
        for (const auto& u : users) {
            const Index user = Node(container, "User", u.name);
            Property(user, "Security", u.security);
            Property(user, "Access", u.access);
            Property(user, "UniqueID", u.uniqueId);
            Property(user, "Password", u.password);
        }
        Property(container, "Count", std::to_string(users.size()));
        return container;
    }

    Index database = 0;
    Index tables = 0;
    Index lastPopupList = 0;

private:
    TreeView& tree_;
};

// A small database: Contact with three fields (City has a popup list of twelve entries),
// Group without fields and without a name, two users.
struct SampleTree {
    explicit SampleTree(TreeView& tree) {
        TreeBuilder b(tree);
        database = b.Database();
        std::tie(contact, contactFields) = b.Table("Contact");
        FieldSpec company{.name = "Company", .id = 25, .length = "40"};
        company.initialValue = "a = b";
        company.isIndexed = "True";
        this->company = b.Field(contactFields, company);
        FieldSpec cityField{.name = "City", .id = 9, .length = "30"};
        cityField.entryRule = "Only drop-down list";
        cityField.exitTrigger = "C:\\trig\\city.exe";
        cityField.hasPopupList = true;
        for (int i = 0; i < 12; ++i) {
            cityField.popup.emplace_back("Town " + std::to_string(i), i == 3 ? "" : "r");
        }
        city = b.Field(contactFields, cityField);
        cityPopup = b.lastPopupList;
        FieldSpec phone{.name = "Phone", .id = 100, .type = "Phone", .length = "5"};
        phone.entryTrigger = "phone.exe";
        this->phone = b.Field(contactFields, phone);
        b.TableProperties(contact, "Contact", "3", "1250");
        std::tie(group, groupFields) = b.Table("Group");
        b.TableProperties(group, "", "0", "0");
        users = b.Users({{"Chris", "1", "2", "U-1", "secret"}, {"Dana", "0", "3", "", ""}});
    }

    Index database = 0;
    Index contact = 0;
    Index contactFields = 0;
    Index company = 0;
    Index city = 0;
    Index cityPopup = 0;
    Index phone = 0;
    Index group = 0;
    Index groupFields = 0;
    Index users = 0;
};

// The main window with the detail handlers wired in as the application does.
class DetailWindow {
public:
    DetailWindow() {
        app::Commands commands;
        commands.NodeClick = detail::OnNodeClick;
        commands.ColumnClick = detail::OnColumnClick;
        commands.ListDoubleClick = detail::OnListDoubleClick;
        commands.CopyTable = detail::CopyTableToClipboard;
        form = std::make_unique<app::frmHaupt>(platform.Get(), std::move(commands));
        form->Load();
        form->StatusBar.SetListener(&status);
    }

    // Selects the node and clicks it.
    void Click(Index node) {
        form->tvACT.SetSelected(node);
        form->OnNodeClick();
    }
    forms::ScriptedForms& Forms() { return platform.forms; }
    TreeView& Tree() { return form->tvACT; }
    ListView& List() { return form->lvACT; }
    // Column texts of one row, 0 = row text.
    std::vector<std::string> Row(std::int32_t row) const {
        std::vector<std::string> cells;
        for (std::int32_t c = 0; c < form->lvACT.ColumnCount(); ++c) {
            cells.push_back(form->lvACT.CellText(row, c));
        }
        return cells;
    }
    // One column's texts from top to bottom (0 = row text).
    std::vector<std::string> Column(std::int32_t column0) const {
        std::vector<std::string> cells;
        for (std::int32_t r = 1; r <= form->lvACT.RowCount(); ++r) {
            cells.push_back(form->lvACT.CellText(r, column0));
        }
        return cells;
    }

    NullPlatform platform;
    StatusRecorder status;
    std::unique_ptr<app::frmHaupt> form;
};

} // namespace veltrano::testsupport
