#include "platform/win32ui/LoginDialog.h"

#include "platform/win32ui/DialogText.h"
#include "platform/win32ui/Resources.h"

namespace veltrano::win32ui {

namespace {

INT_PTR CALLBACK LoginProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        const auto& state = *reinterpret_cast<forms::LoginFormState*>(lParam);
        SetDialogItemText(dialog, IDC_LOGIN_NAME, state.Username);
        SetDialogItemText(dialog, IDC_LOGIN_PASSWORD, state.Userpassword);
        ::SetFocus(::GetDlgItem(dialog, IDC_LOGIN_NAME));
        return FALSE; // the focus is set
    }
    case WM_COMMAND: {
        const int command = LOWORD(wParam);
        if (command != IDOK && command != IDCANCEL) {
            return FALSE;
        }
        auto& state =
            *reinterpret_cast<forms::LoginFormState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
        state.Username = DialogItemText(dialog, IDC_LOGIN_NAME);
        state.Userpassword = DialogItemText(dialog, IDC_LOGIN_PASSWORD);
        state.Tag = LoginTagOf(command);
        ::EndDialog(dialog, command);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

} // namespace

std::string LoginTagOf(int command) {
    return command == IDOK ? std::string(kLoginConfirmedTag) : std::string();
}

void ShowLoginDialog(HWND owner, forms::LoginFormState& state) {
    const INT_PTR result =
        ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_LOGIN), owner,
                          LoginProc, reinterpret_cast<LPARAM>(&state));
    if (result <= 0) {
        state.Tag.clear(); // no dialog: the same as a cancelled one
    }
}

} // namespace veltrano::win32ui
