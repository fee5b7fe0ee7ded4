#include "act/modACTHandle.h"

#include "base/AsciiCase.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace veltrano::act::modACTHandle {

namespace {

constexpr int kClassBufferSize = 256;
constexpr std::size_t kCaptionSearched = 50;
// Captions are read no further than this; only their first 50 characters count anyway.
constexpr std::int64_t kCaptionReadLimit = 65536;

// The values of one search.
struct TopWindowSearch {
    std::string classPattern;
    std::string captionPattern;
    win32::HWND found = 0;
};

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void EnumTopWindowsProc(win32::User32& user32, win32::HWND hwnd, TopWindowSearch& search) {
    if (!user32.IsWindowVisible(hwnd)) {
        return;
    }
    if (GetWindowClassLower(user32, hwnd).find(search.classPattern) == std::string::npos) {
        return;
    }
    if (search.captionPattern == "*" ||
        GetWindowCaption(user32, hwnd).find(search.captionPattern) != std::string::npos) {
        search.found = hwnd;
    }
}

} // namespace

std::string GetWindowClassLower(win32::User32& user32, win32::HWND hwnd) {
    std::array<char, kClassBufferSize> buffer{};
    const int copied = user32.GetClassNameA(hwnd, buffer.data(), kClassBufferSize);
    const auto count = static_cast<std::size_t>(std::clamp(copied, 0, kClassBufferSize - 1));
    std::string name(buffer.data(), count);
    std::transform(name.begin(), name.end(), name.begin(), base::LowerAscii);
    return name;
}

std::string GetWindowCaption(win32::User32& user32, win32::HWND hwnd) {
    if (!user32.IsWindow(hwnd)) {
        return "";
    }
    const std::int64_t length = std::min<std::int64_t>(
        std::int64_t{user32.GetWindowTextLengthA(hwnd)} + 1, kCaptionReadLimit);
    if (length <= 1) {
        return "NoText";
    }
    // One character more than the call may fill: the text is followed by NULs, so trimming
    // takes blanks from its front only.
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    user32.GetWindowTextA(hwnd, buffer.data(), static_cast<int>(length));
    std::string caption = TrimBlanks(std::string(buffer.data(), buffer.size()));
    caption.resize(std::min(caption.size(), kCaptionSearched));
    return caption.substr(0, caption.find('\0'));
}

win32::HWND FindTopWindow(win32::User32& user32, const std::string& classPattern,
                          const std::string& captionPattern) {
    TopWindowSearch search{classPattern, captionPattern, 0};
    user32.EnumWindows([&](win32::HWND hwnd) {
        EnumTopWindowsProc(user32, hwnd, search);
        return true;
    });
    return search.found;
}

} // namespace veltrano::act::modACTHandle
