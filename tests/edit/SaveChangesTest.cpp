// The Save command against stand-in databases: what reaches the file, the messages and status
// texts, the marks, the tree, and every way out. The window is wired as the program wires it.

#include "edit/SaveChanges.h"
#include "act/ActObjects.h"
#include "act/RecordingApplication.h"
#include "act/ScriptedWindows.h"
#include "detail/NodeProperty.h"
#include "platform/actole/standin/Sqlite.h"
#include "platform/actole/standin/StandInDatabaseWriter.h"
#include "platform/actole/standin/StandInEngine.h"
#include "scan/SurveyDatabase.h"
#include "scan/modStrukturScan.h"
#include "support/FileBytes.h"
#include "support/NullPlatform.h"
#include "support/StatusRecorder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <fstream>

namespace {

using namespace veltrano;
using namespace veltrano::testsupport;
namespace fs = std::filesystem;
using ole::standin::TableAccessor;
using Messages = std::vector<testsupport::MessageCall>;
using Texts = std::vector<std::string>;
using Triggers = std::pair<std::string, std::string>;

constexpr std::size_t kContact = 0;
constexpr std::size_t kGroup = 1;
constexpr std::int32_t kCompany = 2; // the Contact rows by name: City, Company, Phone
constexpr std::int32_t kPhone = 3;
constexpr std::int32_t kEntry = 6; // the trigger columns
constexpr std::int32_t kExit = 7;
const testsupport::MessageCall kThreeSaved{"3 changes were saved.", 64, ""};

using Outcome = edit::SaveResult::Outcome;

// Contact: 10 Company, 11 Phone (both triggers), 12 City (none); Group: 10 Region, 25 Group
// Name. Field 10 of both tables has an entry trigger under c:\old. The login is Chris, "pw".
void WriteTriggerDatabase(const fs::path& file, bool withPhone = true, bool withLogin = false) {
    ole::standin::StandInDatabaseWriter db(file, "Triggers");
    const auto contact = TableAccessor::Contact;
    db.AddField(contact, {.id = 10, .name = "Company", .entryTrigger = R"(c:\old\company.exe)"});
    if (withPhone) {
        db.AddField(contact, {.id = 11,
                              .name = "Phone",
                              .entryTrigger = R"(c:\old\dial.exe)",
                              .exitTrigger = R"(c:\old\hangup.exe)"});
    }
    db.AddField(contact, {.id = 12, .name = "City"});
    db.AddField(TableAccessor::Group,
                {.id = 10, .name = "Region", .entryTrigger = R"(c:\old\r.exe)"});
    db.AddField(TableAccessor::Group, {.id = 25, .name = "Group Name"});
    if (withLogin) {
        db.AddUser({.name = "Chris", .uniqueId = "U00000000001", .password = "pw"});
    }
    db.Commit();
}

// The window as the program wires it, with the stand-in engine behind Database objects; ACT! runs
// when windows lists a window and objects answers "ACTOLE.APPOBJECT".
class SaveChangesTest : public ::testing::Test {
protected:
    SaveChangesTest() {
        platform.objects.database = [] {
            ole::standin::StandInOptions options;
            options.busyTimeout = std::chrono::milliseconds(200);
            return ole::standin::CreateStandInDatabase([] { return std::string(); }, options);
        };
        form.Load();
        form.StatusBar.SetListener(&status);
    }
    void SetUp() override { WriteTriggerDatabase(file); }
    void Survey() { scan::SurveyDatabase(form, file.string()); }
    // Every database here has a field 10 in both tables that the tests show.
    void ClickFields(const std::string& table) {
        form.tvACT.SetSelected(form.tvACT.Parent(form.tvACT.ByKey(table + " 10")));
        form.OnNodeClick();
    }
    // Surveys the file, shows the table's Fields list and replaces c:\old by d:\new in it.
    void ReplaceIn(const std::string& table) {
        Survey();
        ClickFields(table);
        forms.QueueInput("c:\\old");
        forms.QueueInput("d:\\new");
        form.OnButtonClick("Replace");
    }
    void Save() {
        status.texts.clear();
        before = ReadBytes(file);
        shown = forms.Messages().size();
        result = edit::SaveChanges(form);
    }
    // The messages of the last save.
    std::vector<testsupport::MessageCall> SaveMessages() const {
        const auto all = forms.Messages();
        return {all.begin() + static_cast<std::ptrdiff_t>(shown), all.end()};
    }

    std::string TreeProperty(std::string_view fieldKey, std::string_view label) {
        return detail::GetNodeProperty(form.tvACT, form.tvACT.ByKey(fieldKey), label);
    }
    const controls::ListView::SubItem& Cell(std::int32_t row, std::int32_t sub) const {
        return form.lvACT.GetSubItem(row, sub);
    }
    std::vector<bool> Marks() const {
        std::vector<bool> marks;
        for (std::int32_t row = 1; row <= form.lvACT.RowCount(); ++row) {
            marks.push_back(Cell(row, kEntry).bold);
            marks.push_back(Cell(row, kExit).bold);
        }
        return marks;
    }
    bool Ready() {
        return form.tvACT.Enabled() && form.lvACT.Enabled() && form.Toolbar.Enabled() &&
               forms.MousePointer() == forms::vbDefault && form.StatusPanel->Text().empty();
    }
    // A save of the Contact replace that changed nothing: these messages alone, the marks kept
    // (Company's entry, Phone's both), the file as before, the window ready.
    void ExpectNothingSaved(const std::vector<testsupport::MessageCall>& messages,
                            Outcome outcome = Outcome::Failed) {
        EXPECT_EQ(result.outcome, outcome);
        EXPECT_EQ(SaveMessages(), messages);
        EXPECT_EQ(Marks(), (std::vector<bool>{false, false, true, false, true, true}));
        EXPECT_TRUE(ReadBytes(file) == before);
        EXPECT_TRUE(Ready());
    }

    // The triggers the file holds for a field, read with a fresh Database object.
    std::pair<std::string, std::string> Stored(std::size_t table, std::int16_t id) const {
        act::Database db(ole::standin::CreateStandInDatabase([] { return std::string(); }));
        db.Open(file.string());
        if (db.LoginRequired()) {
            db.Login("Chris", "pw");
        }
        act::Fields fields = (db.*scan::kTabellen.at(table).accessor)().GetFields();
        auto triggers = std::make_pair(fields.EntryTrigger(id), fields.ExitTrigger(id));
        fields.Release();
        db.Close();
        return triggers;
    }

    TempFolder folder;
    fs::path file = folder.Path() / "Triggers.dbf";
    std::string before;
    std::size_t shown = 0;
    edit::SaveResult result;
    NullPlatform platform;
    testsupport::ScriptedForms& forms = platform.forms;
    ScriptedWindows windows;
    StatusRecorder status;
    app::frmHaupt form =
        wiring::MainForm({forms, platform.objects, windows, platform.comdlg32, platform.shell32});
};

TEST_F(SaveChangesTest, TheListShownDecidesTheTableWhateverTheTreeSelects) {
    ReplaceIn("Contact");
    // The tree moved to Group's Fields node without the list following it.
    form.tvACT.SetSelected(form.tvACT.Parent(form.tvACT.ByKey("Group 10")));
    Save();
    EXPECT_EQ(SaveMessages(), Messages{kThreeSaved});
    EXPECT_EQ(Stored(kGroup, 10), Triggers("c:\\old\\r.exe", ""));
    EXPECT_EQ(Stored(kContact, 10), Triggers("d:\\new\\company.exe", ""));

    // Group's list goes into Group, and into its tree nodes only.
    ReplaceIn("Group");
    Save();
    EXPECT_EQ(SaveMessages(), (Messages{{"1 changes were saved.", 64, ""}}));
    EXPECT_EQ(Stored(kGroup, 10), Triggers("d:\\new\\r.exe", ""));
    EXPECT_EQ(Stored(kContact, 10), Triggers("d:\\new\\company.exe", ""));
    EXPECT_EQ(TreeProperty("Group 10", "EntryTrigger"), "d:\\new\\r.exe");
    EXPECT_EQ(TreeProperty("Contact 10", "EntryTrigger"), "d:\\new\\company.exe");

    // A new survey takes the list with the tree it belonged to: Save has nothing to write.
    ReplaceIn("Contact");
    Survey();
    EXPECT_EQ(form.lvACT.RowCount(), 0);
    form.tvACT.SetSelected(form.tvACT.Parent(form.tvACT.ByKey("Contact 10")));
    Save();
    EXPECT_EQ(result.outcome, Outcome::NothingShown);
    EXPECT_TRUE(SaveMessages().empty());
    EXPECT_TRUE(ReadBytes(file) == before);
}

TEST_F(SaveChangesTest, ChangedTriggersReachTheFileAndTheTreeShowsThemRightAway) {
    ReplaceIn("Contact");
    const auto history = form.History.Count();
    Save();
    // Company's entry counts 1, Phone's row with both triggers counts 2.
    EXPECT_EQ(SaveMessages(), Messages{kThreeSaved});
    EXPECT_EQ(result.outcome, Outcome::Saved);
    EXPECT_EQ(status.texts,
              (Texts{"Opening current ACT! database...", "Opening ACT! database...",
                     "Entering batch mode...", "Saving changes...", "Ending batch mode...", ""}));
    EXPECT_EQ(Stored(kContact, 10), Triggers("d:\\new\\company.exe", ""));
    EXPECT_EQ(Stored(kContact, 11), Triggers("d:\\new\\dial.exe", "d:\\new\\hangup.exe"));
    // Marks gone, texts and former texts kept; history untouched; window ready.
    EXPECT_EQ(Marks(), std::vector<bool>(6, false));
    EXPECT_EQ(Cell(kPhone, kExit).text, "d:\\new\\hangup.exe");
    EXPECT_EQ(Cell(kPhone, kExit).tag, "c:\\old\\hangup.exe");
    EXPECT_EQ(form.History.Count(), history);
    EXPECT_TRUE(Ready());

    // Without marks nothing is written, and zero is reported.
    Save();
    EXPECT_EQ(SaveMessages(), (Messages{{"0 changes were saved.", 64, ""}}));
    EXPECT_TRUE(ReadBytes(file) == before);

    // The tree holds what the file holds: the list rebuilt from it shows the saved texts.
    ClickFields("Contact");
    EXPECT_EQ(Cell(kPhone, kExit).text, "d:\\new\\hangup.exe");
    EXPECT_EQ(Cell(kCompany, kEntry).text, "d:\\new\\company.exe");
}

TEST_F(SaveChangesTest, ABatchBlockedByAnotherConnectionAtItsStartOrEndKeepsEverything) {
    ReplaceIn("Contact");
    auto other = ole::standin::Connection::Open(file.string(), SQLITE_OPEN_READWRITE);
    other.Execute("BEGIN IMMEDIATE;"); // a writer: the batch cannot start
    Save();
    ExpectNothingSaved(
        {{"Can't save Data.\r\nProblem while entering in batch mode.\r\nError #5", 48, ""}});
    // A reader lets the batch write but not commit; closing the database rolls it back.
    other.Execute("ROLLBACK; BEGIN; SELECT count(*) FROM sqlite_master;");
    Save();
    ExpectNothingSaved(
        {{"Problem while saving Data.\r\nCan't end batch mode.\r\nError #5", 48, ""}});
    EXPECT_EQ(TreeProperty("Contact 10", "EntryTrigger"), "c:\\old\\company.exe");
}

TEST_F(SaveChangesTest, AWriteThatRaisesIsReportedAndTheBatchRolledBack) {
    ReplaceIn("Contact");
    fs::remove(file);
    WriteTriggerDatabase(file, false); // Phone is gone since the survey
    Save();
    ExpectNothingSaved({{"Fehlernummer: 5\r\nFehlerbeschreibung: Table Contact has no field with "
                         "the ID 11.",
                         48, ""}});
    EXPECT_EQ(Stored(kContact, 10),
              Triggers("c:\\old\\company.exe", "")); // written before Phone failed
}

TEST_F(SaveChangesTest, AnIdBeyondSixteenBitsOrAFileThatNoLongerOpensIsReported) {
    ReplaceIn("Contact");
    form.lvACT.SetSubItemText(kPhone, 1, "65546"); // would wrap to 10, Company's ID
    Save();
    ExpectNothingSaved({{"Fehlernummer: 6\r\nFehlerbeschreibung: Overflow: the ID \"65546\" of the "
                         "field \"Phone\" is no field ID.",
                         48, ""}});
    EXPECT_EQ(status.texts, (Texts{"Opening current ACT! database...", ""})); // nothing opened

    form.lvACT.SetSubItemText(kPhone, 1, "   11");
    std::ofstream(file) << "no database";
    Save();
    ExpectNothingSaved({{"Error while opening ACT! database " + file.string(), 48, ""}});
}

TEST_F(SaveChangesTest, ADatabaseAskingForALoginIsOpenedWithTheLoginSequence) {
    fs::remove(file);
    WriteTriggerDatabase(file, true, true);
    forms.QueueLogin(testsupport::LoginAnswer{"Chris", "pw"});
    ReplaceIn("Contact");
    forms.QueueLogin(testsupport::LoginAnswer{std::nullopt, std::nullopt, ""});
    Save(); // cancelled: ends quietly
    ExpectNothingSaved({}, Outcome::Cancelled);

    forms.QueueLogin(testsupport::LoginAnswer{"Chris", "pw"});
    Save();
    EXPECT_EQ(SaveMessages(), Messages{kThreeSaved});
}

TEST_F(SaveChangesTest, RefusedWhileActHasThisDatabaseOpenInAnyLetterCase) {
    ReplaceIn("Contact");
    CallLog log;
    auto application = std::make_shared<RecordingObject>("app", log);
    windows.windows.push_back({.hwnd = 7, .className = "ActFrame", .caption = "ACT! - Team"});
    platform.objects.object = [&application](std::string_view) {
        return ole::DispatchPtr(application);
    };
    std::string upper = file.string();
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    application->Returns("GetOpenDBName", upper);
    Save();
    ExpectNothingSaved({{"Please close ACT! database before you save changed data.", 64, ""}},
                       Outcome::Refused);
    EXPECT_EQ(application.use_count(), 1) << "the application object was kept";

    application->Returns("GetOpenDBName", (folder.Path() / "Other.dbf").string());
    Save();
    EXPECT_EQ(SaveMessages(), Messages{kThreeSaved});
}

} // namespace
