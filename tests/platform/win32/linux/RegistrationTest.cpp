#include "platform/win32/linux/RegisteredWindows.h"
#include "platform/win32/linux/RegistrationFolder.h"
#include "platform/win32/linux/WindowRegistry.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace veltrano::win32 {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using namespace std::string_literals;

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

// A child that has ended; reaped unless asked to stay a zombie.
std::int32_t EndedChild(bool reap = true) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(0);
    }
    if (reap) {
        ::waitpid(pid, nullptr, 0);
    } else {
        ::usleep(100000); // time to exit
    }
    return pid;
}

WindowEntry EntryOf(std::int32_t pid, std::uint64_t sequence, std::uint64_t start = 0) {
    const auto name = std::to_string(pid);
    return {.process = {pid, start},
            .sequence = sequence,
            .className = "ActStandInFrame",
            .caption = "ACT! - " + name,
            .databasePath = "/data/" + name + ".dbf",
            .socketName = SocketNameFor({pid, start})};
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
    user32.EnumWindows([&](HWND hwnd) { return handles.push_back(hwnd), true; });
    return handles;
}

class RegistrationTest : public ::testing::Test {
protected:
    std::string RefusalOf(const fs::path& folder) {
        try {
            OpenRegistrationFolder(folder);
        } catch (const RegistrationError& error) {
            return error.what();
        }
        return "(no error)";
    }

    testsupport::TempFolder tempFolder;
    const fs::path temp = tempFolder.Path();
};

TEST_F(RegistrationTest, FolderPathFallsBackUnlessXdgRuntimeDirIsAbsolute) {
    // An absolute one is walked by every test that runs act-standin.
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string fallback = "/tmp/act-standin-" + std::to_string(::geteuid());
    ::setenv("XDG_RUNTIME_DIR", "relative/dir", 1);
    EXPECT_EQ(RegistrationFolderPath(), fs::path(fallback));
    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(RegistrationFolderPath(), fs::path(fallback));
    if (saved != nullptr) {
        ::setenv("XDG_RUNTIME_DIR", saved, 1);
    }
}

TEST_F(RegistrationTest, FolderIsCreatedPrivateAndRefusedWhenOthersCouldHaveWritten) {
    const mode_t old = ::umask(0277);
    const fs::path folder = OpenRegistrationFolder(temp / "act-standin");
    ::umask(old);
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);

    fs::create_directory(temp / "open");
    ::chmod((temp / "open").c_str(), 0755);
    EXPECT_THAT(RefusalOf(temp / "open"),
                HasSubstr("is accessible to group or others (mode 0755)"));
    EXPECT_THROW(RegistrationFolderExists(temp / "open"), RegistrationError);
    WriteFile(temp / "file", "x");
    EXPECT_THAT(RefusalOf(temp / "file"), HasSubstr("is not a directory"));
    fs::create_directory_symlink(folder, temp / "link");
    EXPECT_THAT(RefusalOf(temp / "link"), HasSubstr("is a symbolic link"));

    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving a folder to another user needs root";
    }
    fs::create_directory(temp / "foreign");
    ::chmod((temp / "foreign").c_str(), 0700);
    ASSERT_EQ(::chown((temp / "foreign").c_str(), 12345, 12345), 0);
    EXPECT_THAT(RefusalOf(temp / "foreign"), HasSubstr("is owned by user 12345"));
}

TEST_F(RegistrationTest, EntryTextRoundTripsAndMalformedTextIsRejected) {
    WindowEntry entry = EntryOf(321, 9, 123456);
    entry.databasePath = "/data/odd\nname\\with\rall\0.dbf\0x"s;
    entry.visible = false;
    const std::string text = FormatWindowEntry(entry);
    EXPECT_EQ(ParseWindowEntry(text), entry);

    EXPECT_FALSE(ParseWindowEntry(text.substr(0, text.size() - 1))); // cut short
    const std::pair<std::string, std::string> faults[] = {
        {"pid=321", "pid=-3"},
        {"socket=", "socket=../"},
        {"act-standin-window 1", "act-standin-window 2"}};
    for (const auto& [from, to] : faults) {
        std::string changed = text;
        EXPECT_FALSE(ParseWindowEntry(changed.replace(changed.find(from), from.size(), to))) << to;
    }
}

// Listed, visible, with its class and caption while it lasts, and gone after: ActStandInRunTest,
// through the window search over these calls.
TEST_F(RegistrationTest, RegistrationIsAWindowUntilItEnds) {
    const fs::path folder = OpenRegistrationFolder(temp / "reg");
    RegisteredWindows windows(folder);
    const HWND self = ::getpid();
    {
        WindowRegistration registration(folder, EntryOf(0, 0));
        registration.Update("ACT! - Other", false, "/data/other.dbf");
        EXPECT_FALSE(windows.IsWindowVisible(self));
        EXPECT_EQ(windows.Registry().FindLive(self)->databasePath, "/data/other.dbf");
    }
    EXPECT_FALSE(windows.IsWindow(self));
}

TEST_F(RegistrationTest, StaleEntriesAndZombiesAreIgnoredAndCleanedUp) {
    const std::int32_t zombie = EndedChild(false);
    EXPECT_FALSE(IsProcessAlive({zombie, 0}));
    ::waitpid(zombie, nullptr, 0);
    EXPECT_TRUE(IsProcessAlive(CurrentProcess()));

    const fs::path folder = OpenRegistrationFolder(temp / "reg");
    Place(folder, EntryOf(EndedChild(), 1));
    // This process under an older start time: its pid was reused.
    Place(folder, EntryOf(::getpid(), 2, CurrentProcess().startTime + 1));
    WriteFile(folder / SocketNameFor({EndedChild(), 77}), ""); // socket nobody serves
    WriteFile(folder / (std::to_string(EndedChild()) + ".window"), "half a fi");
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

TEST_F(RegistrationTest, FifoEntryAndHeldLockNeitherHangNorOutlastAStopRequest) {
    const fs::path folder = OpenRegistrationFolder(temp / "reg");
    SleepingChild alive;
    ASSERT_EQ(::mkfifo((folder / (std::to_string(alive.Pid()) + ".window")).c_str(), 0600), 0);
    RegisteredWindows windows(folder);
    EXPECT_TRUE(Enumerate(windows).empty());
    { WindowRegistration registration(folder, EntryOf(0, 0)); }

    // Another program holds the lock: registering waits, and gives up once asked to stop.
    const int lock = ::open((folder / ".lock").c_str(), O_RDWR);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    int stop[2];
    ASSERT_EQ(::pipe(stop), 0);
    ASSERT_EQ(::write(stop[1], "x", 1), 1);
    try {
        WindowRegistration registration(folder, EntryOf(0, 0), stop[0]);
        ADD_FAILURE() << "registered while the lock was held";
    } catch (const RegistrationError& error) {
        EXPECT_THAT(error.what(), HasSubstr("stopped while waiting to lock"));
    }
    EXPECT_TRUE(Enumerate(windows).empty());
    for (const int fd : {lock, stop[0], stop[1]}) {
        ::close(fd);
    }
}

} // namespace
} // namespace veltrano::win32
