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

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

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

struct WindowSearch {
    DWORD process;
    HWND found = nullptr;
};

BOOL CALLBACK FindFrame(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t name[257] = {};
    ::GetClassNameW(window, name, 257);
    if (owner == search->process && ::IsWindowVisible(window) &&
        std::wstring_view(name) == L"ActStandInFrame") {
        search->found = window;
    }
    return TRUE;
}

// The stand-in's visible frame window, once it shows; null when the process ends first.
HWND WaitForWindow(HelperProcess& process) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < until) {
        WindowSearch search{process.Id()};
        ::EnumWindows(FindFrame, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        if (process.WaitExit(std::chrono::milliseconds(100))) {
            return nullptr;
        }
    }
    return nullptr;
}

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::wstring CaptionOf(HWND window) {
    wchar_t text[256] = {};
    ::GetWindowTextW(window, text, 256);
    return text;
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
    EXPECT_EQ(CaptionOf(window), L"ACT! - Sales Team");

    // The same tree as with the file named.
    const ProgramRun unnamed = RunProgram(cli, std::vector<std::string>{"survey"} + kLogin, kClean);
    EXPECT_EQ(unnamed.status, 0u) << unnamed.err;
    EXPECT_EQ(unnamed.out, named.out);

    // The application object answers for it.
    {
        ole::com::ComObjectFactory com(ole::classid::kDatabaseClass);
        const auto application = com.CreateObject(ole::classid::kApplicationProgId);
        EXPECT_EQ(application->CallByName("GetOpenDBName").AsString(), path);
        const auto views = application->GetByName("Views").AsObject();
        EXPECT_EQ(views->CallByName("GetActive").AsObject()->GetByName("Type").AsLong(), 1);
    }

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
    try {
        com.CreateObject(ole::classid::kApplicationProgId);
        ADD_FAILURE() << "the application is still there";
    } catch (const ole::AutomationError& error) {
        EXPECT_EQ(error.Number(), 429);
    }
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
