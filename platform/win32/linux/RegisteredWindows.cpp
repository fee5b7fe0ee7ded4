#include "platform/win32/linux/RegisteredWindows.h"

#include "platform/win32/linux/RegistrationFolder.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace veltrano::win32 {

namespace {

// Copies at most size-1 characters and a NUL, as the user32 calls do.
int CopyText(const std::string& text, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    const std::size_t count = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

} // namespace

void RegisteredWindows::EnumWindows(const std::function<bool(HWND)>& callback) {
    if (!RegistrationFolderExists(registry_.Folder())) {
        return;
    }
    for (const auto& entry : registry_.LiveEntries()) {
        if (!callback(entry.process.pid)) {
            return;
        }
    }
}

bool RegisteredWindows::IsWindowVisible(HWND hwnd) {
    const auto window = Window(hwnd);
    return window && window->visible;
}

bool RegisteredWindows::IsWindow(HWND hwnd) {
    return Window(hwnd).has_value();
}

int RegisteredWindows::GetClassNameA(HWND hwnd, char* buffer, int size) {
    const auto window = Window(hwnd);
    return window ? CopyText(window->className, buffer, size) : 0;
}

int RegisteredWindows::GetWindowTextLengthA(HWND hwnd) {
    const auto window = Window(hwnd);
    if (!window) {
        return 0;
    }
    return static_cast<int>(std::min<std::size_t>(window->caption.size(), INT_MAX));
}

int RegisteredWindows::GetWindowTextA(HWND hwnd, char* buffer, int size) {
    const auto window = Window(hwnd);
    if (!window) {
        if (buffer != nullptr && size > 0) {
            buffer[0] = '\0';
        }
        return 0;
    }
    return CopyText(window->caption, buffer, size);
}

} // namespace veltrano::win32
