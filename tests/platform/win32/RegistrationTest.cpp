#include "platform/win32/RegisteredWindows.h"
#include "platform/win32/RegistrationFolder.h"
#include "platform/win32/WindowRegistry.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace veltrano::win32 {
namespace {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "veltrano-win32-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

// A live process other than this one, for as long as the object lives.
class SleepingChild {
public:
    SleepingChild() : pid_(::fork()) {
        if (pid_ == 0) {
            ::pause();
            ::_exit(0);
        }
    }
    ~SleepingChild() {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    std::int32_t Pid() const { return pid_; }

private:
    pid_t pid_;
};

// The pid of a process that has ended and been reaped.
std::int32_t DeadPid() {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(0);
    }
    ::waitpid(pid, nullptr, 0);
    return pid;
}

WindowEntry EntryOf(std::int32_t pid, std::uint64_t sequence, std::uint64_t start = 0) {
    WindowEntry entry;
    entry.process = {pid, start};
    entry.sequence = sequence;
    entry.className = "ActStandInFrame";
    entry.caption = "ACT! - " + std::to_string(pid);
    entry.databasePath = "/data/" + std::to_string(pid) + ".dbf";
    entry.socketName = SocketNameFor(entry.process);
    return entry;
}

void WriteFile(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

void Place(const fs::path& folder, const WindowEntry& entry) {
    WriteFile(folder / (std::to_string(entry.process.pid) + ".window"), FormatWindowEntry(entry));
    WriteFile(folder / entry.socketName, "");
}

std::vector<HWND> Enumerate(User32& user32) {
    std::vector<HWND> handles;
    user32.EnumWindows([&](HWND hwnd) {
        handles.push_back(hwnd);
        return true;
    });
    return handles;
}

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RegistrationError& error) {
        return error.what();
    }
    return "(no error)";
}

TEST(RegistrationFolderTest, PathFollowsAnAbsoluteXdgRuntimeDir) {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string fallback = "/tmp/act-standin-" + std::to_string(::geteuid());
    ::setenv("XDG_RUNTIME_DIR", "/run/user/4711", 1);
    EXPECT_EQ(RegistrationFolderPath(), fs::path("/run/user/4711/act-standin"));
    ::setenv("XDG_RUNTIME_DIR", "relative/dir", 1);
    EXPECT_EQ(RegistrationFolderPath(), fs::path(fallback));
    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(RegistrationFolderPath(), fs::path(fallback));
    if (saved != nullptr) {
        ::setenv("XDG_RUNTIME_DIR", saved, 1);
    }
}

TEST(RegistrationFolderTest, IsCreatedPrivateWhateverTheUmask) {
    TempFolder temp;
    const mode_t old = ::umask(0277);
    const fs::path folder = OpenRegistrationFolder(temp.Path() / "act-standin");
    ::umask(old);
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);
    EXPECT_TRUE(RegistrationFolderExists(folder));
    EXPECT_FALSE(RegistrationFolderExists(temp.Path() / "missing"));
    EXPECT_EQ(OpenRegistrationFolder(folder), folder); // a second time is fine
}

TEST(RegistrationFolderTest, RefusesFoldersOthersCouldHaveWritten) {
    TempFolder temp;
    const fs::path open = temp.Path() / "open";
    fs::create_directory(open);
    ::chmod(open.c_str(), 0755);
    EXPECT_NE(ErrorOf([&] {
                  OpenRegistrationFolder(open);
              }).find("is accessible to group or others (mode 0755)"),
              std::string::npos);
    EXPECT_THROW(RegistrationFolderExists(open), RegistrationError);

    WriteFile(temp.Path() / "file", "x");
    EXPECT_NE(
        ErrorOf([&] { OpenRegistrationFolder(temp.Path() / "file"); }).find("is not a directory"),
        std::string::npos);

    const fs::path real = OpenRegistrationFolder(temp.Path() / "real");
    fs::create_directory_symlink(real, temp.Path() / "link");
    EXPECT_NE(
        ErrorOf([&] { OpenRegistrationFolder(temp.Path() / "link"); }).find("is a symbolic link"),
        std::string::npos);

    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving a folder to another user needs root";
    }
    const fs::path foreign = temp.Path() / "foreign";
    fs::create_directory(foreign);
    ::chmod(foreign.c_str(), 0700);
    ASSERT_EQ(::chown(foreign.c_str(), 12345, 12345), 0);
    EXPECT_NE(ErrorOf([&] { OpenRegistrationFolder(foreign); }).find("is owned by user 12345"),
              std::string::npos);
}

TEST(WindowEntryTest, TextRoundTripsAndMalformedTextIsRejected) {
    WindowEntry entry = EntryOf(321, 9, 123456);
    entry.databasePath = "/data/odd\nname\\with\rall\0.dbf";
    entry.databasePath += std::string("\0x", 2);
    entry.visible = false;
    const std::string text = FormatWindowEntry(entry);
    EXPECT_EQ(ParseWindowEntry(text), entry);

    EXPECT_FALSE(ParseWindowEntry(text.substr(0, text.size() - 1))); // cut short
    EXPECT_FALSE(ParseWindowEntry(""));
    EXPECT_FALSE(ParseWindowEntry(text + "pid=1\n"));
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string changed = text;
        changed.replace(changed.find(from), from.size(), to);
        return ParseWindowEntry(changed);
    };
    EXPECT_FALSE(replaced("pid=321", "pid=-3"));
    EXPECT_FALSE(replaced("pid=321", "pid=32x"));
    EXPECT_FALSE(replaced("visible=0", "visible=yes"));
    EXPECT_FALSE(replaced("socket=", "socket=../"));
    EXPECT_FALSE(replaced("act-standin-window 1", "act-standin-window 2"));
}

TEST(RegisteredWindowsTest, RegistrationIsAWindowUntilItEnds) {
    TempFolder temp;
    const fs::path folder = OpenRegistrationFolder(temp.Path() / "reg");
    RegisteredWindows windows(folder);
    const HWND self = ::getpid();
    {
        WindowEntry entry;
        entry.className = "ActStandInFrame";
        entry.caption = "ACT! - Sales";
        entry.databasePath = "/data/sales.dbf";
        WindowRegistration registration(folder, entry);
        EXPECT_EQ(Enumerate(windows), std::vector<HWND>{self});
        EXPECT_TRUE(windows.IsWindow(self));
        EXPECT_TRUE(windows.IsWindowVisible(self));
        char buffer[16];
        EXPECT_EQ(windows.GetClassNameA(self, buffer, 4), 3);
        EXPECT_STREQ(buffer, "Act");
        EXPECT_EQ(windows.GetWindowTextLengthA(self), 12);
        EXPECT_EQ(windows.GetWindowTextA(self, buffer, sizeof buffer), 12);
        EXPECT_STREQ(buffer, "ACT! - Sales");

        registration.Update("ACT! - Other", false, "/data/other.dbf");
        EXPECT_FALSE(windows.IsWindowVisible(self));
        EXPECT_EQ(windows.Registry().FindLive(self)->databasePath, "/data/other.dbf");
    }
    EXPECT_TRUE(Enumerate(windows).empty());
    EXPECT_FALSE(windows.IsWindow(self));
    EXPECT_EQ(windows.GetClassNameA(self, nullptr, 0), 0);
    RegisteredWindows none(temp.Path() / "never-created");
    EXPECT_TRUE(Enumerate(none).empty());
}

TEST(RegisteredWindowsTest, StaleEntriesAreIgnoredAndCleanedUp) {
    TempFolder temp;
    const fs::path folder = OpenRegistrationFolder(temp.Path() / "reg");
    const auto dead = EntryOf(DeadPid(), 1);
    Place(folder, dead);
    // This process under an older start time: its pid was reused.
    auto reused = EntryOf(::getpid(), 2, CurrentProcess().startTime + 1);
    Place(folder, reused);
    WriteFile(folder / SocketNameFor({DeadPid(), 77}), ""); // socket nobody serves
    WriteFile(folder / (std::to_string(DeadPid()) + ".window"), "half a fi");
    SleepingChild alive;
    const auto live = EntryOf(alive.Pid(), 3);
    Place(folder, live);

    RegisteredWindows windows(folder);
    EXPECT_EQ(Enumerate(windows), std::vector<HWND>{alive.Pid()});
    std::vector<std::string> left;
    for (const auto& item : fs::directory_iterator(folder)) {
        left.push_back(item.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{".lock", live.socketName,
                                              std::to_string(alive.Pid()) + ".window"}));
}

TEST(RegisteredWindowsTest, ZombiesCountAsDead) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::usleep(100000); // the child has exited but is not reaped yet
    EXPECT_FALSE(IsProcessAlive({child, 0}));
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(IsProcessAlive(CurrentProcess()));
}

TEST(RegisteredWindowsTest, EnumerationFollowsRegistrationOrder) {
    TempFolder temp;
    const fs::path folder = OpenRegistrationFolder(temp.Path() / "reg");
    SleepingChild first, second;
    Place(folder, EntryOf(first.Pid(), 7));
    Place(folder, EntryOf(second.Pid(), 3));
    RegisteredWindows windows(folder);
    EXPECT_EQ(Enumerate(windows), (std::vector<HWND>{second.Pid(), first.Pid()}));

    WindowRegistration self(folder, WindowEntry{});
    EXPECT_EQ(self.Entry().sequence, 8u);
    EXPECT_EQ(Enumerate(windows), (std::vector<HWND>{second.Pid(), first.Pid(), ::getpid()}));
    // The enumeration stops when the callback says so.
    int calls = 0;
    windows.EnumWindows([&](HWND) { return ++calls < 2; });
    EXPECT_EQ(calls, 2);
}

} // namespace
} // namespace veltrano::win32
