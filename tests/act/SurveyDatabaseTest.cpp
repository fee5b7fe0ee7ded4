#include "act/SurveyDatabase.h"
#include "RecordingDatabase.h"
#include "SurveyWindow.h"
#include "act/DispatchIds.h"
#include "platform/actole/standin/StandInEngine.h"
#include "platform/win32/services/LinuxComDlg32.h"
#include "support/NullPlatform.h"
#include "tools/StandInProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>

namespace {

using namespace veltrano;
namespace id = act::dispid;
using forms::LoginAnswer;
using forms::MessageCall;
using forms::SavedSetting;
using testsupport::RecordingDatabase;

const std::string kCrLf = "\r\n";

class SurveyDatabaseTest : public ::testing::Test {
protected:
    SurveyDatabaseTest() {
        testsupport::WriteLoginDatabase(file);
        platform.objects.database = [this] {
            database = std::make_shared<RecordingDatabase>(
                ole::standin::CreateStandInDatabase([] { return std::string(); }));
            database->overrides = overrides;
            return database;
        };
    }

    void Survey() { act::SurveyDatabase(window.form); }
    void Survey(const std::filesystem::path& chosen) {
        act::SurveyDatabase(window.form, chosen.string());
    }
    void ChooseInDialog(const std::filesystem::path& chosen) {
        forms().QueueFileDialog(std::vector<std::string>{chosen.string()});
    }
    forms::ScriptedForms& forms() { return platform.forms; }

    std::vector<std::int32_t> DatabaseCalls() const { return database->Dispids(); }
    long CountOf(std::int32_t dispid) const {
        const auto calls = DatabaseCalls();
        return std::count(calls.begin(), calls.end(), dispid);
    }
    std::string LoginMessage() const {
        return "Please enter your username for the ACT! database " + file.string();
    }
    std::string RefusedMessage() const {
        return "Login failed." + kCrLf + "Please enter your username and password for" + kCrLf +
               "the ACT! database " + file.string();
    }
    std::string RootText() const {
        return std::string(window.form.tvACT.Text(window.form.tvACT.Root()));
    }

    // Every way out of the command ends like this.
    void ExpectClosingSteps() {
        EXPECT_EQ(window.status.texts.back(), "");
        EXPECT_EQ(window.form.StatusPanel->Text(), "");
        EXPECT_EQ(window.form.History.Count(), 0);
        EXPECT_FALSE(window.BackOrForwardEnabled());
        EXPECT_TRUE(window.Ready());
        if (database) {
            EXPECT_EQ(database.use_count(), 1) << "the Database object was not released";
        }
        EXPECT_EQ(forms().PendingAnswers(), 0u);
    }
    void ExpectEarlierTreeKept() {
        ASSERT_EQ(window.form.tvACT.Count(), 1);
        EXPECT_EQ(RootText(), "Earlier");
    }

    testsupport::TempFolder folder;
    std::filesystem::path file = folder.Path() / "Team.dbf";
    testsupport::NullPlatform platform;
    win32::LinuxComDlg32 comdlg32{platform.forms};
    testsupport::SurveyWindow window{
        {platform.forms, platform.objects, platform.user32, comdlg32, platform.shell32}};
    std::map<std::int32_t, RecordingDatabase::Override> overrides;
    std::shared_ptr<RecordingDatabase> database;
};

TEST_F(SurveyDatabaseTest, ChosenFileIsOpenedLoggedInScannedAndClosedWithItsStatusTexts) {
    ChooseInDialog(file);
    forms().QueueLogin(LoginAnswer{"Chris", "pw"});
    Survey();

    const std::vector<std::string> expected{"Opening current ACT! database...",
                                            "Open ACT! database",
                                            "Opening ACT! database " + file.string() + "...",
                                            "ACT! login",
                                            "Validating ACT! user Chris...",
                                            "Reading database structure...",
                                            "Closing ACT! database...",
                                            ""};
    EXPECT_EQ(window.status.texts, expected);
    EXPECT_TRUE(forms().Messages().empty());
    EXPECT_EQ(RootText(), "Team");
    EXPECT_EQ(window.form.tvACT.Key(window.form.tvACT.Root()), file.string());

    const auto dialogs = forms().FileDialogsShown();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_TRUE(dialogs[0].open);
    EXPECT_EQ(dialogs[0].title, "Open ACT! database");
    using Filter = std::pair<std::string, std::string>;
    EXPECT_EQ(dialogs[0].filters, (std::vector<Filter>{{"ACT! database (*.dbf)", "*.dbf"}}));
    EXPECT_EQ(dialogs[0].defaultExt, "dbf");
    EXPECT_TRUE(dialogs[0].fileMustExist);
    EXPECT_FALSE(dialogs[0].multiSelect);

    // Closed once, at the end, because it was open.
    EXPECT_EQ(CountOf(id::kDatabaseClose), 1);
    EXPECT_EQ(DatabaseCalls().back(), id::kDatabaseClose);
    ExpectClosingSteps();
}

TEST_F(SurveyDatabaseTest, GivenFileSkipsTheFileDialog) {
    forms().QueueLogin(LoginAnswer{"chris", "pw"});
    Survey(file);
    EXPECT_TRUE(forms().FileDialogsShown().empty());
    EXPECT_EQ(
        std::count(window.status.texts.begin(), window.status.texts.end(), "Open ACT! database"),
        0);
    EXPECT_EQ(window.status.texts[1], "Opening ACT! database " + file.string() + "...");
    EXPECT_EQ(RootText(), "Team");
    ExpectClosingSteps();
}

TEST_F(SurveyDatabaseTest, BlankNameAsksAgainAndSavesNothing) {
    std::vector<std::string> statusWhenShown;
    const auto answer = [&](std::string user) {
        forms().QueueLogin([&, user](forms::LoginFormState& state) {
            statusWhenShown.push_back(window.form.StatusPanel->Text());
            state.Username = user;
            state.Userpassword = "pw";
            state.Tag = "ok";
        });
    };
    answer("");
    answer("   ");
    answer("Chris");
    Survey(file);

    EXPECT_EQ(forms().Messages(),
              (std::vector<MessageCall>{{LoginMessage(), 64, ""}, {LoginMessage(), 64, ""}}));
    EXPECT_EQ(forms().SavedSettings(),
              (std::vector<SavedSetting>{{"Veltrano", "options", "username", "Chris"},
                                         {"Veltrano", "options", "userpassword", "pw"}}));
    EXPECT_EQ(statusWhenShown, std::vector<std::string>(3, "ACT! login"));
    // The dialog shows what was typed last, not the stored values again.
    EXPECT_EQ(forms().LoginsShown()[2].Username, "   ");
    EXPECT_EQ(CountOf(id::kDatabaseLogin), 1);
    EXPECT_EQ(RootText(), "Team");
}

TEST_F(SurveyDatabaseTest, BlanksAroundTheNameAreKeptSavedAndSent) {
    forms().QueueLogin(LoginAnswer{" Chris ", " pw"});
    forms().QueueLogin(LoginAnswer{{}, {}, ""});
    Survey(file);

    EXPECT_EQ(forms().SavedSettings(),
              (std::vector<SavedSetting>{{"Veltrano", "options", "username", " Chris "},
                                         {"Veltrano", "options", "userpassword", " pw"}}));
    const auto& calls = database->Calls();
    const auto login = std::find_if(calls.begin(), calls.end(), [](const auto& call) {
        return call.dispid == id::kDatabaseLogin;
    });
    ASSERT_NE(login, calls.end());
    EXPECT_EQ(login->args[0].AsString(), " Chris ");
    EXPECT_EQ(login->args[1].AsString(), " pw");
    EXPECT_NE(std::find(window.status.texts.begin(), window.status.texts.end(),
                        "Validating ACT! user  Chris ..."),
              window.status.texts.end());
}

TEST_F(SurveyDatabaseTest, RefusedLoginKeepsTheRefusedValuesForTheNextDialog) {
    forms().Settings().Save("Veltrano", "options", "username", "Chris");
    forms().Settings().Save("Veltrano", "options", "userpassword", "old");
    window.SeedEarlierSurvey();
    forms().QueueLogin(LoginAnswer{{}, "wrong"});
    forms().QueueLogin([](forms::LoginFormState&) {}); // closed by its frame: nothing changes
    Survey(file);

    EXPECT_EQ(forms().Messages(), (std::vector<MessageCall>{{RefusedMessage(), 64, ""}}));
    EXPECT_EQ(forms().Settings().Get("Veltrano", "options", "userpassword", ""), "wrong");
    ExpectEarlierTreeKept();
    ExpectClosingSteps();
    EXPECT_EQ(CountOf(id::kDatabaseClose), 0);

    forms().QueueLogin(LoginAnswer{{}, {}, ""});
    Survey(file);
    const auto shown = forms().LoginsShown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].Userpassword, "old");
    EXPECT_EQ(shown[1].Userpassword, "wrong");
    EXPECT_EQ(shown[2].Username, "Chris");
    EXPECT_EQ(shown[2].Userpassword, "wrong");
}

TEST_F(SurveyDatabaseTest, RefusedLoginWithTheDatabaseOpenGoesOnToTheScan) {
    // ACT! reports the login as refused although the database opened.
    overrides[id::kDatabaseLogin] = [](auto, ole::Dispatch& real) {
        return real.Call(id::kDatabaseLogin, {"Chris", "pw"});
    };
    overrides[id::kDatabaseLoginFailed] = [](auto, ole::Dispatch&) { return ole::Variant(true); };
    forms().QueueLogin(LoginAnswer{"Chris", "typo"});
    Survey(file);

    EXPECT_EQ(forms().Messages(), (std::vector<MessageCall>{{RefusedMessage(), 64, ""}}));
    EXPECT_EQ(forms().LoginsShown().size(), 1u);
    EXPECT_EQ(RootText(), "Team");
    EXPECT_EQ(CountOf(id::kDatabaseClose), 1);
    ExpectClosingSteps();
}

TEST_F(SurveyDatabaseTest, CancelAtEitherDialogKeepsTheTreeButEndsTheRunCleanly) {
    for (const bool atLogin : {false, true}) {
        SCOPED_TRACE(atLogin ? "login dialog" : "file dialog");
        window.form.tvACT.Clear();
        window.SeedEarlierSurvey();
        EXPECT_TRUE(window.BackOrForwardEnabled());
        window.status.texts.clear();
        if (atLogin) {
            ChooseInDialog(file);
            forms().QueueLogin(LoginAnswer{"Chris", "pw", ""});
        } else {
            forms().QueueFileDialog(std::nullopt);
        }
        Survey();
        ExpectEarlierTreeKept();
        ExpectClosingSteps();
        EXPECT_TRUE(forms().Messages().empty());
        EXPECT_EQ(CountOf(id::kDatabaseClose), 0);
    }
}

TEST_F(SurveyDatabaseTest, FileThatIsNoDatabaseIsReportedAndNotClosed) {
    const auto notes = folder.Path() / "notes.dbf";
    std::ofstream(notes) << "not an ACT! database\n";
    window.SeedEarlierSurvey();
    Survey(notes);

    EXPECT_EQ(
        forms().Messages(),
        (std::vector<MessageCall>{{"Error while opening ACT!-databse " + notes.string(), 48, ""}}));
    EXPECT_TRUE(forms().LoginsShown().empty());
    EXPECT_EQ(CountOf(id::kDatabaseClose), 0);
    EXPECT_GE(CountOf(id::kDatabaseIsOpen), 1);
    ExpectEarlierTreeKept();
    ExpectClosingSteps();
}

TEST_F(SurveyDatabaseTest, FailuresOfActAreReportedAndTheWindowIsReadyAgain) {
    overrides[id::kDatabaseOpen] = [](auto, ole::Dispatch&) -> ole::Variant {
        throw ole::AutomationError(-2147467259, "Unspecified error");
    };
    window.SeedEarlierSurvey();
    Survey(file);
    EXPECT_EQ(forms().Messages(),
              (std::vector<MessageCall>{
                  {"Fehlernummer: -2147467259" + kCrLf + "Fehlerbeschreibung: Unspecified error",
                   48, ""}}));
    ExpectEarlierTreeKept();
    ExpectClosingSteps();

    // ACT! not reachable at all: no Database object can be created.
    platform.objects.database = nullptr;
    database.reset();
    Survey(file);
    EXPECT_EQ(forms().Messages().back().text,
              "Fehlernummer: 429" + kCrLf +
                  "Fehlerbeschreibung: ActiveX component can't create object");
    ExpectClosingSteps();
}

TEST_F(SurveyDatabaseTest, FailingCloseIsReportedAndTheOtherClosingStepsStillRun) {
    overrides[id::kDatabaseClose] = [](auto, ole::Dispatch&) -> ole::Variant {
        throw ole::AutomationError(3420, "Object invalid or no longer set");
    };
    forms().QueueLogin(LoginAnswer{"Chris", "pw"});
    Survey(file);
    EXPECT_EQ(RootText(), "Team");
    EXPECT_EQ(forms().Messages(),
              (std::vector<MessageCall>{{"Fehlernummer: 3420" + kCrLf +
                                             "Fehlerbeschreibung: Object invalid or no longer set",
                                         48, ""}}));
    ExpectClosingSteps();
}

} // namespace
