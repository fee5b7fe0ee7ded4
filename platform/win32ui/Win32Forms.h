#pragma once

// The forms runtime on user32: message boxes (MessageBoxW with the styles as given), the input
// box and the login and about forms from the resources, event runs, the clipboard as
// CF_UNICODETEXT, the settings store, the mouse pointer, focus by control name and the open
// and save dialog of comdlg32.

#include "platform/forms/FormsRuntime.h"
#include "platform/forms/SettingsStore.h"
#include "platform/win32/Shell32.h"

#include <windows.h>

#include <map>
#include <string>

namespace veltrano::win32ui {

// The runtime's number for a clipboard that cannot be opened.
inline constexpr int kCannotOpenClipboard = 521;

class Win32Forms final : public forms::FormsRuntime {
public:
    Win32Forms(forms::SettingsStore& settings, win32::Shell32& shell);

    // The window that owns the dialogs; the named controls take the focus on request.
    void SetMainWindow(HWND window) noexcept { window_ = window; }
    HWND MainWindow() const noexcept { return window_; }
    void SetControl(const std::string& name, HWND control) { controls_[name] = control; }

    int MsgBox(std::string_view text, int style = forms::vbOKOnly,
               std::string_view title = {}) override;
    std::string InputBox(std::string_view prompt, std::string_view title = {},
                         std::string_view defaultText = {}) override;
    void DoEvents() override;

    void ClipboardClear() override;
    void ClipboardSetText(std::string_view text) override;

    std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view defaultValue = {}) override;
    void SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view value) override;

    forms::AppVersion Version() const override;
    void SetMousePointer(int pointer) override;
    int MousePointer() const override { return pointer_; }
    // The cursor of the pointer; null for the default (each window's own).
    HCURSOR PointerCursor() const noexcept;
    void SetFocus(std::string_view control) override;

    void ShowLoginModal(forms::LoginFormState& state) override;
    void ShowAboutModal() override;
    forms::FileDialogAnswer ShowFileDialog(const forms::FileDialogRequest& request) override;

private:
    forms::SettingsStore& settings_;
    win32::Shell32& shell_;
    HWND window_ = nullptr;
    std::map<std::string, HWND, std::less<>> controls_;
    int pointer_ = forms::vbDefault;
};

// The title a box shows: its own or the application's.
std::wstring TitleOr(std::string_view title);

// Runs the message loop's work for one message of the thread: translate and dispatch. False
// when the message is the quit message, which is then posted again for the main loop.
bool DispatchPending();

} // namespace veltrano::win32ui
