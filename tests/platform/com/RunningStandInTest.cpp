// `act-standin run FILE` as ACT! running: its window is found, veltrano-cli surveys its
// database without being told which, Save refuses to write into it, and once the window is
// closed the application object can no longer be created.

#include "platform/actole/AutomationError.h"
#include "platform/actole/DispatchIds.h"
#include "platform/actole/com/ComObjectFactory.h"
#include "platform/actole/standin/SampleDatabase.h"
#include "platform/win32/windows/WideText.h"
#include "support/BinDir.h"
#include "support/TempFolder.h"
#include "support/windows/ChildProcess.h"
#include "support/windows/TestHelpers.h"

#include "ErrorOf.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

namespace veltrano::testsupport {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kLogin{"--user", std::string(ole::standin::kSampleUserName),
                                      "--password", std::string(ole::standin::kSamplePassword)};

// The login comes from the options alone.
const EnvironmentChanges kClean{{"VELTRANO_USER", std::nullopt},
                                {"VELTRANO_PASSWORD", std::nullopt}};

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The stand-in's visible frame window, once it shows; null when the process ends first.
HWND WaitForWindow(HelperProcess& process) {
    HWND window = nullptr;
    Eventually(
        [&] {
            window = VisibleWindowOf(process.Id(), L"ActStandInFrame");
            return window != nullptr || process.WaitExit(std::chrono::milliseconds(0));
        },
        std::chrono::seconds(30));
    return window;
}

class RunningStandInTest : public ::testing::Test {
protected:
    TempFolder temp;
    fs::path cli = fs::absolute(BinDir()) / "veltrano-cli.exe";
    fs::path standIn = fs::absolute(BinDir()) / "act-standin.exe";
};

TEST_F(RunningStandInTest, IsSurveyedWithoutADatabaseAndGuardedAgainstSave) {
    const fs::path file = temp.Path() / L"Verk\u00E4ufe.dbf";
    ole::standin::WriteSampleDatabase(file);
    const std::string path = win32::Narrow(file.wstring());
    const ProgramRun named =
        RunProgram(cli, std::vector<std::string>{"survey", path} + kLogin, kClean);
    ASSERT_EQ(named.status, 0u) << named.err;

    HelperProcess running(standIn, {"run", path});
    const HWND window = WaitForWindow(running);
    ASSERT_NE(window, nullptr);
    wchar_t caption[64] = {};
    ::GetWindowTextW(window, caption, 64);
    EXPECT_STREQ(caption, L"ACT! - Sales Team");

    // The same tree as with the file named: the application object told which file it has open.
    const ProgramRun unnamed = RunProgram(cli, std::vector<std::string>{"survey"} + kLogin, kClean);
    EXPECT_EQ(unnamed.status, 0u) << unnamed.err;
    EXPECT_EQ(unnamed.out, named.out);

    // Save does not write into the database ACT! has open.
    const std::string before = ReadBytes(file);
    const ProgramRun save =
        RunProgram(cli,
                   std::vector<std::string>{"replace", "--table", "Contact", "--search", "exe",
                                            "--replace", "EXE", "--save"} +
                       kLogin,
                   kClean);
    EXPECT_EQ(save.status, 1u);
    EXPECT_NE(save.err.find("Please close ACT! database before you save changed data."),
              std::string::npos)
        << save.err;
    EXPECT_EQ(ReadBytes(file), before);

    // Closing the window stops it.
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(running.WaitExit(std::chrono::seconds(30)), 0u);

    ole::com::ComObjectFactory com(ole::classid::kDatabaseClass);
    EXPECT_EQ(ErrorOf([&] { com.CreateObject(ole::classid::kApplicationProgId); }).first, 429)
        << "the application is still there";
}

TEST_F(RunningStandInTest, RefusesAFileThatIsNoDatabase) {
    const fs::path file = temp.Path() / "not.dbf";
    { std::ofstream(file) << "plain text"; }
    const ProgramRun run = RunProgram(standIn, {"run", win32::Narrow(file.wstring())}, kClean);
    EXPECT_EQ(run.status, 1u);
    EXPECT_NE(run.err.find("is not a stand-in ACT! database"), std::string::npos) << run.err;
}

} // namespace
} // namespace veltrano::testsupport
