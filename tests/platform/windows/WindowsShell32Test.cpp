// The shell of Windows: its result values, and process handles from the start to the close.

#include "platform/win32/windows/WindowsShell32.h"
#include "support/TempFolder.h"
#include "support/windows/ChildProcess.h"
#include "support/windows/TestHelpers.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

namespace veltrano::win32 {
namespace {

namespace fs = std::filesystem;
using testsupport::Eventually;
using testsupport::Utf8;

constexpr std::uint32_t kNoErrorUi = 0x00000400; // SEE_MASK_FLAG_NO_UI

// Closes the helper's window once it shows it; false when it never did.
bool CloseWindowOfClass(const std::string& className) {
    const std::wstring wide(className.begin(), className.end());
    return Eventually([&] {
        const HWND hwnd = ::FindWindowW(wide.c_str(), nullptr);
        return hwnd != nullptr && ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
    });
}

class WindowsShell32Test : public ::testing::Test {
protected:
    std::int32_t Launch(const std::string& file) {
        SHELLEXECUTEINFO info;
        info.cbSize = 60;
        info.fMask = kNoErrorUi;
        info.lpFile = file;
        info.nShow = SW_SHOWNORMAL;
        const bool started = shell.ShellExecuteExA(info);
        EXPECT_EQ(started, info.hInstApp > 32) << file;
        EXPECT_EQ(info.hProcess, 0) << file;
        return info.hInstApp;
    }

    testsupport::TempFolder temp;
    const fs::path helper = testsupport::ProgramFolder() / "veltrano-test-window.exe";
    const std::string className = "VeltranoShellTest" + std::to_string(::GetCurrentProcessId());
    WindowsShell32 shell;
};

TEST_F(WindowsShell32Test, FailuresGiveTheShellsErrorValues) {
    std::ofstream(temp.File("notes.veltrano-unknown")) << "x";
    const std::string folder = Utf8(temp.Path());
    EXPECT_EQ(Launch(folder + "\\missing.exe"), SE_ERR_FNF);
    EXPECT_EQ(Launch(folder + "\\notes.veltrano-unknown"), SE_ERR_NOASSOC);
    EXPECT_EQ(shell.ShellExecuteA(0, std::nullopt, folder + "\\missing.txt", std::nullopt,
                                  std::nullopt, SW_SHOWNORMAL),
              SE_ERR_FNF);
}

TEST_F(WindowsShell32Test, AStartedProgramRunsUntilItEndsAndItsHandleCloses) {
    SHELLEXECUTEINFO info;
    info.cbSize = 60;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | kNoErrorUi;
    info.lpFile = Utf8(helper);
    info.lpParameters = "\"" + className + "\" \"Shell test\" 0 7";
    info.nShow = SW_HIDE;
    ASSERT_TRUE(shell.ShellExecuteExA(info));
    EXPECT_GT(info.hInstApp, 32);
    ASSERT_NE(info.hProcess, 0);

    std::uint32_t code = 0;
    ASSERT_TRUE(shell.GetExitCodeProcess(info.hProcess, code));
    EXPECT_EQ(code, STILL_ACTIVE);
    ASSERT_TRUE(CloseWindowOfClass(className));
    EXPECT_TRUE(Eventually(
        [&] { return shell.GetExitCodeProcess(info.hProcess, code) && code != STILL_ACTIVE; }));
    EXPECT_EQ(code, 7u);
    EXPECT_TRUE(shell.CloseHandle(info.hProcess));
}

TEST_F(WindowsShell32Test, ProgramsAndFoldersWithNonAsciiNamesStart) {
    const fs::path folder = temp.Path() / u8"B\u00FCr\u00F6 \u20AC";
    fs::create_directory(folder);
    fs::copy_file(helper, folder / u8"F\u00E4rbe.exe");
    const std::int32_t value =
        shell.ShellExecuteA(0, "open", Utf8(folder / u8"F\u00E4rbe.exe"),
                            "\"" + className + "Ansi\" x 0", Utf8(folder), SW_HIDE);
    EXPECT_GT(value, 32);
    EXPECT_TRUE(CloseWindowOfClass(className + "Ansi"));
}

} // namespace
} // namespace veltrano::win32
