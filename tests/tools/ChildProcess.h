#pragma once

// Runs a built program for a test, such as `act-standin run FILE` with XDG_RUNTIME_DIR pointing
// into the test's own temporary folder.

#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace veltrano::testsupport {

namespace fs = std::filesystem;

class ChildProcess {
public:
    // Starts argv (the first found on PATH), reading /dev/null and writing into out and err.
    // Killed at the end if still running.
    ChildProcess(std::vector<std::string> argv, const fs::path& out, const fs::path& err);
    // Starts `act-standin run database`; its output goes to logDir.
    ChildProcess(const fs::path& runtimeDir, const fs::path& database, const fs::path& logDir);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // act-standin: true once its entry is in the registration folder; false when it ended or time
    // ran out.
    bool WaitRegistered(std::chrono::milliseconds timeout = std::chrono::seconds(20));
    // Sends the signal, or waits for it to end by itself; the exit status (or 128 + signal).
    int Stop(int signal);
    int Wait();

private:
    fs::path folder_;
    pid_t pid_ = -1;
};

} // namespace veltrano::testsupport
