// Save while ACT! runs: refused when ACT! has the same database open, whatever the letter case
// of its path; done when it has another one open.

#include "SaveFixture.h"
#include "act/DispatchIds.h"
#include "act/RecordingApplication.h"
#include "platform/actole/standin/app/LinuxObjectFactory.h"
#include "platform/win32/RegisteredWindows.h"

#include <algorithm>
#include <cctype>
#include <csignal>

namespace {

using namespace veltrano;
using namespace veltrano::testsupport;
using forms::MessageCall;

const MessageCall kPleaseClose{"Please close ACT! database before you save changed data.", 64, ""};

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// ACT! as a window and an application object whose open database is given.
class ActWithDatabaseTest : public StandInSaveFixture {
protected:
    void RunAct(const std::string& openDatabase) {
        windows.windows.push_back({.hwnd = 7, .className = "ActFrame", .caption = "ACT! - Team"});
        application->Returns("GetOpenDBName", openDatabase);
        objects.object = [this](std::string_view) { return ole::DispatchPtr(application); };
    }
    void PrepareReplace() {
        WriteTriggerDatabase(file);
        Survey(file);
        ClickFields("Contact");
        Replace("c:\\old", "d:\\new");
        script->calls.clear();
    }

    CallLog log;
    std::shared_ptr<RecordingObject> application = std::make_shared<RecordingObject>("app", log);
};

TEST_F(ActWithDatabaseTest, TheSameDatabaseInOtherLetterCaseIsRefused) {
    PrepareReplace();
    RunAct(Upper(file.string()));
    const auto before = Bytes(file);
    Save();
    EXPECT_EQ(forms.Messages(), std::vector<MessageCall>{kPleaseClose});
    EXPECT_EQ(status.texts, (std::vector<std::string>{"Opening current ACT! database...", ""}));
    EXPECT_TRUE(std::none_of(script->calls.begin(), script->calls.end(), [](const auto& call) {
        return call.dispid == act::dispid::kDatabaseOpen;
    }));
    EXPECT_TRUE(Cell("Company", kEntry).bold);
    EXPECT_EQ(Bytes(file), before);
    EXPECT_TRUE(Ready());
    EXPECT_EQ(application.use_count(), 1) << "the application object was kept";
}

TEST_F(ActWithDatabaseTest, AnotherDatabaseOpenInActDoesNotStopTheSave) {
    PrepareReplace();
    RunAct((folder.Path() / "Other.dbf").string());
    Save();
    EXPECT_EQ(forms.Messages(), (std::vector<MessageCall>{{"3 changes were saved.", 64, ""}}));
}

// The stand-in ACT! (`act-standin run`) found and asked as the program does on Linux.
class RunningStandInTest : public SaveFixture {
protected:
    RunningStandInTest() { MakeWindow(user32, objects); }

    TempFolder runtime;
    TempFolder logs;
    fs::path registration = runtime.Path() / "act-standin";
    ole::standin::LinuxObjectFactory objects{registration};
    win32::RegisteredWindows user32{registration};
    fs::path file = folder.Path() / "Triggers.dbf";
};

TEST_F(RunningStandInTest, SaveIsRefusedWhileTheStandInHasTheFileOpenAndWorksAfterwards) {
    WriteTriggerDatabase(file);
    Survey(file);
    ClickFields("Contact");
    Replace("c:\\old", "d:\\new");
    {
        StandInProcess act(runtime.Path(), file, logs.Path());
        ASSERT_TRUE(act.WaitRegistered()) << act.Stderr();
        Save();
        EXPECT_EQ(forms.Messages(), std::vector<MessageCall>{kPleaseClose});
        EXPECT_TRUE(Ready());
        EXPECT_EQ(Stored(file, 0, 10).first, "c:\\old\\company.exe");
        EXPECT_EQ(act.Stop(SIGTERM), 0);
    }
    Save();
    EXPECT_EQ(forms.Messages().back(), (MessageCall{"3 changes were saved.", 64, ""}));
    EXPECT_EQ(Stored(file, 0, 10).first, "d:\\new\\company.exe");
}

} // namespace
