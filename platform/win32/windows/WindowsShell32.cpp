#include "platform/win32/windows/WindowsShell32.h"

#include "platform/win32/windows/NativeShell.h"
#include "platform/win32/windows/WideText.h"

namespace veltrano::win32 {

namespace {

std::optional<std::wstring> Wide(const std::optional<std::string>& text) {
    return text ? std::optional<std::wstring>(Widen(*text)) : std::nullopt;
}

} // namespace

std::int32_t WindowsShell32::ShellExecuteA(std::int32_t hwnd,
                                           const std::optional<std::string>& verb,
                                           const std::string& file,
                                           const std::optional<std::string>& parameters,
                                           const std::optional<std::string>& directory, int show) {
    return WideShellExecute(hwnd, Wide(verb), Widen(file), Wide(parameters), Wide(directory), show);
}

bool WindowsShell32::ShellExecuteExA(SHELLEXECUTEINFO& info) {
    const WideLaunchResult result =
        WideShellExecuteEx({info.fMask, info.hwnd, Wide(info.lpVerb), Wide(info.lpFile),
                            Wide(info.lpParameters), Wide(info.lpDirectory), info.nShow});
    info.hInstApp = result.instApp;
    info.hProcess = result.process;
    return result.succeeded;
}

bool WindowsShell32::GetExitCodeProcess(std::int32_t process, std::uint32_t& exitCode) {
    return WideGetExitCodeProcess(process, exitCode);
}

bool WindowsShell32::CloseHandle(std::int32_t handle) {
    return WideCloseHandle(handle);
}

} // namespace veltrano::win32
