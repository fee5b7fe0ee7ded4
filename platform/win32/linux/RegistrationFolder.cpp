#include "platform/win32/linux/RegistrationFolder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrano::win32 {

namespace {

std::string ErrnoText(int number) {
    return std::strerror(number);
}

std::string ModeText(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "0%03o", static_cast<unsigned>(mode & 0777));
    return text;
}

[[noreturn]] void Refuse(int number, const std::filesystem::path& folder, const std::string& why) {
    throw RegistrationError(number, "registration folder " + folder.string() + ": " + why);
}

void CheckPrivate(const std::filesystem::path& folder) {
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) {
        const int number = errno;
        Refuse(number, folder, ErrnoText(number));
    }
    if (S_ISLNK(info.st_mode)) {
        Refuse(0, folder, "is a symbolic link");
    }
    if (!S_ISDIR(info.st_mode)) {
        Refuse(0, folder, "is not a directory");
    }
    if (info.st_uid != ::geteuid()) {
        Refuse(0, folder,
               "is owned by user " + std::to_string(info.st_uid) + ", not by this user (" +
                   std::to_string(::geteuid()) + ")");
    }
    if ((info.st_mode & 077) != 0) {
        Refuse(0, folder,
               "is accessible to group or others (mode " + ModeText(info.st_mode) +
                   "); it must be 0700");
    }
}

} // namespace

std::filesystem::path RegistrationFolderPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') {
        return std::filesystem::path(runtime) / "act-standin";
    }
    return std::filesystem::path("/tmp") / ("act-standin-" + std::to_string(::geteuid()));
}

std::filesystem::path OpenRegistrationFolder(const std::filesystem::path& folder) {
    if (::mkdir(folder.c_str(), 0700) == 0) {
        // The umask may have taken more than group and other bits away.
        if (::chmod(folder.c_str(), 0700) != 0) {
            const int number = errno;
            Refuse(number, folder, ErrnoText(number));
        }
    } else if (errno != EEXIST) {
        const int number = errno;
        Refuse(number, folder, "cannot be created: " + ErrnoText(number));
    }
    CheckPrivate(folder);
    return folder;
}

bool RegistrationFolderExists(const std::filesystem::path& folder) {
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 && errno == ENOENT) {
        return false;
    }
    CheckPrivate(folder);
    return true;
}

} // namespace veltrano::win32
