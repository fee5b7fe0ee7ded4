#include "platform/win32/linux/Spawn.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>

#include <cerrno>

extern char** environ;

namespace veltrano::win32 {

namespace {

class FileActions {
public:
    FileActions() { ok_ = posix_spawn_file_actions_init(&actions_) == 0; }
    ~FileActions() {
        if (ok_) {
            posix_spawn_file_actions_destroy(&actions_);
        }
    }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
    bool ok() const noexcept { return ok_; }
    posix_spawn_file_actions_t* get() noexcept { return &actions_; }

private:
    posix_spawn_file_actions_t actions_{};
    bool ok_ = false;
};

class SpawnAttributes {
public:
    SpawnAttributes() { ok_ = posix_spawnattr_init(&attr_) == 0; }
    ~SpawnAttributes() {
        if (ok_) {
            posix_spawnattr_destroy(&attr_);
        }
    }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;
    bool ok() const noexcept { return ok_; }
    posix_spawnattr_t* get() noexcept { return &attr_; }

private:
    posix_spawnattr_t attr_{};
    bool ok_ = false;
};

int PrepareActions(FileActions& actions, const std::string& directory) {
    if (!actions.ok()) {
        return ENOMEM;
    }
    if (int rc = posix_spawn_file_actions_addopen(actions.get(), 0, "/dev/null", O_RDONLY, 0)) {
        return rc;
    }
    if (int rc = posix_spawn_file_actions_addclosefrom_np(actions.get(), 3)) {
        return rc;
    }
    if (!directory.empty()) {
        return posix_spawn_file_actions_addchdir_np(actions.get(), directory.c_str());
    }
    return 0;
}

int PrepareAttributes(SpawnAttributes& attr) {
    if (!attr.ok()) {
        return ENOMEM;
    }
    // Ignored signals (SIGPIPE in a GUI) and a blocked mask are inherited; a started program
    // must not see either.
    sigset_t all;
    sigset_t none;
    sigfillset(&all);
    sigemptyset(&none);
    if (int rc = posix_spawnattr_setsigdefault(attr.get(), &all)) {
        return rc;
    }
    if (int rc = posix_spawnattr_setsigmask(attr.get(), &none)) {
        return rc;
    }
    if (int rc = posix_spawnattr_setpgroup(attr.get(), 0)) {
        return rc;
    }
    return posix_spawnattr_setflags(attr.get(), POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK |
                                                    POSIX_SPAWN_SETPGROUP);
}

} // namespace

SpawnResult Spawn(const std::string& program, const std::vector<std::string>& args,
                  const std::string& directory, bool searchPath) {
    FileActions actions;
    SpawnAttributes attr;
    if (int rc = PrepareActions(actions, directory)) {
        return {-1, rc};
    }
    if (int rc = PrepareAttributes(attr)) {
        return {-1, rc};
    }
    std::vector<char*> argv;
    argv.reserve(args.size() + 2);
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);

    pid_t pid = -1;
    const int rc =
        searchPath
            ? posix_spawnp(&pid, program.c_str(), actions.get(), attr.get(), argv.data(), environ)
            : posix_spawn(&pid, program.c_str(), actions.get(), attr.get(), argv.data(), environ);
    if (rc != 0) {
        return {-1, rc};
    }
    return {pid, 0};
}

} // namespace veltrano::win32
