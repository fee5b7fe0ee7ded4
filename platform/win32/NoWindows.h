#pragma once

#include "platform/win32/User32.h"

namespace veltrano::win32 {

// A desktop without top-level windows: where running ACT! programs cannot be looked for.
class NoWindows final : public User32 {
public:
    void EnumWindows(const std::function<bool(HWND)>&) override {}
    bool IsWindowVisible(HWND) override { return false; }
    bool IsWindow(HWND) override { return false; }
    int GetClassNameA(HWND, char* buffer, int size) override { return Empty(buffer, size); }
    int GetWindowTextLengthA(HWND) override { return 0; }
    int GetWindowTextA(HWND, char* buffer, int size) override { return Empty(buffer, size); }

private:
    static int Empty(char* buffer, int size) {
        if (size > 0) {
            buffer[0] = '\0';
        }
        return 0;
    }
};

} // namespace veltrano::win32
