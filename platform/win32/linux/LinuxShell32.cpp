#include "platform/win32/linux/LinuxShell32.h"

#include "platform/win32/linux/ShellText.h"
#include "platform/win32/linux/Spawn.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace veltrano::win32 {

namespace {

namespace fs = std::filesystem;

enum class VerbKind { Default, Explore, Print, Other };

VerbKind KindOf(const std::optional<std::string>& verb) {
    if (!verb || verb->empty()) {
        return VerbKind::Default;
    }
    const std::string lower = AsciiLower(*verb);
    if (lower == "open") {
        return VerbKind::Default;
    }
    if (lower == "explore") {
        return VerbKind::Explore;
    }
    return lower == "print" ? VerbKind::Print : VerbKind::Other;
}

// The shell value for a path that stat() refused.
std::int32_t MissingPathValue(const fs::path& path, int error) {
    if (error != ENOENT) {
        return ShellValueOfErrno(error);
    }
    struct stat parent {};
    const fs::path folder = path.parent_path();
    if (::stat(folder.c_str(), &parent) == 0 && S_ISDIR(parent.st_mode)) {
        return SE_ERR_FNF;
    }
    return SE_ERR_PNF;
}

// An executable found in PATH for a bare program name.
std::optional<fs::path> FindInPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (path == nullptr || name.empty() || name.find('/') != std::string::npos) {
        return std::nullopt;
    }
    std::string_view dirs(path);
    while (!dirs.empty()) {
        const std::size_t colon = dirs.find(':');
        const std::string_view dir = dirs.substr(0, colon);
        dirs = colon == std::string_view::npos ? std::string_view{} : dirs.substr(colon + 1);
        const fs::path candidate = fs::path(dir.empty() ? "." : dir) / name;
        struct stat info {};
        if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return std::nullopt;
}

// A regular file is a program when it may be executed and is a binary or a script; other
// files with the execute bit (common on shared folders) are documents.
bool IsProgram(const fs::path& file) {
    if (::access(file.c_str(), X_OK) != 0) {
        return false;
    }
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return true; // executable but unreadable: only a binary can run like that
    }
    std::array<char, 4> head{};
    const ssize_t got = ::read(fd, head.data(), head.size());
    ::close(fd);
    const bool elf =
        got == 4 && head[0] == '\x7f' && head[1] == 'E' && head[2] == 'L' && head[3] == 'F';
    const bool script = got >= 2 && head[0] == '#' && head[1] == '!';
    return elf || script;
}

} // namespace

std::int32_t ShellValueOfErrno(int error) noexcept {
    switch (error) {
    case ENOENT:
        return SE_ERR_FNF;
    case ENOTDIR:
    case ELOOP:
    case ENAMETOOLONG:
        return SE_ERR_PNF;
    case EACCES:
    case EPERM:
        return SE_ERR_ACCESSDENIED;
    case ENOMEM:
    case EAGAIN:
        return SE_ERR_OOM;
    case ENOEXEC:
        return ERROR_BAD_FORMAT;
    default:
        return SE_ERR_NOASSOC;
    }
}

std::int32_t LinuxShell32::ShellExecuteA(std::int32_t, const std::optional<std::string>& verb,
                                         const std::string& file,
                                         const std::optional<std::string>& parameters,
                                         const std::optional<std::string>& directory, int) {
    const Launch launch =
        Execute(verb, file, parameters.value_or(std::string{}), directory.value_or(std::string{}));
    if (launch.pid > 0) {
        processes_.Release(launch.pid);
    }
    return launch.value;
}

bool LinuxShell32::ShellExecuteExA(SHELLEXECUTEINFO& info) {
    const bool expand = (info.fMask & SEE_MASK_DOENVSUBST) != 0;
    const std::string file = info.lpFile.value_or(std::string{});
    const std::string directory = info.lpDirectory.value_or(std::string{});
    const Launch launch = Execute(info.lpVerb, expand ? ExpandEnvironmentVariables(file) : file,
                                  info.lpParameters.value_or(std::string{}),
                                  expand ? ExpandEnvironmentVariables(directory) : directory);
    info.hInstApp = launch.value;
    info.hProcess = 0;
    if (launch.pid > 0) {
        if ((info.fMask & SEE_MASK_NOCLOSEPROCESS) != 0) {
            info.hProcess = processes_.Add(launch.pid);
        } else {
            processes_.Release(launch.pid);
        }
    }
    return launch.value > 32;
}

bool LinuxShell32::GetExitCodeProcess(std::int32_t process, std::uint32_t& exitCode) {
    return processes_.ExitCode(process, exitCode);
}

bool LinuxShell32::CloseHandle(std::int32_t handle) {
    return processes_.Close(handle);
}

LinuxShell32::Launch LinuxShell32::Execute(const std::optional<std::string>& verb,
                                           const std::string& file, const std::string& parameters,
                                           const std::string& directory) {
    const VerbKind kind = KindOf(verb);
    if (!directory.empty()) {
        struct stat info {};
        if (::stat(directory.c_str(), &info) != 0) {
            return {errno == ENOENT ? SE_ERR_PNF : ShellValueOfErrno(errno)};
        }
        if (!S_ISDIR(info.st_mode)) {
            return {SE_ERR_PNF};
        }
    }
    if (file.empty()) {
        return {SE_ERR_FNF};
    }
    if (IsUri(file)) {
        return kind == VerbKind::Default ? Open(file, directory) : Launch{SE_ERR_NOASSOC};
    }

    std::error_code noCwd;
    const fs::path base = directory.empty() ? fs::current_path(noCwd) : fs::path(directory);
    if (noCwd && !fs::path(file).is_absolute()) {
        return {SE_ERR_PNF}; // a relative name in a folder that is gone
    }
    fs::path path = fs::path(file).is_absolute() ? fs::path(file) : base / file;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        const int error = errno;
        if (kind == VerbKind::Default) {
            if (auto found = FindInPath(file)) {
                return Start(found->string(), parameters, directory);
            }
        }
        return {MissingPathValue(path, error)};
    }
    path = path.lexically_normal();

    if (S_ISDIR(info.st_mode)) {
        return kind == VerbKind::Default || kind == VerbKind::Explore ? Open(path, directory)
                                                                      : Launch{SE_ERR_NOASSOC};
    }
    if (kind != VerbKind::Default) {
        return {SE_ERR_NOASSOC}; // no print handler or other verbs on this desktop
    }
    if (S_ISREG(info.st_mode) && IsProgram(path)) {
        return Start(path, parameters, directory);
    }
    if (::access(path.c_str(), R_OK) != 0) {
        return {ShellValueOfErrno(errno)};
    }
    return Open(path, directory);
}

LinuxShell32::Launch LinuxShell32::Start(const std::string& program, const std::string& parameters,
                                         const std::string& directory) {
    const SpawnResult spawned = Spawn(program, SplitParameters(parameters), directory, false);
    if (spawned.pid < 0) {
        return {ShellValueOfErrno(spawned.error)};
    }
    return {kShellSuccess, spawned.pid};
}

LinuxShell32::Launch LinuxShell32::Open(const std::string& target, const std::string& directory) {
    const SpawnResult spawned = Spawn(options_.opener, {target}, directory, true);
    if (spawned.pid < 0) {
        // No opener on this desktop: nothing is associated with anything.
        return {spawned.error == ENOENT ? SE_ERR_NOASSOC : ShellValueOfErrno(spawned.error)};
    }
    const auto deadline = std::chrono::steady_clock::now() + options_.openerWait;
    for (;;) {
        int status = 0;
        const pid_t rc = waitpid(spawned.pid, &status, WNOHANG);
        if (rc == spawned.pid) {
            // xdg-open: 0 done, 2 a file it was given does not exist, 1/3/4 no way to open it.
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
                return {kShellSuccess};
            }
            if (WIFEXITED(status) && WEXITSTATUS(status) == 2) {
                return {SE_ERR_FNF};
            }
            return {SE_ERR_NOASSOC};
        }
        if (rc == -1 && errno != EINTR) {
            return {kShellSuccess}; // reaped elsewhere; it did start
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return {kShellSuccess, spawned.pid};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace veltrano::win32
