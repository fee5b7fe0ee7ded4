#include "platform/win32ui/InputDialog.h"

#include "platform/win32ui/DialogText.h"
#include "platform/win32ui/Resources.h"

namespace veltrano::win32ui {

namespace {

struct InputState {
    std::string_view prompt;
    const std::wstring& title;
    std::string_view defaultText;
    std::optional<std::string> answer;
};

INT_PTR CALLBACK InputProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        const auto& state = *reinterpret_cast<InputState*>(lParam);
        ::SetWindowTextW(dialog, state.title.c_str());
        SetDialogItemText(dialog, IDC_INPUT_PROMPT, state.prompt);
        SetDialogItemText(dialog, IDC_INPUT_TEXT, state.defaultText);
        HWND text = ::GetDlgItem(dialog, IDC_INPUT_TEXT);
        ::SendMessageW(text, EM_SETSEL, 0, -1);
        ::SetFocus(text);
        return FALSE;
    }
    case WM_COMMAND: {
        const int command = LOWORD(wParam);
        if (command != IDOK && command != IDCANCEL) {
            return FALSE;
        }
        auto& state = *reinterpret_cast<InputState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
        if (command == IDOK) {
            state.answer = DialogItemText(dialog, IDC_INPUT_TEXT);
        }
        ::EndDialog(dialog, command);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

} // namespace

std::optional<std::string> ShowInputDialog(HWND owner, std::string_view prompt,
                                           const std::wstring& title,
                                           std::string_view defaultText) {
    InputState state{prompt, title, defaultText, std::nullopt};
    ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_INPUTBOX), owner, InputProc,
                      reinterpret_cast<LPARAM>(&state));
    return state.answer;
}

} // namespace veltrano::win32ui
