#pragma once

// The top-level windows of the desktop through user32's W functions; texts are UTF-8, and a
// buffer size counts bytes of UTF-8 where Windows' A functions count bytes of the ANSI code page.

#include "platform/win32/User32.h"

namespace veltrano::win32 {

class WindowsUser32 final : public User32 {
public:
    void EnumWindows(const std::function<bool(HWND)>& callback) override;
    bool IsWindowVisible(HWND hwnd) override;
    bool IsWindow(HWND hwnd) override;
    int GetClassNameA(HWND hwnd, char* buffer, int size) override;
    int GetWindowTextLengthA(HWND hwnd) override;
    int GetWindowTextA(HWND hwnd, char* buffer, int size) override;
};

// Copies at most size-1 bytes of text and a NUL, never cutting a UTF-8 sequence; returns the
// bytes copied (0 and nothing written when size < 1).
int CopyUtf8(const std::string& text, char* buffer, int size);

} // namespace veltrano::win32
