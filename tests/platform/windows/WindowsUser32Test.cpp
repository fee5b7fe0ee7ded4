// The window list over real top-level windows of helper processes, read through the window
// search of the system.

#include "platform/win32/windows/WindowsUser32.h"
#include "act/modACTHandle.h"
#include "support/windows/ChildProcess.h"
#include "support/windows/TestHelpers.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>

namespace veltrano::win32 {
namespace {

using testsupport::HelperProcess;
using testsupport::ProgramFolder;

const std::string kClass = "VeltranoTestFrame" + std::to_string(::GetCurrentProcessId());
const std::string kCaption = "ACT! - B\xC3\xBCr\xC3\xB6 Sales \xE2\x82\xAC";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

class WindowsUser32Test : public ::testing::Test {
protected:
    // The first window of that class and caption, waiting for its program to show it.
    HWND WaitForWindow(const std::string& className, const std::string& caption) {
        HWND found = 0;
        testsupport::Eventually(
            [&] {
                user32.EnumWindows([&](HWND hwnd) {
                    char name[256];
                    std::vector<char> text(
                        static_cast<std::size_t>(user32.GetWindowTextLengthA(hwnd)) + 1);
                    user32.GetClassNameA(hwnd, name, sizeof name);
                    user32.GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
                    if (name == className && text.data() == caption) {
                        found = hwnd;
                    }
                    return found == 0;
                });
                return found != 0;
            },
            std::chrono::seconds(20));
        return found;
    }

    const std::filesystem::path helper = ProgramFolder() / "veltrano-test-window.exe";
    WindowsUser32 user32;
};

TEST_F(WindowsUser32Test, ReadsAnotherProcesssWindowsUntilTheyClose) {
    HelperProcess shown(helper, {kClass, kCaption, "1", "7"});
    // Found by class and by the non-ASCII caption as read through the calls.
    const HWND visible = WaitForWindow(kClass, kCaption);
    ASSERT_NE(visible, 0);

    EXPECT_TRUE(user32.IsWindow(visible));
    // WS_VISIBLE takes effect after the window exists: another process may find it in between.
    EXPECT_TRUE(testsupport::Eventually([&] { return user32.IsWindowVisible(visible); }));
    EXPECT_EQ(user32.GetWindowTextLengthA(visible), static_cast<int>(kCaption.size()));
    // The window search over these calls (its rules: modACTHandleTest).
    EXPECT_EQ(act::modACTHandle::FindTopWindow(user32, Lower(kClass), "B\xC3\xBCr\xC3\xB6"),
              visible);

    ::PostMessageW(reinterpret_cast<::HWND>(static_cast<INT_PTR>(visible)), WM_CLOSE, 0, 0);
    EXPECT_EQ(shown.WaitExit(std::chrono::seconds(20)), 7ul);
    EXPECT_FALSE(user32.IsWindow(visible));
    char name[16] = "x";
    EXPECT_EQ(user32.GetClassNameA(visible, name, sizeof name), 0);
    EXPECT_STREQ(name, "");
}

} // namespace
} // namespace veltrano::win32
