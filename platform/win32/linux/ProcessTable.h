#pragma once

// Process handles of the shell stand-in: small numbers for our child processes, their exit codes
// through waitpid, and reaping of children whose handle is gone so none stays a zombie.

#include <sys/types.h>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace veltrano::win32 {

class ProcessTable {
public:
    ProcessTable() = default;
    // Releases every handle still open; the processes run on.
    ~ProcessTable();
    ProcessTable(const ProcessTable&) = delete;
    ProcessTable& operator=(const ProcessTable&) = delete;

    // A new handle (never 0) for a child process.
    std::int32_t Add(pid_t pid);
    // STILL_ACTIVE while the process runs, its exit status after; false for an unknown handle.
    bool ExitCode(std::int32_t handle, std::uint32_t& code);
    // Forgets the handle; a still running process is reaped in the background once it ends.
    bool Close(std::int32_t handle);
    // Hands over a child nobody keeps a handle for.
    void Release(pid_t pid) noexcept;

private:
    struct Entry {
        pid_t pid = -1;
        std::optional<std::uint32_t> exitCode; // set once reaped
    };

    void ReapReleased() noexcept;

    std::map<std::int32_t, Entry> entries_;
    std::int32_t next_ = 4;
    std::vector<pid_t> released_; // only when no reaper thread could be started
};

// The exit code of a wait status: the exit status, or 128 + signal number.
std::uint32_t ExitCodeOf(int status) noexcept;

} // namespace veltrano::win32
