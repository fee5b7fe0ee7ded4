#include "platform/win32ui/Dpi.h"

namespace veltrano::win32ui {

namespace {

// Looked up at run time: the functions are missing before Windows 10.
template <class Function> Function User32Function(const char* name) noexcept {
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 == nullptr ? nullptr
                             : reinterpret_cast<Function>(
                                   reinterpret_cast<void*>(::GetProcAddress(user32, name)));
}

} // namespace

void BecomeDpiAware() noexcept {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    if (auto set = User32Function<SetContext>("SetProcessDpiAwarenessContext")) {
        // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2; fails harmlessly when the manifest set it.
        set(reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4)));
        return;
    }
    using SetAware = BOOL(WINAPI*)();
    if (auto set = User32Function<SetAware>("SetProcessDPIAware")) {
        set();
    }
}

int SystemDpi() noexcept {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr) {
        ::ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : 96;
}

int WindowDpi(HWND window) noexcept {
    using GetDpi = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpi>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    return SystemDpi();
}

} // namespace veltrano::win32ui
