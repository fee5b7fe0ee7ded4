#include "ChildProcess.h"

#include "platform/win32/linux/WindowRegistry.h"
#include "support/BinDir.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace veltrano::testsupport {

ChildProcess::ChildProcess(std::vector<std::string> argv, const fs::path& out,
                           const fs::path& err) {
    std::vector<char*> pointers;
    for (auto& argument : argv) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    for (const auto& [fd, file] : {std::pair{1, &out}, std::pair{2, &err}}) {
        posix_spawn_file_actions_addopen(&actions, fd, file->c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
    }
    const int result =
        ::posix_spawnp(&pid_, argv[0].c_str(), &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) {
        throw std::runtime_error("cannot start " + argv[0]);
    }
}

// env(1) sets the folder and then replaces itself by the program, which keeps the pid.
ChildProcess::ChildProcess(const fs::path& runtimeDir, const fs::path& database,
                           const fs::path& logDir)
    : ChildProcess({"env", "XDG_RUNTIME_DIR=" + runtimeDir.string(),
                    (fs::path(BinDir()) / "act-standin").string(), "run", database.string()},
                   logDir / "stdout.txt", logDir / "stderr.txt") {
    folder_ = runtimeDir / "act-standin";
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

bool ChildProcess::WaitRegistered(std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        if (pid_ <= 0 || ::waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return false;
        }
        if (win32::WindowRegistry(folder_).FindLive(pid_)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

int ChildProcess::Stop(int signal) {
    ::kill(pid_, signal);
    return Wait();
}

int ChildProcess::Wait() {
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace veltrano::testsupport
