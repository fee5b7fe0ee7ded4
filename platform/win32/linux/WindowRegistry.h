#pragma once

// The top-level windows of running stand-in ACT! programs: one small file per program in the
// registration folder, named "<pid>.window", beside the program's socket.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace veltrano::win32 {

// A process as it is known across pid reuse: its id and its start time (clock ticks after
// boot, 0 when unknown).
struct ProcessIdentity {
    std::int32_t pid = 0;
    std::uint64_t startTime = 0;
    bool operator==(const ProcessIdentity&) const = default;
};

ProcessIdentity CurrentProcess();
// False for a process that is gone, a zombie, or a pid now used by a later process.
bool IsProcessAlive(const ProcessIdentity& process);

struct WindowEntry {
    ProcessIdentity process;
    std::uint64_t sequence = 0; // registration order, increasing
    std::string className;
    std::string caption;
    bool visible = true;
    std::string databasePath;
    std::string socketName; // file name inside the registration folder
    bool operator==(const WindowEntry&) const = default;
};

// The socket file name a process uses: unique per process even when pids are reused.
std::string SocketNameFor(const ProcessIdentity& process);

// The entry file's text, and back; nullopt when the text is not a well-formed entry.
std::string FormatWindowEntry(const WindowEntry& entry);
std::optional<WindowEntry> ParseWindowEntry(const std::string& text);

// Reads the registration folder (which the caller has checked with OpenRegistrationFolder).
class WindowRegistry {
public:
    explicit WindowRegistry(std::filesystem::path folder) : folder_(std::move(folder)) {}

    const std::filesystem::path& Folder() const noexcept { return folder_; }

    // The entries of live programs, in registration order. Entries of dead programs and
    // sockets nobody serves are removed on the way.
    std::vector<WindowEntry> LiveEntries() const;
    // The entry registered by that process while it lives.
    std::optional<WindowEntry> FindLive(std::int32_t pid) const;
    std::filesystem::path SocketPath(const WindowEntry& entry) const {
        return folder_ / entry.socketName;
    }

private:
    void RemoveStale(const std::vector<std::filesystem::path>& suspects) const;

    std::filesystem::path folder_;
};

// This process's window in the registration folder, for as long as the object lives.
class WindowRegistration {
public:
    // Registers the entry (process, sequence and socket name are filled in here) under the
    // folder's lock, after every entry already there. The wait for the lock ends when stopFd (a
    // signalfd or pipe; -1 for none) becomes readable. Throws RegistrationError.
    WindowRegistration(std::filesystem::path folder, WindowEntry entry, int stopFd = -1);
    ~WindowRegistration();
    WindowRegistration(const WindowRegistration&) = delete;
    WindowRegistration& operator=(const WindowRegistration&) = delete;

    const WindowEntry& Entry() const noexcept { return entry_; }
    std::filesystem::path SocketPath() const { return folder_ / entry_.socketName; }

    // Rewrites caption, visibility and database path; identity and order stay.
    void Update(const std::string& caption, bool visible, const std::string& databasePath);

private:
    std::filesystem::path folder_;
    WindowEntry entry_;
};

} // namespace veltrano::win32
