#include "platform/win32/windows/NativeShell.h"

#include <windows.h>

#include <shellapi.h>

namespace veltrano::win32 {

namespace {

// Window and kernel handles carry 32 significant bits on 64-bit Windows too.
HANDLE HandleOf(std::int32_t value) {
    return reinterpret_cast<HANDLE>(static_cast<INT_PTR>(value));
}

std::int32_t ValueOf(const void* handle) {
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(handle));
}

const wchar_t* OrNull(const std::optional<std::wstring>& text) {
    return text ? text->c_str() : nullptr;
}

// The shell's error value for a failure that left hInstApp without one.
std::int32_t ShellValueOfError(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        return SE_ERR_FNF;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY:
        return SE_ERR_PNF;
    case ERROR_ACCESS_DENIED:
        return SE_ERR_ACCESSDENIED;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return SE_ERR_OOM;
    case ERROR_BAD_FORMAT:
    case ERROR_BAD_EXE_FORMAT:
        return ERROR_BAD_FORMAT;
    default:
        return SE_ERR_NOASSOC;
    }
}

} // namespace

std::int32_t WideShellExecute(std::int32_t hwnd, const std::optional<std::wstring>& verb,
                              const std::wstring& file,
                              const std::optional<std::wstring>& parameters,
                              const std::optional<std::wstring>& directory, int show) {
    const HINSTANCE result =
        ::ShellExecuteW(reinterpret_cast<HWND>(HandleOf(hwnd)), OrNull(verb), file.c_str(),
                        OrNull(parameters), OrNull(directory), show);
    return ValueOf(result);
}

WideLaunchResult WideShellExecuteEx(const WideLaunch& launch) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = launch.mask;
    info.hwnd = reinterpret_cast<HWND>(HandleOf(launch.hwnd));
    info.lpVerb = OrNull(launch.verb);
    info.lpFile = OrNull(launch.file);
    info.lpParameters = OrNull(launch.parameters);
    info.lpDirectory = OrNull(launch.directory);
    info.nShow = launch.show;

    WideLaunchResult result;
    result.succeeded = ::ShellExecuteExW(&info) != FALSE;
    const DWORD error = result.succeeded ? ERROR_SUCCESS : ::GetLastError();
    result.instApp = ValueOf(info.hInstApp);
    if (!result.succeeded && (result.instApp <= 0 || result.instApp > 32)) {
        result.instApp = ShellValueOfError(error);
    }
    result.process = ValueOf(info.hProcess);
    return result;
}

bool WideGetExitCodeProcess(std::int32_t process, std::uint32_t& exitCode) {
    DWORD code = 0;
    if (::GetExitCodeProcess(HandleOf(process), &code) == FALSE) {
        return false;
    }
    exitCode = code;
    return true;
}

bool WideCloseHandle(std::int32_t handle) {
    return handle != 0 && ::CloseHandle(HandleOf(handle)) != FALSE;
}

} // namespace veltrano::win32
