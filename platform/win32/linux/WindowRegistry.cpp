#include "platform/win32/linux/WindowRegistry.h"
#include "platform/posix/UniqueFd.h"
#include "platform/win32/linux/RegistrationFolder.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrano::win32 {

namespace {

constexpr std::string_view kEntrySuffix = ".window";
constexpr std::string_view kTemporarySuffix = ".window.tmp";
constexpr std::string_view kSocketSuffix = ".sock";
constexpr off_t kMaxEntrySize = 64 * 1024;

using posix::UniqueFd;

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& what) {
    const int number = errno;
    throw RegistrationError(number, what + " " + path.string() + ": " + std::strerror(number));
}

// Serialises registration and the removal of stale entries between programs.
class FolderLock {
public:
    enum class Wait { UntilStopped, Never };

    // Waits for the lock until stopFd becomes readable (never when it is -1), or, with
    // Wait::Never, not at all: Held() then says whether the lock was free.
    FolderLock(const std::filesystem::path& folder, Wait wait, int stopFd = -1)
        : fd_(::open((folder / ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600)) {
        if (fd_.get() < 0) {
            Fail(folder / ".lock", "cannot open");
        }
        for (;;) {
            if (::flock(fd_.get(), LOCK_EX | LOCK_NB) == 0) {
                held_ = true;
                return;
            }
            if (errno != EWOULDBLOCK && errno != EINTR) {
                Fail(folder / ".lock", "cannot lock");
            }
            if (wait == Wait::Never) {
                return;
            }
            // Polled rather than blocked in flock, so that a stop request is answered at once.
            pollfd stop{stopFd, POLLIN, 0};
            if (::poll(&stop, 1, kLockRetryMs) > 0 && (stop.revents & POLLIN) != 0) {
                errno = EINTR;
                Fail(folder / ".lock", "stopped while waiting to lock");
            }
        }
    }

    bool Held() const noexcept { return held_; }

private:
    static constexpr int kLockRetryMs = 20;
    UniqueFd fd_;
    bool held_ = false;
};

std::optional<std::string> ReadSmallFile(const std::filesystem::path& path) {
    // Non-blocking, so that a FIFO planted in the folder cannot hold the open up.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size > kMaxEntrySize) {
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    while (done < text.size()) {
        const auto got = ::read(fd.get(), text.data() + done, text.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return std::nullopt;
        }
        done += static_cast<std::size_t>(got);
    }
    return text;
}

// Written beside and renamed over, so that readers see the old or the new entry, whole.
void WriteEntryFile(const std::filesystem::path& folder, const WindowEntry& entry) {
    const auto pid = std::to_string(entry.process.pid);
    const auto temporary = folder / (pid + std::string(kTemporarySuffix));
    const auto final = folder / (pid + std::string(kEntrySuffix));
    const std::string text = FormatWindowEntry(entry);
    {
        UniqueFd fd(
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600));
        if (fd.get() < 0) {
            Fail(temporary, "cannot create");
        }
        std::size_t done = 0;
        while (done < text.size()) {
            const auto written = ::write(fd.get(), text.data() + done, text.size() - done);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                const int number = errno;
                ::unlink(temporary.c_str());
                errno = number;
                Fail(temporary, "cannot write");
            }
            done += static_cast<std::size_t>(written);
        }
    }
    if (::rename(temporary.c_str(), final.c_str()) != 0) {
        const int number = errno;
        ::unlink(temporary.c_str());
        errno = number;
        Fail(final, "cannot write");
    }
}

std::optional<std::int32_t> ParsePid(std::string_view text) {
    std::int32_t pid = 0;
    const auto end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, pid);
    if (text.empty() || result.ec != std::errc{} || result.ptr != end || pid <= 0) {
        return std::nullopt;
    }
    return pid;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() > suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// An entry file as found in the folder: its entry when well-formed and named after its pid.
std::optional<WindowEntry> ReadEntry(const std::filesystem::path& path, std::int32_t pid) {
    const auto text = ReadSmallFile(path);
    if (!text) {
        return std::nullopt;
    }
    auto entry = ParseWindowEntry(*text);
    if (!entry || entry->process.pid != pid) {
        return std::nullopt;
    }
    return entry;
}

// The process a file of the folder belongs to; nullopt for files that are not ours to judge.
std::optional<ProcessIdentity> OwnerOf(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    if (EndsWith(name, kTemporarySuffix)) {
        if (auto pid =
                ParsePid(std::string_view(name).substr(0, name.size() - kTemporarySuffix.size()))) {
            return ProcessIdentity{*pid, 0};
        }
    } else if (EndsWith(name, kEntrySuffix)) {
        if (auto pid =
                ParsePid(std::string_view(name).substr(0, name.size() - kEntrySuffix.size()))) {
            if (auto entry = ReadEntry(path, *pid)) {
                return entry->process;
            }
            return ProcessIdentity{*pid, 0}; // unreadable: judged by its pid alone
        }
    } else if (EndsWith(name, kSocketSuffix)) {
        const std::string_view stem =
            std::string_view(name).substr(0, name.size() - kSocketSuffix.size());
        const auto dash = stem.find('-');
        if (dash != std::string_view::npos) {
            auto pid = ParsePid(stem.substr(0, dash));
            std::uint64_t start = 0;
            const auto text = stem.substr(dash + 1);
            const auto end = text.data() + text.size();
            const auto result = std::from_chars(text.data(), end, start);
            if (pid && !text.empty() && result.ec == std::errc{} && result.ptr == end) {
                return ProcessIdentity{*pid, start};
            }
        }
    }
    return std::nullopt;
}

bool IsStale(const std::filesystem::path& path) {
    const auto owner = OwnerOf(path);
    return owner && !IsProcessAlive(*owner);
}

} // namespace

std::vector<WindowEntry> WindowRegistry::LiveEntries() const {
    std::vector<WindowEntry> live;
    std::vector<std::filesystem::path> suspects;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder_, error)) {
        const auto& path = item.path();
        const std::string name = path.filename().string();
        if (EndsWith(name, kEntrySuffix)) {
            const auto pid =
                ParsePid(std::string_view(name).substr(0, name.size() - kEntrySuffix.size()));
            auto entry = pid ? ReadEntry(path, *pid) : std::nullopt;
            if (entry && IsProcessAlive(entry->process)) {
                live.push_back(std::move(*entry));
                continue;
            }
        }
        if (IsStale(path)) {
            suspects.push_back(path);
        }
    }
    if (!suspects.empty()) {
        RemoveStale(suspects);
    }
    std::sort(live.begin(), live.end(), [](const WindowEntry& a, const WindowEntry& b) {
        return a.sequence != b.sequence ? a.sequence < b.sequence : a.process.pid < b.process.pid;
    });
    return live;
}

std::optional<WindowEntry> WindowRegistry::FindLive(std::int32_t pid) const {
    if (pid <= 0) {
        return std::nullopt;
    }
    auto entry = ReadEntry(folder_ / (std::to_string(pid) + std::string(kEntrySuffix)), pid);
    if (entry && IsProcessAlive(entry->process)) {
        return entry;
    }
    return std::nullopt;
}

void WindowRegistry::RemoveStale(const std::vector<std::filesystem::path>& suspects) const {
    try {
        // Never waited for: a reader must not hang on a program that holds the lock.
        FolderLock lock(folder_, FolderLock::Wait::Never);
        if (!lock.Held()) {
            return;
        }
        // Judged again under the lock: a new program with a reused pid may have registered.
        for (const auto& path : suspects) {
            if (IsStale(path)) {
                ::unlink(path.c_str());
            }
        }
    } catch (const RegistrationError&) {
        // Cleaning is a courtesy; readers skip stale entries anyway.
    }
}

WindowRegistration::WindowRegistration(std::filesystem::path folder, WindowEntry entry, int stopFd)
    : folder_(std::move(folder)), entry_(std::move(entry)) {
    FolderLock lock(folder_, FolderLock::Wait::UntilStopped, stopFd);
    entry_.process = CurrentProcess();
    entry_.socketName = SocketNameFor(entry_.process);
    std::uint64_t last = 0;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder_, error)) {
        const std::string name = item.path().filename().string();
        if (!EndsWith(name, kEntrySuffix)) {
            continue;
        }
        if (const auto text = ReadSmallFile(item.path())) {
            if (const auto other = ParseWindowEntry(*text)) {
                last = std::max(last, other->sequence);
            }
        }
    }
    if (error) {
        throw RegistrationError(error.value(),
                                "cannot read " + folder_.string() + ": " + error.message());
    }
    entry_.sequence = last + 1;
    WriteEntryFile(folder_, entry_);
}

WindowRegistration::~WindowRegistration() {
    ::unlink((folder_ / (std::to_string(entry_.process.pid) + std::string(kEntrySuffix))).c_str());
}

void WindowRegistration::Update(const std::string& caption, bool visible,
                                const std::string& databasePath) {
    WindowEntry changed = entry_;
    changed.caption = caption;
    changed.visible = visible;
    changed.databasePath = databasePath;
    WriteEntryFile(folder_, changed);
    entry_ = std::move(changed);
}

} // namespace veltrano::win32
