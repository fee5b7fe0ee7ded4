// The Survey Database command on stand-in databases, with scripted dialogs and failures of ACT!
// put in. The running ACT!'s database is surveyed end to end by veltrano-cli's tests.

#include "scan/SurveyDatabase.h"
#include "platform/actole/DispatchIds.h"
#include "platform/actole/standin/StandInDatabaseWriter.h"
#include "platform/actole/standin/StandInEngine.h"
#include "platform/win32/linux/LinuxComDlg32.h"
#include "support/NullPlatform.h"
#include "support/OverridingDispatch.h"
#include "support/StatusRecorder.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace veltrano;
namespace id = ole::dispid;
using testsupport::LoginAnswer;
using Messages = std::vector<testsupport::MessageCall>;
using Settings = std::vector<testsupport::SavedSetting>;
using Texts = std::vector<std::string>;

// A database named "Team" with a Contact field and one user (by default "Chris", password "pw").
void WriteLoginDatabase(const std::filesystem::path& file, const std::string& user = "Chris",
                        const std::string& password = "pw") {
    using namespace ole::standin;
    StandInDatabaseWriter db(file, "Team");
    db.AddField(TableAccessor::Contact, {.id = 1, .name = "Company"});
    db.AddUser({.name = user, .uniqueId = "U00000000001", .password = password});
    db.Commit();
}

class SurveyDatabaseTest : public ::testing::Test {
protected:
    SurveyDatabaseTest() {
        form.Load();
        form.StatusBar.SetListener(&status);
        WriteLoginDatabase(file);
        platform.objects.database = [this] {
            database = std::make_shared<testsupport::OverridingDispatch>(
                ole::standin::CreateStandInDatabase([] { return std::string(); }), overrides);
            return database;
        };
    }

    // Only this tree node, and three visited entries so that Back is enabled.
    void SeedEarlierSurvey() {
        form.tvACT.Clear();
        form.tvACT.Add(0, controls::TreeView::tvwLast, "earlier.dbf", "Earlier", "Datenbank");
        for (std::int32_t node : {1, 2, 3}) {
            form.History.Add(node);
        }
        form.UpdateHistoryButtons();
    }
    scan::SurveyOutcome Survey(std::optional<std::string> chosen = {}) {
        return scan::SurveyDatabase(form, chosen);
    }
    testsupport::ScriptedForms& forms() { return platform.forms; }
    std::string Root() const { return std::string(tree().Text(tree().Root())); }
    const controls::TreeView& tree() const { return form.tvACT; }
    testsupport::MessageCall Refused() const {
        return {
            "Login failed.\r\nPlease enter your username and password for\r\nthe ACT! database " +
                file.string(),
            64, ""};
    }
    // Every way out of the command ends like this: status empty, history cleared, window ready.
    void ExpectClosingSteps() {
        EXPECT_TRUE(status.texts.back().empty() && form.StatusPanel->Text().empty() &&
                    form.History.Count() == 0 && !form.Toolbar.ByKey("Back").enabled &&
                    !form.Toolbar.ByKey("For").enabled && form.tvACT.Enabled() &&
                    form.lvACT.Enabled() && form.Toolbar.Enabled() &&
                    forms().MousePointer() == forms::vbDefault);
        EXPECT_TRUE(!database || database.use_count() == 1) << "the Database was not released";
        EXPECT_EQ(forms().PendingAnswers(), 0u);
    }
    void ExpectEarlierTreeKept() {
        EXPECT_EQ(tree().Count(), 1);
        EXPECT_EQ(Root(), "Earlier");
    }

    testsupport::TempFolder folder;
    std::filesystem::path file = folder.Path() / "Team.dbf";
    testsupport::NullPlatform platform;
    win32::LinuxComDlg32 comdlg32{platform.forms};
    testsupport::StatusRecorder status;
    app::frmHaupt form{
        {platform.forms, platform.objects, platform.user32, comdlg32, platform.shell32}};
    std::map<std::int32_t, testsupport::OverridingDispatch::Override> overrides;
    std::shared_ptr<testsupport::OverridingDispatch> database;
};

TEST_F(SurveyDatabaseTest, ChosenFileIsOpenedLoggedInScannedAndClosed) {
    forms().QueueFileDialog(Texts{file.string()});
    forms().QueueLogin(LoginAnswer{"Chris", "pw"});
    EXPECT_EQ(Survey(), scan::SurveyOutcome::Read);
    const std::string opening = "Opening ACT! database " + file.string() + "...";
    EXPECT_EQ(status.texts,
              (Texts{"Opening current ACT! database...", "Open ACT! database", opening,
                     "ACT! login", "Validating ACT! user Chris...", "Reading database structure...",
                     "Closing ACT! database...", ""}));
    EXPECT_TRUE(forms().Messages().empty());
    const auto dialog = forms().FileDialogsShown().at(0);
    EXPECT_TRUE(dialog.open && dialog.fileMustExist && !dialog.multiSelect);
    EXPECT_EQ(dialog.title, "Open ACT! database");
    using Filter = std::pair<std::string, std::string>;
    EXPECT_EQ(dialog.filters, (std::vector<Filter>{{"ACT! database (*.dbf)", "*.dbf"}}));
    EXPECT_EQ(dialog.defaultExt, "dbf");
    ExpectClosingSteps();
}

TEST_F(SurveyDatabaseTest, BlankNameAsksAgainAndBlanksAroundANameAreKeptSavedAndSent) {
    std::filesystem::remove(file);
    WriteLoginDatabase(file, " Chris ", " pw"); // opens only with the blanks
    for (std::string user : {"", "   ", " Chris "}) {
        forms().QueueLogin(LoginAnswer{user, " pw"});
    }
    EXPECT_EQ(Survey(file.string()), scan::SurveyOutcome::Read);

    const testsupport::MessageCall ask{
        "Please enter your username for the ACT! database " + file.string(), 64, ""};
    EXPECT_EQ(forms().Messages(), (Messages{ask, ask}));
    EXPECT_EQ(forms().SavedSettings(), (Settings{{"Veltrano", "options", "username", " Chris "},
                                                 {"Veltrano", "options", "userpassword", " pw"}}));
    // The dialog shows what was typed last, not the stored values again.
    EXPECT_EQ(forms().LoginsShown()[2].Username, "   ");
    EXPECT_THAT(status.texts, ::testing::Contains("Validating ACT! user  Chris ..."));
}

TEST_F(SurveyDatabaseTest, RefusedLoginKeepsTheRefusedValuesAndGoesOnIfTheDatabaseOpened) {
    forms().Settings().Save("Veltrano", "options", "username", "Chris");
    forms().Settings().Save("Veltrano", "options", "userpassword", "old");
    SeedEarlierSurvey();
    forms().QueueLogin(LoginAnswer{{}, "wrong"});
    forms().QueueLogin([](forms::LoginFormState&) {}); // closed by its frame: nothing changes
    Survey(file.string());

    EXPECT_EQ(forms().Messages(), Messages{Refused()});
    EXPECT_EQ(forms().Settings().Get("Veltrano", "options", "userpassword", ""), "wrong");
    ExpectEarlierTreeKept();
    ExpectClosingSteps();

    // ACT! reports the login as refused although the database opened: the scan goes on.
    overrides[id::kDatabaseLogin] = [](auto, ole::Dispatch& real) {
        return real.Call(id::kDatabaseLogin, {"Chris", "pw"});
    };
    overrides[id::kDatabaseLoginFailed] = [](auto, ole::Dispatch&) { return ole::Variant(true); };
    forms().QueueLogin(LoginAnswer{{}, "typo"});
    EXPECT_EQ(Survey(file.string()), scan::SurveyOutcome::Read);
    EXPECT_EQ(forms().Messages(), (Messages{Refused(), Refused()}));
    const auto shown = forms().LoginsShown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].Userpassword, "old");
    EXPECT_EQ(shown[1].Userpassword, "wrong");
    EXPECT_EQ(shown[2].Username + "/" + shown[2].Userpassword, "Chris/wrong");
    ExpectClosingSteps();
}

TEST_F(SurveyDatabaseTest, CancelAtEitherDialogKeepsTheTreeButEndsTheRunCleanly) {
    for (const bool atLogin : {false, true}) {
        SCOPED_TRACE(atLogin ? "login dialog" : "file dialog");
        SeedEarlierSurvey();
        forms().QueueFileDialog(atLogin ? forms::FileDialogAnswer(Texts{file.string()})
                                        : std::nullopt);
        if (atLogin) {
            forms().QueueLogin(LoginAnswer{"Chris", "pw", ""});
        }
        EXPECT_EQ(Survey(), scan::SurveyOutcome::Cancelled);
        ExpectEarlierTreeKept();
        ExpectClosingSteps();
        EXPECT_TRUE(forms().Messages().empty());
    }
}

TEST_F(SurveyDatabaseTest, FailuresAreReportedAndTheClosingStepsStillRun) {
    using testsupport::Raising;
    // A table that fails half-way through the scan: what was read before stays.
    overrides[id::kDatabaseGroupTable] = Raising(-2147467259, "Unspecified error");
    forms().QueueLogin(LoginAnswer{"Chris", "pw"});
    EXPECT_EQ(Survey(file.string()), scan::SurveyOutcome::ReadWithFailures);
    EXPECT_EQ(tree().Children(tree().Root()), 1);               // Tables, no Users
    EXPECT_EQ(tree().Children(tree().Child(tree().Root())), 1); // Contact
    ExpectClosingSteps();

    overrides.erase(id::kDatabaseGroupTable);
    overrides[id::kDatabaseClose] = Raising(3420, "Object invalid or no longer set");
    forms().QueueLogin(LoginAnswer{"Chris", "pw"});
    EXPECT_EQ(Survey(file.string()), scan::SurveyOutcome::ReadWithFailures);
    EXPECT_EQ(Root(), "Team");
    ExpectClosingSteps();

    // A file that is no database is reported, and not closed.
    const auto notes = folder.Path() / "notes.dbf";
    std::ofstream(notes) << "not an ACT! database\n";
    SeedEarlierSurvey();
    EXPECT_EQ(Survey(notes.string()), scan::SurveyOutcome::NotOpened);
    ExpectEarlierTreeKept();
    ExpectClosingSteps();

    overrides[id::kDatabaseOpen] = Raising(-2147467259, "Unspecified error");
    EXPECT_EQ(Survey(file.string()), scan::SurveyOutcome::NotOpened);
    ExpectEarlierTreeKept();
    ExpectClosingSteps();

    // ACT! not reachable at all: no Database object can be created.
    platform.objects.database = nullptr;
    database.reset();
    EXPECT_EQ(Survey(file.string()), scan::SurveyOutcome::NotOpened);
    ExpectClosingSteps();
    const auto error = [](std::string text) { return testsupport::MessageCall{text, 48, ""}; };
    const auto unspecified =
        error("Fehlernummer: -2147467259\r\nFehlerbeschreibung: Unspecified error");
    EXPECT_EQ(forms().Messages(),
              (Messages{unspecified,
                        error("Fehlernummer: 3420\r\nFehlerbeschreibung: Object invalid or no "
                              "longer set"),
                        error("Error while opening ACT!-databse " + notes.string() +
                              "\r\nIt is not an SQLite 3 database."),
                        unspecified,
                        error("Fehlernummer: 429\r\nFehlerbeschreibung: ActiveX component can't "
                              "create object")}));
}

} // namespace
