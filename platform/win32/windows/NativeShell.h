#pragma once

// ShellExecuteW, ShellExecuteExW, GetExitCodeProcess and CloseHandle over wide strings and
// 32-bit handle values. Kept apart from Shell32.h, whose constants windows.h defines as macros.

#include <cstdint>
#include <optional>
#include <string>

namespace veltrano::win32 {

struct WideLaunch {
    std::uint32_t mask = 0;
    std::int32_t hwnd = 0;
    std::optional<std::wstring> verb;
    std::optional<std::wstring> file;
    std::optional<std::wstring> parameters;
    std::optional<std::wstring> directory;
    int show = 0;
};

struct WideLaunchResult {
    bool succeeded = false;
    std::int32_t instApp = 0; // above 32 on success, else the shell's error value
    std::int32_t process = 0; // with SEE_MASK_NOCLOSEPROCESS, the process handle (or 0)
};

std::int32_t WideShellExecute(std::int32_t hwnd, const std::optional<std::wstring>& verb,
                              const std::wstring& file,
                              const std::optional<std::wstring>& parameters,
                              const std::optional<std::wstring>& directory, int show);
WideLaunchResult WideShellExecuteEx(const WideLaunch& launch);
bool WideGetExitCodeProcess(std::int32_t process, std::uint32_t& exitCode);
bool WideCloseHandle(std::int32_t handle);

} // namespace veltrano::win32
