// veltrano-test-window CLASS CAPTION VISIBLE [EXITCODE]: shows one top-level window of that class
// and caption (hidden when VISIBLE is 0) until it is closed, then ends with EXITCODE (default 0).
// It ends by itself after two minutes, so that a failed test leaves nothing running.

#include <windows.h>

#include <cwchar>
#include <string>

namespace {

int exitCode = 0;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(exitCode);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace

int main() {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (args == nullptr || count < 4) {
        return 2;
    }
    exitCode = count > 4 ? std::wcstol(args[4], nullptr, 10) : 0;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = args[1];
    if (RegisterClassW(&windowClass) == 0) {
        return 3;
    }
    const bool visible = std::wstring(args[3]) != L"0";
    HWND hwnd = CreateWindowExW(
        0, args[1], args[2], WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), CW_USEDEFAULT,
        CW_USEDEFAULT, 200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (hwnd == nullptr) {
        return 4;
    }
    SetTimer(hwnd, 1, 120000, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    LocalFree(args);
    return static_cast<int>(message.wParam);
}
