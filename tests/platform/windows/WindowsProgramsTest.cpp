// act-standin.exe and veltrano-cli.exe on Windows, on a stand-in database in a folder with a
// non-ASCII name: UTF-8 arguments, the login from the registry, and `act-standin run FILE` as ACT!
// running (its window is found, veltrano-cli surveys its database without being told which, Save
// refuses to write into it, and once the window closes the application is gone). The output of
// veltrano-cli against the Linux build's, byte for byte: scripts/compare-windows-cli.sh; a refused
// login and a refused file: CliLoginTest, ActStandInRunTest.

#include "platform/actole/AutomationError.h"
#include "platform/actole/DispatchIds.h"
#include "platform/actole/com/ComObjectFactory.h"
#include "platform/actole/standin/SampleDatabase.h"
#include "support/BinDir.h"
#include "support/TempFolder.h"
#include "support/windows/ChildProcess.h"
#include "support/windows/TestHelpers.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace veltrano::testsupport {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

class WindowsProgramsTest : public ::testing::Test {
protected:
    WindowsProgramsTest() {
        fs::create_directory(folder);
        const auto created = Run("act-standin.exe", {"create", sample, "--sample"});
        EXPECT_EQ(created.status, 0u) << created.err;
    }

    static ProgramRun Run(const std::string& program, const Args& args) {
        return RunProgram(fs::absolute(BinDir()) / program, args);
    }
    // veltrano-cli with the sample's login.
    static ProgramRun Cli(Args args) {
        args.insert(args.end(), {"--user", std::string(ole::standin::kSampleUserName), "--password",
                                 std::string(ole::standin::kSamplePassword)});
        return Run("veltrano-cli.exe", args);
    }

    TempFolder temp;
    const fs::path folder = temp.Path() / u8"B\u00FCr\u00F6 \u20AC";
    const std::string sample = Utf8(folder / "sample.dbf");
};

TEST_F(WindowsProgramsTest, LoginComesFromTheRegistry) {
    // What the window remembers, where it keeps it.
    const wchar_t* key = L"Software\\VB and VBA Program Settings\\Veltrano\\options";
    ::RegSetKeyValueW(HKEY_CURRENT_USER, key, L"username", REG_SZ, L"Chris Miller",
                      sizeof L"Chris Miller");
    ::RegSetKeyValueW(HKEY_CURRENT_USER, key, L"userpassword", REG_SZ, L"sales", sizeof L"sales");
    const auto remembered = Run("veltrano-cli.exe", {"survey", sample});
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Veltrano");
    EXPECT_EQ(remembered.status, 0u) << remembered.err;
    EXPECT_EQ(remembered.out.substr(0, 11), "Sales Team\n");
}

TEST_F(WindowsProgramsTest, ARunningStandInIsSurveyedWithoutADatabaseAndGuardedAgainstSave) {
    const ProgramRun named = Cli({"survey", sample});
    ASSERT_EQ(named.status, 0u) << named.err;

    HelperProcess running(fs::absolute(BinDir()) / "act-standin.exe", {"run", sample});
    HWND window = nullptr;
    Eventually(
        [&] {
            window = VisibleWindowOf(running.Id(), L"ActStandInFrame");
            return window != nullptr || running.WaitExit(std::chrono::milliseconds(0));
        },
        std::chrono::seconds(30));
    ASSERT_NE(window, nullptr);
    wchar_t caption[64] = {};
    ::GetWindowTextW(window, caption, 64);
    EXPECT_STREQ(caption, L"ACT! - Sales Team");

    // The same tree as with the file named: the application object told which file it has open.
    const ProgramRun unnamed = Cli({"survey"});
    EXPECT_EQ(unnamed.status, 0u) << unnamed.err;
    EXPECT_EQ(unnamed.out, named.out);

    // Save does not write into the database ACT! has open.
    const std::string before = ReadBytes(sample);
    const ProgramRun save =
        Cli({"replace", "--table", "Contact", "--search", "exe", "--replace", "EXE", "--save"});
    EXPECT_EQ(save.status, 1u);
    EXPECT_NE(save.err.find("Please close ACT! database before you save changed data."),
              std::string::npos)
        << save.err;
    EXPECT_EQ(ReadBytes(sample), before);

    // Closing the window stops it, and with it the application object.
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(running.WaitExit(std::chrono::seconds(30)), 0u);
    ole::com::ComObjectFactory com(ole::classid::kDatabaseClass);
    EXPECT_THROW(com.CreateObject(ole::classid::kApplicationProgId), ole::AutomationError)
        << "the application is still there";
}

} // namespace
} // namespace veltrano::testsupport
