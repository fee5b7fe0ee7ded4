// `act-standin run FILE` as ACT! running: its window is found, veltrano-cli surveys its
// database without being told which, Save refuses to write into it, and once the window is
// closed the application object can no longer be created.

#include "WindowsTestSupport.h"
#include "act/DispatchIds.h"
#include "platform/actole/AutomationError.h"
#include "platform/actole/com/ComObjectFactory.h"
#include "platform/actole/standin/SampleDatabase.h"
#include "platform/win32/windows/WideText.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace veltrano::testsupport {
namespace {

const std::vector<std::string> kLogin{"--user", std::string(ole::standin::kSampleUserName),
                                      "--password", std::string(ole::standin::kSamplePassword)};

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

HWND WaitForWindow(ChildProcess& process) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < until) {
        if (HWND window = WindowOf(process.Id(), L"ActStandInFrame")) {
            return window;
        }
        if (process.Wait(100) != WAIT_TIMEOUT) {
            return nullptr;
        }
    }
    return nullptr;
}

std::wstring CaptionOf(HWND window) {
    wchar_t text[256] = {};
    ::GetWindowTextW(window, text, 256);
    return text;
}

class RunningStandInTest : public ::testing::Test {
protected:
    WinTempFolder temp;
    fs::path cli = ProgramFolder() / "veltrano-cli.exe";
    fs::path standIn = ProgramFolder() / "act-standin.exe";
};

TEST_F(RunningStandInTest, IsSurveyedWithoutADatabaseAndGuardedAgainstSave) {
    const fs::path file = temp.Path() / L"Verk\u00E4ufe.dbf";
    ole::standin::WriteSampleDatabase(file);
    const std::string path = win32::Narrow(file.wstring());
    const RunResult named =
        RunProgram(cli, std::vector<std::string>{"survey", path} + kLogin, temp.Path());
    ASSERT_EQ(named.status, 0u) << named.err;

    ChildProcess running(standIn, {"run", path}, temp.Path(), "standin");
    const HWND window = WaitForWindow(running);
    ASSERT_NE(window, nullptr) << running.Err();
    EXPECT_EQ(CaptionOf(window), L"ACT! - Sales Team");

    // The same tree as with the file named.
    const RunResult unnamed =
        RunProgram(cli, std::vector<std::string>{"survey"} + kLogin, temp.Path());
    EXPECT_EQ(unnamed.status, 0u) << unnamed.err;
    EXPECT_EQ(unnamed.out, named.out);

    // The application object answers for it.
    {
        ole::com::ComObjectFactory com(act::classid::kDatabaseClass);
        const auto application = com.CreateObject(act::classid::kApplicationProgId);
        EXPECT_EQ(application->CallByName("GetOpenDBName").AsString(), path);
        const auto views = application->GetByName("Views").AsObject();
        EXPECT_EQ(views->CallByName("GetActive").AsObject()->GetByName("Type").AsLong(), 1);
    }

    // Save does not write into the database ACT! has open.
    const std::string before = ReadBytes(file);
    const RunResult save =
        RunProgram(cli,
                   std::vector<std::string>{"replace", "--table", "Contact", "--search", "exe",
                                            "--replace", "EXE", "--save"} +
                       kLogin,
                   temp.Path());
    EXPECT_EQ(save.status, 1u);
    EXPECT_NE(save.err.find("Please close ACT! database before you save changed data."),
              std::string::npos)
        << save.err;
    EXPECT_EQ(ReadBytes(file), before);

    ::PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(running.Wait(), 0u) << running.Err();
    EXPECT_NE(running.Out().find("act-standin: stopped."), std::string::npos) << running.Out();

    ole::com::ComObjectFactory com(act::classid::kDatabaseClass);
    try {
        com.CreateObject(act::classid::kApplicationProgId);
        ADD_FAILURE() << "the application is still there";
    } catch (const ole::AutomationError& error) {
        EXPECT_EQ(error.Number(), 429);
    }
}

TEST_F(RunningStandInTest, RefusesAFileThatIsNoDatabase) {
    const fs::path file = temp.Path() / "not.dbf";
    { std::ofstream(file) << "plain text"; }
    const RunResult run = RunProgram(standIn, {"run", win32::Narrow(file.wstring())}, temp.Path());
    EXPECT_EQ(run.status, 1u);
    EXPECT_NE(run.err.find("is not a stand-in ACT! database"), std::string::npos) << run.err;
}

} // namespace
} // namespace veltrano::testsupport
