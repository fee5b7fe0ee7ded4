#include "platform/win32ui/ButtonBar.h"

#include "platform/win32/windows/WideText.h"

#include <cwctype>

namespace veltrano::win32ui {

ButtonBar::ButtonBar(HWND parent, int id, controls::Toolbar& toolbar,
                     const controls::ImageList& images)
    : toolbar_(toolbar), images_(images),
      window_(::CreateWindowExW(0, TOOLBARCLASSNAMEW, L"Toolbar",
                                WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP,
                                0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                ::GetModuleHandleW(nullptr), nullptr)) {
    ::SendMessageW(window_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    // Captions keep their '&': the toolbar underlines the access key.
    ::SendMessageW(window_, TB_SETDRAWTEXTFLAGS, DT_NOPREFIX | DT_HIDEPREFIX, 0);
    toolbar_.SetListener(this);
    ButtonsReset();
    ::EnableWindow(window_, toolbar_.Enabled());
}

ButtonBar::~ButtonBar() {
    toolbar_.SetListener(nullptr);
}

void ButtonBar::SetImages(HIMAGELIST images) {
    ::SendMessageW(window_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    ButtonsReset();
}

int ButtonBar::Height() const {
    RECT rect{};
    ::GetWindowRect(window_, &rect);
    return rect.bottom - rect.top;
}

std::optional<std::string> ButtonBar::KeyOfCommand(int command) const {
    const int index = command - kFirstCommand + 1;
    if (index < 1 || index > toolbar_.Count()) {
        return std::nullopt;
    }
    return toolbar_.At(index).key;
}

std::optional<std::string> ButtonBar::KeyOfAccessKey(wchar_t character) const {
    if (!toolbar_.Enabled()) {
        return std::nullopt;
    }
    for (std::int32_t index = 1; index <= toolbar_.Count(); ++index) {
        const controls::Toolbar::Button& button = toolbar_.At(index);
        const char key = controls::AccessKeyOf(button.caption);
        if (key != '\0' && button.enabled &&
            std::towlower(static_cast<wint_t>(static_cast<unsigned char>(key))) ==
                std::towlower(static_cast<wint_t>(character))) {
            return button.key;
        }
    }
    return std::nullopt;
}

void ButtonBar::ButtonsReset() {
    while (::SendMessageW(window_, TB_BUTTONCOUNT, 0, 0) > 0) {
        ::SendMessageW(window_, TB_DELETEBUTTON, 0, 0);
    }
    for (std::int32_t index = 1; index <= toolbar_.Count(); ++index) {
        const controls::Toolbar::Button& button = toolbar_.At(index);
        std::wstring caption = win32::Widen(button.caption);
        caption.push_back(L'\0');
        TBBUTTON added{};
        added.iBitmap = images_.IndexOf(button.image);
        if (added.iBitmap < 0) {
            added.iBitmap = I_IMAGENONE;
        }
        added.idCommand = kFirstCommand + index - 1;
        added.fsState = button.enabled ? TBSTATE_ENABLED : 0;
        added.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
        added.iString = reinterpret_cast<INT_PTR>(caption.c_str());
        ::SendMessageW(window_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&added));
    }
    ::SendMessageW(window_, TB_AUTOSIZE, 0, 0);
}

void ButtonBar::ButtonChanged(std::int32_t index) {
    const controls::Toolbar::Button& button = toolbar_.At(index);
    ::SendMessageW(window_, TB_ENABLEBUTTON, static_cast<WPARAM>(kFirstCommand + index - 1),
                   MAKELPARAM(button.enabled ? TRUE : FALSE, 0));
}

void ButtonBar::EnabledChanged(bool enabled) {
    ::EnableWindow(window_, enabled ? TRUE : FALSE);
}

} // namespace veltrano::win32ui
