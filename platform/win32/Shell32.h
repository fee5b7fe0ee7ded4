#pragma once

// The shell launch calls and the process exit code.

#include <cstdint>
#include <optional>
#include <string>

namespace veltrano::win32 {

inline constexpr std::uint32_t SEE_MASK_NOCLOSEPROCESS = 0x00000040;
inline constexpr std::uint32_t SEE_MASK_DOENVSUBST = 0x00000200;
inline constexpr std::uint32_t STILL_ACTIVE = 259;
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWDEFAULT = 10;

// Shell error values.
inline constexpr std::int32_t SE_ERR_FNF = 2;
inline constexpr std::int32_t SE_ERR_PNF = 3;
inline constexpr std::int32_t SE_ERR_ACCESSDENIED = 5;
inline constexpr std::int32_t SE_ERR_NOASSOC = 31;

// SHELLEXECUTEINFO (cbSize 60). Null strings are nullopt.
struct SHELLEXECUTEINFO {
    std::uint32_t cbSize = 0;
    std::uint32_t fMask = 0;
    std::int32_t hwnd = 0;
    std::optional<std::string> lpVerb;
    std::optional<std::string> lpFile;
    std::optional<std::string> lpParameters;
    std::optional<std::string> lpDirectory;
    int nShow = 0;
    std::int32_t hInstApp = 0;
    std::int32_t hProcess = 0;
};

class Shell32 {
public:
    virtual ~Shell32() = default;
    virtual std::int32_t ShellExecuteA(std::int32_t hwnd, const std::optional<std::string>& verb,
                                       const std::string& file,
                                       const std::optional<std::string>& parameters,
                                       const std::optional<std::string>& directory, int show) = 0;
    virtual bool ShellExecuteExA(SHELLEXECUTEINFO& info) = 0;
    virtual bool GetExitCodeProcess(std::int32_t process, std::uint32_t& exitCode) = 0;
    // Closes a process handle returned in hProcess.
    virtual bool CloseHandle(std::int32_t handle) = 0;
};

} // namespace veltrano::win32
