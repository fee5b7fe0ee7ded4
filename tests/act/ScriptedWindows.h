#pragma once

// A window list for tests: windows in the order they are enumerated, with the user32 buffer
// rules (at most size-1 characters and a NUL).

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
    int enumerations = 0;

    void EnumWindows(const std::function<bool(win32::HWND)>& callback) override {
        ++enumerations;
        for (const auto& window : windows) {
            if (!callback(window.hwnd)) {
                return;
            }
        }
    }
    bool IsWindowVisible(win32::HWND hwnd) override {
        const auto* window = Find(hwnd);
        return window && window->visible;
    }
    bool IsWindow(win32::HWND hwnd) override {
        const auto* window = Find(hwnd);
        return window && window->alive;
    }
    int GetClassNameA(win32::HWND hwnd, char* buffer, int size) override {
        const auto* window = Find(hwnd);
        return Copy(window ? window->className : std::string(), buffer, size);
    }
    int GetWindowTextLengthA(win32::HWND hwnd) override {
        const auto* window = Find(hwnd);
        return window ? static_cast<int>(window->caption.size()) : 0;
    }
    int GetWindowTextA(win32::HWND hwnd, char* buffer, int size) override {
        const auto* window = Find(hwnd);
        return Copy(window ? window->caption : std::string(), buffer, size);
    }

private:
    const ScriptedWindow* Find(win32::HWND hwnd) const {
        const auto found = std::find_if(windows.begin(), windows.end(),
                                        [&](const ScriptedWindow& w) { return w.hwnd == hwnd; });
        return found == windows.end() ? nullptr : &*found;
    }
    static int Copy(const std::string& text, char* buffer, int size) {
        if (size <= 0) {
            return 0;
        }
        const auto count = std::min(text.size(), static_cast<std::size_t>(size - 1));
        std::memcpy(buffer, text.data(), count);
        buffer[count] = '\0';
        return static_cast<int>(count);
    }
};

} // namespace veltrano::testsupport
