#pragma once

// The window functions of user32 that the system uses to find a running ACT!.

#include <cstdint>
#include <functional>
#include <string>

namespace veltrano::win32 {

using HWND = std::int32_t; // 0 = no window

class User32 {
public:
    virtual ~User32() = default;
    // Calls the callback for every top-level window until it returns false.
    virtual void EnumWindows(const std::function<bool(HWND)>& callback) = 0;
    virtual bool IsWindowVisible(HWND hwnd) = 0;
    virtual bool IsWindow(HWND hwnd) = 0;
    // Copies at most size-1 characters and a NUL into buffer; returns the characters copied.
    virtual int GetClassNameA(HWND hwnd, char* buffer, int size) = 0;
    virtual int GetWindowTextLengthA(HWND hwnd) = 0;
    virtual int GetWindowTextA(HWND hwnd, char* buffer, int size) = 0;
};

} // namespace veltrano::win32
