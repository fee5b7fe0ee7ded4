// The dialogs from the resources, driven like a user would: a second thread finds the dialog of
// this process, reads and types its texts and presses its buttons. Needs a display.

// The core's headers come before windows.h, whose macros share names with their constants.
#include "platform/forms/MemorySettingsStore.h"
#include "support/NullPlatform.h"

#include "platform/win32ui/LoginDialog.h"
#include "platform/win32ui/Resources.h"
#include "platform/win32ui/Win32Forms.h"
#include "support/windows/TestHelpers.h"

#include <gtest/gtest.h>

#include <functional>
#include <future>

namespace veltrano::win32ui {
namespace {

// Waits for this process's dialog with the caption, then runs the user's steps on it.
std::future<bool> WhenShown(const wchar_t* caption, std::function<void(HWND)> steps) {
    return std::async(std::launch::async, [caption, steps = std::move(steps)] {
        HWND dialog = nullptr;
        const bool shown = testsupport::Eventually([&] {
            return (dialog = testsupport::VisibleWindowOf(::GetCurrentProcessId(), L"#32770",
                                                          caption)) != nullptr;
        });
        if (shown) {
            steps(dialog);
        }
        return shown;
    });
}

void Press(HWND dialog, int button) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
}

std::wstring TextOf(HWND dialog, int id) {
    wchar_t text[256] = {};
    ::GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

TEST(LoginDialogTest, ShowsItsTextsAndTheTagIsOkOnlyAfterOk) {
    // Each control's text, 0 standing for the caption.
    const std::vector<std::pair<int, std::wstring>> expected = {
        {0, L"ACT! login"},
        {IDC_LOGIN_FRAME, L"User data"},
        {IDC_LOGIN_NAME_LABEL, L"&Name"},
        {IDC_LOGIN_PASSWORD_LABEL, L"&Password"},
        {IDOK, L"&OK"},
        {IDCANCEL, L"A&bbort"},
        {IDC_LOGIN_NAME, L"Chris Miller"},
        {IDC_LOGIN_PASSWORD, L"sales"}};
    struct Case {
        const char* how;
        std::function<void(HWND)> close;
        std::string tag;
    };
    const Case cases[] = {
        {"OK", [](HWND d) { Press(d, IDOK); }, "ok"},
        {"Abbort", [](HWND d) { Press(d, IDCANCEL); }, ""},
    };
    for (const Case& c : cases) {
        forms::LoginFormState state{"Chris Miller", "sales", "stale"};
        std::vector<std::pair<int, std::wstring>> texts;
        bool tabOrder = true;
        auto shown = WhenShown(L"ACT! login", [&](HWND dialog) {
            wchar_t caption[64] = {};
            ::GetWindowTextW(dialog, caption, 64);
            for (const auto& [id, text] : expected) {
                texts.emplace_back(id, id == 0 ? caption : TextOf(dialog, id));
            }
            const int order[] = {IDC_LOGIN_NAME, IDC_LOGIN_PASSWORD, IDOK, IDCANCEL};
            for (int i = 0; i + 1 < 4; ++i) {
                tabOrder = tabOrder &&
                           ::GetNextDlgTabItem(dialog, ::GetDlgItem(dialog, order[i]), FALSE) ==
                               ::GetDlgItem(dialog, order[i + 1]);
            }
            ::SetDlgItemTextW(dialog, IDC_LOGIN_NAME, L"  J\u00FCrgen ");
            ::SetDlgItemTextW(dialog, IDC_LOGIN_PASSWORD, L"p w");
            c.close(dialog);
        });
        ShowLoginDialog(nullptr, state);
        ASSERT_TRUE(shown.get()) << c.how;
        EXPECT_EQ(texts, expected) << c.how;
        EXPECT_TRUE(tabOrder) << c.how;
        EXPECT_EQ(state.Tag, c.tag) << c.how;
        EXPECT_EQ(state.Username, "  J\xC3\xBCrgen ") << c.how;
        EXPECT_EQ(state.Userpassword, "p w") << c.how;
    }
}

class FormsTest : public ::testing::Test {
protected:
    forms::MemorySettingsStore settings;
    testsupport::NoShell shell;
    Win32Forms forms{settings, shell};
};

TEST_F(FormsTest, InputBoxGivesTheAnswerOrEmptyOnCancel) {
    std::wstring prompt, shownDefault;
    auto shown = WhenShown(L"Veltrano", [&](HWND dialog) {
        prompt = TextOf(dialog, IDC_INPUT_PROMPT);
        shownDefault = TextOf(dialog, IDC_INPUT_TEXT);
        ::SetDlgItemTextW(dialog, IDC_INPUT_TEXT, L"c:\\old");
        Press(dialog, IDOK);
    });
    EXPECT_EQ(forms.InputBox("Suche nach:", "", "last"), "c:\\old");
    ASSERT_TRUE(shown.get());
    EXPECT_EQ(prompt, L"Suche nach:");
    EXPECT_EQ(shownDefault, L"last");

    auto cancelled = WhenShown(L"Own title", [](HWND dialog) { Press(dialog, IDCANCEL); });
    EXPECT_EQ(forms.InputBox("Ersetze durch", "Own title", "x"), "");
    ASSERT_TRUE(cancelled.get());
}

TEST_F(FormsTest, MsgBoxPassesTheStyleAndGivesTheAnswer) {
    LONG_PTR noStyle = 0;
    auto shown = WhenShown(L"Veltrano", [&](HWND box) {
        noStyle = ::GetWindowLongPtrW(::GetDlgItem(box, IDNO), GWL_STYLE);
        ::PostMessageW(box, WM_COMMAND, IDNO, 0);
    });
    EXPECT_EQ(
        forms.MsgBox("Discard?", forms::vbYesNo | forms::vbQuestion | forms::vbDefaultButton2),
        forms::vbNo);
    ASSERT_TRUE(shown.get());
    EXPECT_EQ(noStyle & 0x0F, BS_DEFPUSHBUTTON);
}

TEST_F(FormsTest, ClipboardHoldsTheTextAsUnicode) {
    const std::string text = "Name\tID\t\r\nJ\xC3\xBCrgen\t   25\t\r\n";
    forms.ClipboardClear();
    forms.ClipboardSetText(text);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    std::wstring read = data != nullptr ? static_cast<const wchar_t*>(::GlobalLock(data)) : L"";
    if (data != nullptr) {
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    EXPECT_EQ(read, L"Name\tID\t\r\nJ\u00FCrgen\t   25\t\r\n");
}

} // namespace
} // namespace veltrano::win32ui
