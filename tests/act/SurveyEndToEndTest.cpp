// The command against a running stand-in ACT! (`act-standin run`), found through the registered
// window and reached over its socket, as the program does on Linux.

#include "SurveyWindow.h"
#include "act/SurveyDatabase.h"
#include "platform/actole/standin/app/LinuxObjectFactory.h"
#include "platform/win32/RegisteredWindows.h"
#include "platform/win32/services/LinuxComDlg32.h"
#include "support/NullPlatform.h"
#include "tools/StandInProcess.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace veltrano;
using forms::MessageCall;

class SurveyEndToEndTest : public ::testing::Test {
protected:
    SurveyEndToEndTest() { testsupport::WriteLoginDatabase(file); }

    // Starts `act-standin run` on the database and waits until its window is registered.
    void StartActWithTheDatabase() {
        act_ = std::make_unique<testsupport::StandInProcess>(runtime.Path(), file, logs.Path());
        ASSERT_TRUE(act_->WaitRegistered()) << act_->Stderr();
    }
    void ExpectNoDialogs() {
        EXPECT_TRUE(forms.FileDialogsShown().empty());
        EXPECT_TRUE(forms.LoginsShown().empty());
    }

    testsupport::TempFolder data;
    testsupport::TempFolder runtime;
    testsupport::TempFolder logs;
    std::filesystem::path file = data.Path() / "Team.dbf";
    std::filesystem::path registration = runtime.Path() / "act-standin";

    forms::ScriptedForms forms;
    ole::standin::LinuxObjectFactory objects{registration};
    win32::RegisteredWindows user32{registration};
    win32::LinuxComDlg32 comdlg32{forms};
    testsupport::NoShell shell32;
    testsupport::SurveyWindow window{{forms, objects, user32, comdlg32, shell32}};

private:
    std::unique_ptr<testsupport::StandInProcess> act_;
};

TEST_F(SurveyEndToEndTest, DatabaseOfTheRunningActIsScannedWithoutAnyDialog) {
    StartActWithTheDatabase();
    act::SurveyDatabase(window.form);

    ExpectNoDialogs();
    EXPECT_TRUE(forms.Messages().empty());
    const auto& tree = window.form.tvACT;
    ASSERT_GT(tree.Count(), 1);
    EXPECT_EQ(tree.Text(tree.Root()), "Team");
    EXPECT_EQ(tree.Key(tree.Root()), file.string());
    EXPECT_EQ(window.status.texts, (std::vector<std::string>{"Opening current ACT! database...",
                                                             "Reading database structure...",
                                                             "Closing ACT! database...", ""}));
    EXPECT_TRUE(window.Ready());
}

TEST_F(SurveyEndToEndTest, DatabaseOfTheRunningActThatDoesNotOpenIsReported) {
    StartActWithTheDatabase();
    // The file ACT! has open is replaced by something that is no database.
    const auto junk = data.Path() / "junk";
    std::ofstream(junk) << "not an ACT! database\n";
    std::filesystem::rename(junk, file);
    window.SeedEarlierSurvey();
    act::SurveyDatabase(window.form);

    ExpectNoDialogs();
    EXPECT_EQ(
        forms.Messages(),
        (std::vector<MessageCall>{{"Error while opening ACT!-databse " + file.string(), 48, ""}}));
    EXPECT_EQ(window.form.tvACT.Count(), 1);
    EXPECT_EQ(window.form.History.Count(), 0);
    EXPECT_TRUE(window.Ready());
}

TEST_F(SurveyEndToEndTest, WithoutRunningActTheFileDialogIsShown) {
    forms.QueueFileDialog(std::vector<std::string>{file.string()});
    forms.QueueLogin(forms::LoginAnswer{"Chris", "pw"});
    act::SurveyDatabase(window.form);

    EXPECT_EQ(forms.FileDialogsShown().size(), 1u);
    EXPECT_EQ(forms.LoginsShown().size(), 1u);
    EXPECT_TRUE(forms.Messages().empty());
    EXPECT_EQ(window.form.tvACT.Text(window.form.tvACT.Root()), "Team");
}

} // namespace
