#pragma once

// The main window wired to the detail handlers as the program wires them, its tree scanned from a
// stand-in database that holds the edge cases of the four layouts.

#include "act/ActObjects.h"
#include "app/frmHaupt.h"
#include "detail/CopyTable.h"
#include "detail/DetailListe.h"
#include "detail/modListviewSort.h"
#include "platform/actole/standin/StandInDatabaseWriter.h"
#include "platform/actole/standin/StandInEngine.h"
#include "scan/modStrukturScan.h"
#include "support/NullPlatform.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veltrano::testsupport {

namespace fs = std::filesystem;
using controls::ListView;
using controls::TreeView;
using Index = TreeView::Index;
using Strings = std::vector<std::string>;

// Contact (2 records): Company 25 (initial value "a = b"), City 9 (six popup entries, the 4th
// without a remark, the 5th without a value), Phone 100 (type Phone). Group: no name, no
// fields. Sales: Stage 1 with an empty popup list. Users Chris and Dana (no ID, no password).
inline void WriteDetailDatabase(const fs::path& file) {
    using namespace ole::standin;
    StandInDatabaseWriter db(file, "Demo");
    const auto contact = TableAccessor::Contact;
    const auto add = [&](const FieldDefinition& field) { db.AddField(contact, field); };
    db.SetTableName(contact, "Contact");
    add({.id = 25, .name = "Company", .length = 40, .initialValue = "a = b", .isIndexed = true});
    add({.id = 9, .name = "City", .length = 30, .entryRule = 2, .exitTrigger = R"(C:\city.exe)"});
    add({.id = 100, .name = "Phone", .type = 14, .length = 5, .entryTrigger = "phone.exe"});
    std::vector<PopupEntry> towns;
    for (int i = 0; i < 6; ++i) {
        towns.push_back({i == 4 ? "" : "Town " + std::to_string(i), i == 3 ? "" : "r"});
    }
    db.AddPopupList(contact, 9, towns);
    db.AddRecord(contact, "C1");
    db.AddRecord(contact, "C2");
    db.AddField(TableAccessor::Sales, {.id = 1, .name = "Stage"});
    db.AddPopupList(TableAccessor::Sales, 1, {});
    db.AddUser({.name = "Chris", .uniqueId = "U-1", .password = "secret", .security = 1});
    db.AddUser({.name = "Dana", .access = 3});
    db.Commit();
}

// The window keeps the texts of its Status panel in statusTexts.
class DetailWindow final : public controls::StatusBar::Listener {
public:
    DetailWindow() {
        form.Load();
        const auto file = folder.Path() / "demo.dbf";
        WriteDetailDatabase(file);
        act::Database db(ole::standin::CreateStandInDatabase([] { return std::string(); }));
        db.Open(file.string());
        db.Login("Chris", "secret");
        testsupport::ScriptedForms scanForms; // the scan's own calls stay out of the record
        scan::ScanDatabase(db, Tree(), *form.StatusPanel, scanForms);
        db.Close();
        form.StatusBar.SetListener(this);
    }
    void PanelTextChanged(const std::string& key, const std::string& text) override {
        if (key == "Status") {
            statusTexts.push_back(text);
        }
    }

    // The node reached from the database node by child texts: "Tables/Contact/Fields".
    Index At(std::string_view path) const {
        const auto& tree = form.tvACT;
        Index node = tree.Root();
        while (node != 0 && !path.empty()) {
            const auto slash = path.find('/');
            const auto name = path.substr(0, slash);
            path = slash == std::string_view::npos ? "" : path.substr(slash + 1);
            for (node = tree.Child(node); node != 0 && tree.Text(node) != name;) {
                node = tree.Next(node);
            }
        }
        return node;
    }
    void Click(std::string_view path) { Click(At(path)); }
    void Click(Index node) {
        form.tvACT.SetSelected(node);
        form.OnNodeClick();
    }
    testsupport::ScriptedForms& Forms() { return platform.forms; }
    TreeView& Tree() { return form.tvACT; }
    ListView& List() { return form.lvACT; }
    // One column's cells from top to bottom (0 = row text).
    Strings Column(std::int32_t column0) const {
        Strings cells;
        for (std::int32_t r = 1; r <= form.lvACT.RowCount(); ++r) {
            cells.push_back(form.lvACT.CellText(r, column0));
        }
        return cells;
    }

    TempFolder folder;
    NullPlatform platform;
    Strings statusTexts;
    app::frmHaupt form = platform.MainForm();
};

} // namespace veltrano::testsupport
