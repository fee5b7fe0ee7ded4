#pragma once

// A main window wired as the program wires it, over stand-in databases in a temporary folder:
// survey a file, click a table's Fields node, replace, save, and read back what the file holds.

#include "ProxyDispatch.h"
#include "act/ActObjects.h"
#include "act/ScriptedWindows.h"
#include "act/SurveyDatabase.h"
#include "app/frmHaupt.h"
#include "detail/DetailListe.h"
#include "edit/SaveChanges.h"
#include "edit/SearchReplace.h"
#include "platform/actole/standin/StandInDatabaseWriter.h"
#include "platform/actole/standin/StandInEngine.h"
#include "scan/modStrukturScan.h"
#include "support/NullPlatform.h"
#include "tools/StandInProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <memory>

namespace veltrano::testsupport {

using ole::standin::StandInDatabaseWriter;
using ole::standin::TableAccessor;
using Index = controls::TreeView::Index;

inline constexpr std::int32_t kEntry = 6;
inline constexpr std::int32_t kExit = 7;

class StatusTexts final : public controls::StatusBar::Listener {
public:
    void PanelTextChanged(const std::string&, const std::string& text) override {
        texts.push_back(text);
    }
    std::vector<std::string> texts;
};

// Contact: 10 Company, 11 Phone (both triggers), 12 City (none); Group: 10 Region, 25 Group
// Name. Field 10 of both tables has an entry trigger under c:\old.
inline void WriteTriggerDatabase(const fs::path& file, bool withPhone = true,
                                 bool withLogin = false) {
    StandInDatabaseWriter db(file, "Triggers");
    db.AddField(TableAccessor::Contact,
                {.id = 10, .name = "Company", .entryTrigger = "c:\\old\\company.exe"});
    if (withPhone) {
        db.AddField(TableAccessor::Contact, {.id = 11,
                                             .name = "Phone",
                                             .entryTrigger = "c:\\old\\dial.exe",
                                             .exitTrigger = "c:\\old\\hangup.exe"});
    }
    db.AddField(TableAccessor::Contact, {.id = 12, .name = "City"});
    db.AddField(TableAccessor::Group,
                {.id = 10, .name = "Region", .entryTrigger = "c:\\old\\region.exe"});
    db.AddField(TableAccessor::Group, {.id = 25, .name = "Group Name"});
    if (withLogin) {
        db.AddUser({.name = "Chris", .uniqueId = "U00000000001", .password = "pw"});
    }
    db.Commit();
}

class SaveFixture : public ::testing::Test {
protected:
    // Makes the window; the derived fixture calls it once its platform parts exist.
    void MakeWindow(win32::User32& user32, ole::ObjectFactory& objects) {
        window = std::make_unique<app::frmHaupt>(
            app::Platform{forms, objects, user32, comdlg32, shell32}, Wiring());
        window->Load();
        window->StatusBar.SetListener(&status);
    }

    static app::Commands Wiring() {
        app::Commands commands;
        commands.NodeClick = detail::OnNodeClick;
        commands.Search = edit::SearchEntries;
        commands.Replace = edit::ReplaceEntries;
        commands.Save = edit::SaveChanges;
        return commands;
    }

    void Survey(const fs::path& chosen) { act::SurveyDatabase(form(), chosen.string()); }

    void ClickFields(std::string_view table) {
        const auto& tree = form().tvACT;
        for (Index node = 1; node <= tree.Count(); ++node) {
            if (tree.Tag(node) == "Tabelle" && tree.Text(node) == table) {
                form().tvACT.SetSelected(tree.Child(node));
                form().OnNodeClick();
                return;
            }
        }
        FAIL() << "no table " << table;
    }
    void Replace(const std::string& search, const std::string& replacement) {
        forms.QueueInput(search);
        forms.QueueInput(replacement);
        form().OnButtonClick("Replace");
    }
    void Save() {
        status.texts.clear();
        form().OnButtonClick("Save");
    }

    // The list row of the named field; 0 when none.
    std::int32_t Row(std::string_view name) const {
        for (std::int32_t row = 1; row <= form().lvACT.RowCount(); ++row) {
            if (form().lvACT.Text(row) == name) {
                return row;
            }
        }
        return 0;
    }
    const controls::ListView::SubItem& Cell(std::string_view name, std::int32_t sub) const {
        return form().lvACT.GetSubItem(Row(name), sub);
    }
    std::vector<bool> Marks() const {
        std::vector<bool> marks;
        for (std::int32_t row = 1; row <= form().lvACT.RowCount(); ++row) {
            marks.push_back(form().lvACT.GetSubItem(row, kEntry).bold);
            marks.push_back(form().lvACT.GetSubItem(row, kExit).bold);
        }
        return marks;
    }

    // The triggers the file holds for a field, read with a fresh Database object.
    static std::pair<std::string, std::string>
    Stored(const fs::path& file, std::size_t table, std::int16_t id, const std::string& user = {}) {
        act::Database db(ole::standin::CreateStandInDatabase([] { return std::string(); }));
        db.Open(file.string());
        if (db.LoginRequired()) {
            db.Login(user, "pw");
        }
        act::Fields fields = (db.*scan::kTabellen.at(table).accessor)().GetFields();
        auto triggers = std::make_pair(fields.EntryTrigger(id), fields.ExitTrigger(id));
        fields.Release();
        db.Close();
        return triggers;
    }
    static std::string Bytes(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    bool Ready() {
        return form().tvACT.Enabled() && form().lvACT.Enabled() && form().Toolbar.Enabled() &&
               forms.MousePointer() == forms::vbDefault && form().StatusPanel->Text().empty();
    }

    TempFolder folder;
    forms::ScriptedForms forms;
    NoDialogs comdlg32;
    NoShell shell32;
    StatusTexts status;
    std::unique_ptr<app::frmHaupt> window;
    app::frmHaupt& form() { return *window; }
    const app::frmHaupt& form() const { return *window; }
};

// The window with the stand-in engine behind Database objects; ACT! runs when windows lists
// a window and application answers "ACTOLE.APPOBJECT".
class StandInSaveFixture : public SaveFixture {
protected:
    StandInSaveFixture() {
        MakeWindow(windows, objects);
        objects.database = [this] {
            ole::standin::StandInOptions options;
            options.busyTimeout = std::chrono::milliseconds(200);
            return ole::DispatchPtr(std::make_shared<ProxyDispatch>(
                ole::standin::CreateStandInDatabase([] { return std::string(); }, options),
                script));
        };
    }

    // The Fields calls of the last save, "Name(args)" as put: "EntryTrigger(10,d:\x)".
    std::vector<std::string> Puts() const {
        std::vector<std::string> puts;
        for (const auto& call : script->calls) {
            if (call.kind == ole::InvokeKind::PropertyPut) {
                puts.push_back(std::to_string(call.dispid) + "(" + call.args.at(0).ToText() + "," +
                               call.args.at(1).ToText() + ")");
            }
        }
        return puts;
    }

    std::shared_ptr<ProxyScript> script = std::make_shared<ProxyScript>();
    FakeObjectFactory objects;
    ScriptedWindows windows;
    fs::path file = folder.Path() / "Triggers.dbf";
};

} // namespace veltrano::testsupport
