#include "platform/win32ui/Win32Forms.h"

#include "base/Error.h"
#include "platform/win32/windows/NativeDialogs.h"
#include "platform/win32/windows/WideText.h"
#include "platform/win32ui/AboutDialog.h"
#include "platform/win32ui/InputDialog.h"
#include "platform/win32ui/LoginDialog.h"

#include <commdlg.h>

#include <cstring>

namespace veltrano::win32ui {

namespace {

// Opens the clipboard for the scope; the runtime's error when another program holds it.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) {
        // Another program may hold it for a moment.
        for (int attempt = 0; attempt < 10; ++attempt) {
            if (::OpenClipboard(owner)) {
                return;
            }
            ::Sleep(20);
        }
        throw base::Error(kCannotOpenClipboard, "Can't open Clipboard");
    }
    ~OpenClipboardScope() { ::CloseClipboard(); }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
};

// The shown pointer keeps the arrow over a box while the window is busy.
class ArrowWhileShown {
public:
    ArrowWhileShown() : previous_(::SetCursor(::LoadCursorW(nullptr, IDC_ARROW))) {}
    ~ArrowWhileShown() { ::SetCursor(previous_); }
    ArrowWhileShown(const ArrowWhileShown&) = delete;
    ArrowWhileShown& operator=(const ArrowWhileShown&) = delete;

private:
    HCURSOR previous_;
};

std::wstring FilterText(const forms::FileDialogRequest& request) {
    std::wstring filter;
    for (const auto& [description, pattern] : request.filters) {
        filter += win32::Widen(description);
        filter.push_back(L'\0');
        filter += win32::Widen(pattern);
        filter.push_back(L'\0');
    }
    filter.push_back(L'\0');
    return filter;
}

} // namespace

std::wstring TitleOr(std::string_view title) {
    return win32::Widen(title.empty() ? forms::kAppTitle : title);
}

bool DispatchPending() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return true;
}

Win32Forms::Win32Forms(forms::SettingsStore& settings, win32::Shell32& shell)
    : settings_(settings), shell_(shell) {}

int Win32Forms::MsgBox(std::string_view text, int style, std::string_view title) {
    const ArrowWhileShown arrow;
    // The styles and answers of the runtime are those of MessageBox.
    return ::MessageBoxW(window_, win32::Widen(text).c_str(), TitleOr(title).c_str(),
                         static_cast<UINT>(style));
}

std::string Win32Forms::InputBox(std::string_view prompt, std::string_view title,
                                 std::string_view defaultText) {
    const ArrowWhileShown arrow;
    return ShowInputDialog(window_, prompt, TitleOr(title), defaultText).value_or(std::string());
}

void Win32Forms::DoEvents() {
    DispatchPending();
}

void Win32Forms::ClipboardClear() {
    const OpenClipboardScope open(window_);
    ::EmptyClipboard();
}

void Win32Forms::ClipboardSetText(std::string_view text) {
    const std::wstring wide = win32::Widen(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) {
        throw base::Error(base::errors::kOutOfMemory, "Out of memory");
    }
    std::memcpy(::GlobalLock(memory), wide.c_str(), bytes);
    ::GlobalUnlock(memory);
    const OpenClipboardScope open(window_);
    ::EmptyClipboard();
    if (::SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        ::GlobalFree(memory); // still ours: the clipboard did not take it
        throw base::Error(kCannotOpenClipboard, "Can't open Clipboard");
    }
}

std::string Win32Forms::GetSetting(std::string_view app, std::string_view section,
                                   std::string_view key, std::string_view defaultValue) {
    return settings_.Get(app, section, key, defaultValue);
}

void Win32Forms::SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                             std::string_view value) {
    settings_.Save(app, section, key, value);
}

forms::AppVersion Win32Forms::Version() const {
    return forms::BuildVersion();
}

HCURSOR Win32Forms::PointerCursor() const noexcept {
    switch (pointer_) {
    case forms::vbHourglass:
        return ::LoadCursorW(nullptr, IDC_WAIT);
    case forms::vbUpArrow:
        return ::LoadCursorW(nullptr, IDC_UPARROW);
    default:
        return nullptr;
    }
}

void Win32Forms::SetMousePointer(int pointer) {
    pointer_ = pointer;
    // Shown at once; the window keeps it while the mouse moves (WM_SETCURSOR).
    HCURSOR cursor = PointerCursor();
    ::SetCursor(cursor != nullptr ? cursor : ::LoadCursorW(nullptr, IDC_ARROW));
}

void Win32Forms::SetFocus(std::string_view control) {
    if (const auto found = controls_.find(control); found != controls_.end()) {
        ::SetFocus(found->second);
    }
}

void Win32Forms::ShowLoginModal(forms::LoginFormState& state) {
    const ArrowWhileShown arrow;
    ShowLoginDialog(window_, state);
}

void Win32Forms::ShowAboutModal() {
    ShowAboutDialog(window_, *this, shell_);
}

forms::FileDialogAnswer Win32Forms::ShowFileDialog(const forms::FileDialogRequest& request) {
    const ArrowWhileShown arrow;
    win32::WideFileDialog dialog;
    dialog.size = win32::RecordSize::Full;
    dialog.owner = static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(window_));
    dialog.filter = FilterText(request);
    dialog.filterIndex = static_cast<std::uint32_t>(request.filterIndex);
    dialog.file = win32::Widen(request.initialName);
    dialog.file.resize(32768, L'\0');
    dialog.initialDir = win32::Widen(request.initialDir);
    dialog.title = win32::Widen(request.title);
    dialog.flags = OFN_EXPLORER | OFN_HIDEREADONLY |
                   (request.fileMustExist ? OFN_FILEMUSTEXIST : 0U) |
                   (request.multiSelect ? OFN_ALLOWMULTISELECT : 0U);
    std::wstring ext = win32::Widen(request.defaultExt);
    if (!ext.empty() && ext.front() == L'.') {
        ext.erase(0, 1);
    }
    dialog.defExt = ext;
    if (win32::ShowWideFileDialog(dialog, request.open).value == 0) {
        return std::nullopt;
    }
    // One path, or the folder and the names between NULs.
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    while (start < dialog.file.size() && dialog.file[start] != L'\0') {
        const std::size_t end = dialog.file.find(L'\0', start);
        parts.push_back(dialog.file.substr(start, end - start));
        start = end + 1;
    }
    std::vector<std::string> paths;
    if (parts.size() == 1) {
        paths.push_back(win32::Narrow(parts.front()));
    } else {
        for (std::size_t i = 1; i < parts.size(); ++i) {
            paths.push_back(win32::Narrow(parts.front() + L"\\" + parts[i]));
        }
    }
    return paths;
}

} // namespace veltrano::win32ui
