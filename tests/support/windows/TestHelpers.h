#pragma once

// Small helpers of the Windows tests: UTF-8 paths, whole files, polling, and another program's
// window.

#include "support/FileBytes.h"

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

namespace veltrano::testsupport {

inline std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// Polls until the condition holds; false once the timeout has passed.
inline bool Eventually(const std::function<bool()>& condition,
                       std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= until) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// The visible top-level window of the process with this class and caption (null: any).
inline HWND VisibleWindowOf(DWORD process, const wchar_t* windowClass,
                            const wchar_t* caption = nullptr) {
    for (HWND window = ::FindWindowExW(nullptr, nullptr, windowClass, caption); window != nullptr;
         window = ::FindWindowExW(nullptr, window, windowClass, caption)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == process && ::IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

} // namespace veltrano::testsupport
