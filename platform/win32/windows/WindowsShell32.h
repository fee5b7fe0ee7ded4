#pragma once

// The shell of Windows: ShellExecuteW and ShellExecuteExW with the texts in UTF-16, results as
// Windows gives them (above 32 success; 2, 3, 5, 31 ... failure), process handles that the
// caller closes.

#include "platform/win32/Shell32.h"

namespace veltrano::win32 {

class WindowsShell32 final : public Shell32 {
public:
    std::int32_t ShellExecuteA(std::int32_t hwnd, const std::optional<std::string>& verb,
                               const std::string& file,
                               const std::optional<std::string>& parameters,
                               const std::optional<std::string>& directory, int show) override;
    bool ShellExecuteExA(SHELLEXECUTEINFO& info) override;
    bool GetExitCodeProcess(std::int32_t process, std::uint32_t& exitCode) override;
    bool CloseHandle(std::int32_t handle) override;
};

} // namespace veltrano::win32
