#pragma once

// The shell calls on Linux: documents, folders and addresses go to the desktop's opener
// (xdg-open), programs start directly; results follow the Windows values (above 32 success,
// 2 file not found, 3 path not found, 5 access denied, 31 no association).

#include "platform/win32/Shell32.h"
#include "platform/win32/linux/ProcessTable.h"

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>

namespace veltrano::win32 {

inline constexpr std::int32_t kShellSuccess = 42;
inline constexpr std::int32_t SE_ERR_OOM = 8;
inline constexpr std::int32_t ERROR_BAD_FORMAT = 11;

class LinuxShell32 final : public Shell32 {
public:
    struct Options {
        // The opener, looked up in PATH when it has no '/'.
        std::string opener = "xdg-open";
        // How long to wait for the opener's verdict. Openers that stay with the application
        // they started are taken as successful after this time.
        std::chrono::milliseconds openerWait{1000};
    };

    LinuxShell32() : LinuxShell32(Options{}) {}
    explicit LinuxShell32(Options options) : options_(std::move(options)) {}

    std::int32_t ShellExecuteA(std::int32_t hwnd, const std::optional<std::string>& verb,
                               const std::string& file,
                               const std::optional<std::string>& parameters,
                               const std::optional<std::string>& directory, int show) override;
    bool ShellExecuteExA(SHELLEXECUTEINFO& info) override;
    bool GetExitCodeProcess(std::int32_t process, std::uint32_t& exitCode) override;
    bool CloseHandle(std::int32_t handle) override;

private:
    // The shell's value and, when a process still runs, its pid (to keep or release).
    struct Launch {
        std::int32_t value = 0;
        pid_t pid = -1;
    };

    Launch Execute(const std::optional<std::string>& verb, const std::string& file,
                   const std::string& parameters, const std::string& directory);
    Launch Open(const std::string& target, const std::string& directory);
    Launch Start(const std::string& program, const std::string& parameters,
                 const std::string& directory);

    Options options_;
    ProcessTable processes_;
};

// The shell value of a failed spawn or file check (errno).
std::int32_t ShellValueOfErrno(int error) noexcept;

} // namespace veltrano::win32
