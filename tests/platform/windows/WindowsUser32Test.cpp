// The window list over real top-level windows of helper processes, read through the window
// search of the system. The search for ACT!'s window over these calls, visible ones only:
// veltrano-cli finds the running stand-in with it in WindowsProgramsTest.

#include "platform/win32/windows/WindowsUser32.h"
#include "support/windows/ChildProcess.h"
#include "support/windows/TestHelpers.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace veltrano::win32 {
namespace {

using testsupport::HelperProcess;
using testsupport::ProgramFolder;

const std::string kClass = "VeltranoTestFrame" + std::to_string(::GetCurrentProcessId());
const std::string kCaption = "ACT! - B\xC3\xBCr\xC3\xB6 Sales \xE2\x82\xAC";

TEST(WindowsUser32Test, ReadsAnotherProcesssWindowsUntilTheyClose) {
    WindowsUser32 user32;
    HelperProcess shown(ProgramFolder() / "veltrano-test-window.exe", {kClass, kCaption, "1", "7"});
    // Found by class and by the non-ASCII caption as read through the calls.
    HWND visible = 0;
    testsupport::Eventually(
        [&] {
            user32.EnumWindows([&](HWND hwnd) {
                char name[256];
                std::vector<char> text(static_cast<std::size_t>(user32.GetWindowTextLengthA(hwnd)) +
                                       1);
                user32.GetClassNameA(hwnd, name, sizeof name);
                user32.GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
                if (name == kClass && text.data() == kCaption) {
                    visible = hwnd;
                }
                return visible == 0;
            });
            return visible != 0;
        },
        std::chrono::seconds(20));
    ASSERT_NE(visible, 0);

    EXPECT_TRUE(user32.IsWindow(visible));
    EXPECT_EQ(user32.GetWindowTextLengthA(visible), static_cast<int>(kCaption.size()));

    ::PostMessageW(reinterpret_cast<::HWND>(static_cast<INT_PTR>(visible)), WM_CLOSE, 0, 0);
    EXPECT_EQ(shown.WaitExit(std::chrono::seconds(20)), 7ul);
    EXPECT_FALSE(user32.IsWindow(visible));
}

} // namespace
} // namespace veltrano::win32
