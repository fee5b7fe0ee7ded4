#include "platform/win32/windows/WindowsUser32.h"

#include "platform/win32/windows/WideText.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace veltrano::win32 {

namespace {

// Window handles are 32-bit values on 64-bit Windows too, so that 32- and 64-bit programs can
// hand them to each other.
::HWND Native(HWND hwnd) {
    return reinterpret_cast<::HWND>(static_cast<std::intptr_t>(hwnd));
}

HWND Ours(::HWND hwnd) {
    return static_cast<HWND>(reinterpret_cast<std::intptr_t>(hwnd));
}

std::string ClassNameOf(HWND hwnd) {
    wchar_t name[257] = {}; // class names have at most 256 characters
    const int length = ::GetClassNameW(Native(hwnd), name, 257);
    return length > 0 ? Narrow(std::wstring_view(name, static_cast<std::size_t>(length)))
                      : std::string();
}

std::string CaptionOf(HWND hwnd) {
    const int length = ::GetWindowTextLengthW(Native(hwnd));
    if (length <= 0) {
        return {};
    }
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(Native(hwnd), text.data(), length + 1);
    return Narrow(
        std::wstring_view(text.data(), static_cast<std::size_t>(copied > 0 ? copied : 0)));
}

struct Enumeration {
    const std::function<bool(HWND)>& callback;
};

BOOL CALLBACK EnumProc(::HWND hwnd, LPARAM data) {
    auto* enumeration = reinterpret_cast<Enumeration*>(data);
    return enumeration->callback(Ours(hwnd)) ? TRUE : FALSE;
}

} // namespace

int CopyUtf8(const std::string& text, char* buffer, int size) {
    if (size < 1) {
        return 0;
    }
    std::size_t count = std::min(text.size(), static_cast<std::size_t>(size - 1));
    // Back off over continuation bytes so that no character is cut in half.
    if (count < text.size()) {
        while (count > 0 && (static_cast<unsigned char>(text[count]) & 0xC0) == 0x80) {
            --count;
        }
    }
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

void WindowsUser32::EnumWindows(const std::function<bool(HWND)>& callback) {
    Enumeration enumeration{callback};
    ::EnumWindows(EnumProc, reinterpret_cast<LPARAM>(&enumeration));
}

bool WindowsUser32::IsWindowVisible(HWND hwnd) {
    return ::IsWindowVisible(Native(hwnd)) != FALSE;
}

bool WindowsUser32::IsWindow(HWND hwnd) {
    return hwnd != 0 && ::IsWindow(Native(hwnd)) != FALSE;
}

int WindowsUser32::GetClassNameA(HWND hwnd, char* buffer, int size) {
    return CopyUtf8(ClassNameOf(hwnd), buffer, size);
}

int WindowsUser32::GetWindowTextLengthA(HWND hwnd) {
    return static_cast<int>(CaptionOf(hwnd).size());
}

int WindowsUser32::GetWindowTextA(HWND hwnd, char* buffer, int size) {
    return CopyUtf8(CaptionOf(hwnd), buffer, size);
}

} // namespace veltrano::win32
