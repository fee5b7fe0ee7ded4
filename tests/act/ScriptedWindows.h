#pragma once

// A window list for tests: windows in the order they are enumerated, with the user32 buffer
// rules (at most size-1 characters and a NUL). An unknown handle reads as a window that is gone.

#include "platform/win32/User32.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace veltrano::testsupport {

struct ScriptedWindow {
    win32::HWND hwnd = 0;
    std::string className;
    std::string caption;
    bool visible = true;
    bool alive = true;
};

class ScriptedWindows final : public win32::User32 {
public:
    std::vector<ScriptedWindow> windows;

    void EnumWindows(const std::function<bool(win32::HWND)>& callback) override {
        for (const auto& window : windows) {
            if (!callback(window.hwnd)) {
                return;
            }
        }
    }
    bool IsWindowVisible(win32::HWND hwnd) override { return Find(hwnd).visible; }
    bool IsWindow(win32::HWND hwnd) override { return Find(hwnd).alive; }
    int GetClassNameA(win32::HWND hwnd, char* buffer, int size) override {
        return Copy(Find(hwnd).className, buffer, size);
    }
    int GetWindowTextLengthA(win32::HWND hwnd) override {
        return static_cast<int>(Find(hwnd).caption.size());
    }
    int GetWindowTextA(win32::HWND hwnd, char* buffer, int size) override {
        return Copy(Find(hwnd).caption, buffer, size);
    }

private:
    ScriptedWindow Find(win32::HWND hwnd) const {
        const auto found = std::find_if(windows.begin(), windows.end(),
                                        [&](const ScriptedWindow& w) { return w.hwnd == hwnd; });
        return found == windows.end() ? ScriptedWindow{0, "", "", false, false} : *found;
    }
    static int Copy(const std::string& text, char* buffer, int size) {
        const auto count = std::min<std::size_t>(text.size(), std::max(size - 1, 0));
        if (size > 0) {
            std::memcpy(buffer, text.data(), count);
            buffer[count] = '\0';
        }
        return static_cast<int>(count);
    }
};

} // namespace veltrano::testsupport
