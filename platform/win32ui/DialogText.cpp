#include "platform/win32ui/DialogText.h"

#include "platform/win32/windows/WideText.h"

namespace veltrano::win32ui {

std::string DialogItemText(HWND dialog, int id) {
    HWND control = ::GetDlgItem(dialog, id);
    const int length = ::GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return win32::Narrow(text);
}

void SetDialogItemText(HWND dialog, int id, std::string_view text) {
    ::SetDlgItemTextW(dialog, id, win32::Widen(text).c_str());
}

} // namespace veltrano::win32ui
