#include "platform/win32/linux/ProcessTable.h"

#include "platform/win32/Shell32.h"

#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <thread>

namespace veltrano::win32 {

namespace {

// waitpid without blocking; the pid when reaped, 0 while running, -1 when it is not our child.
pid_t TryReap(pid_t pid, int& status) noexcept {
    pid_t rc = 0;
    do {
        rc = waitpid(pid, &status, WNOHANG);
    } while (rc == -1 && errno == EINTR);
    return rc;
}

} // namespace

std::uint32_t ExitCodeOf(int status) noexcept {
    if (WIFEXITED(status)) {
        return static_cast<std::uint32_t>(WEXITSTATUS(status));
    }
    if (WIFSIGNALED(status)) {
        return 128u + static_cast<std::uint32_t>(WTERMSIG(status));
    }
    return 0;
}

ProcessTable::~ProcessTable() {
    for (const auto& [handle, entry] : entries_) {
        if (!entry.exitCode) {
            Release(entry.pid);
        }
    }
    ReapReleased();
}

std::int32_t ProcessTable::Add(pid_t pid) {
    ReapReleased();
    const std::int32_t handle = next_;
    next_ += 4; // like kernel handles: multiples of four, never 0
    entries_.emplace(handle, Entry{pid, std::nullopt});
    return handle;
}

bool ProcessTable::ExitCode(std::int32_t handle, std::uint32_t& code) {
    ReapReleased();
    const auto it = entries_.find(handle);
    if (it == entries_.end()) {
        return false;
    }
    Entry& entry = it->second;
    if (!entry.exitCode) {
        int status = 0;
        const pid_t rc = TryReap(entry.pid, status);
        if (rc == 0) {
            code = STILL_ACTIVE;
            return true;
        }
        if (rc != entry.pid) {
            return false; // someone else reaped it: the code is lost
        }
        entry.exitCode = ExitCodeOf(status);
    }
    code = *entry.exitCode;
    return true;
}

bool ProcessTable::Close(std::int32_t handle) {
    const auto it = entries_.find(handle);
    if (it == entries_.end()) {
        return false;
    }
    if (!it->second.exitCode) {
        Release(it->second.pid);
    }
    entries_.erase(it);
    return true;
}

void ProcessTable::Release(pid_t pid) noexcept {
    int status = 0;
    if (TryReap(pid, status) != 0) {
        return; // ended already, or not ours
    }
    // A thread per running child that blocks in waitpid: the child is reaped the moment it ends
    // and nothing has to poll. Killing it or waiting here would hang or end the user's program.
    try {
        std::thread([pid] {
            int ignored = 0;
            while (waitpid(pid, &ignored, 0) == -1 && errno == EINTR) {
            }
        }).detach();
    } catch (...) {
        try {
            released_.push_back(pid); // polled by the next calls instead
        } catch (...) {
            // Out of memory: the child stays a zombie until this program ends.
        }
    }
}

void ProcessTable::ReapReleased() noexcept {
    std::erase_if(released_, [](pid_t pid) {
        int status = 0;
        return TryReap(pid, status) != 0;
    });
}

} // namespace veltrano::win32
