#include "platform/win32/linux/LinuxShell32.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace veltrano::win32 {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

void WriteScript(const fs::path& file, const std::string& body) {
    std::ofstream(file) << "#!/bin/sh\n" << body << "\n";
    fs::permissions(file, fs::perms::owner_all);
}

// Waits until `done` holds, at most five seconds.
template <typename Done> bool WaitFor(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
    }
    return done();
}

// Whether a child of ours ended and was not reaped; WNOWAIT leaves it to its reaper.
bool ZombieChild() {
    siginfo_t info{};
    return ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid != 0;
}

class LinuxShell32Test : public ::testing::Test {
protected:
    testsupport::TempFolder temp;
    fs::path log = temp.Path() / "opener.log";
    fs::path opener = temp.Path() / "opener";

    // An opener that writes its arguments to the log and exits with `status`.
    LinuxShell32::Options Opener(int status) {
        WriteScript(opener, "printf '%s\\n' \"$@\" >> '" + log.string() + "'\nexit " +
                                std::to_string(status));
        return {opener.string(), 5000ms};
    }
    // Starts `info` with a kept handle and waits for its exit code.
    static std::uint32_t RunToEnd(LinuxShell32& shell, SHELLEXECUTEINFO& info) {
        info.fMask |= SEE_MASK_NOCLOSEPROCESS;
        EXPECT_TRUE(shell.ShellExecuteExA(info));
        std::uint32_t code = STILL_ACTIVE;
        EXPECT_TRUE(WaitFor(
            [&] { return shell.GetExitCodeProcess(info.hProcess, code) && code != STILL_ACTIVE; }));
        return code;
    }
};

// Addresses, folders and documents go to the opener, whose status decides the result.
TEST_F(LinuxShell32Test, OpenerGetsAddressesFoldersAndDocumentsAndFailuresMapToShellValues) {
    struct Case {
        int openerStatus;
        std::optional<std::string> verb;
        std::string file;
        std::optional<std::string> directory;
        std::int32_t result;
    };
    const std::string folder = temp.Path().string();
    const std::string missing = (temp.Path() / "nowhere").string();
    std::ofstream(temp.Path() / "notes.txt") << "x";
    const Case cases[] = {
        {0, std::nullopt, "mailto:someone", std::nullopt, kShellSuccess},
        {0, "explore", folder, std::nullopt, kShellSuccess},
        {0, "Open", "notes.txt", folder, kShellSuccess},
        {0, "print", folder + "/notes.txt", std::nullopt, SE_ERR_NOASSOC},
        {0, "open", folder + "/missing.txt", std::nullopt, SE_ERR_FNF},
        {0, "open", missing + "/file.txt", std::nullopt, SE_ERR_PNF},
        {0, "open", "/bin/true", missing, SE_ERR_PNF},
        {0, "open", "", std::nullopt, SE_ERR_FNF},
        {2, "open", "https://x.example/", std::nullopt, SE_ERR_FNF},
        {3, "open", "https://x.example/", std::nullopt, SE_ERR_NOASSOC},
    };
    for (const Case& c : cases) {
        LinuxShell32 shell(Opener(c.openerStatus));
        EXPECT_EQ(shell.ShellExecuteA(0, c.verb, c.file, std::nullopt, c.directory, 10), c.result)
            << c.file;
    }
    EXPECT_EQ(testsupport::ReadBytes(log),
              "mailto:someone\n" + folder + "\n" + folder +
                  "/notes.txt\nhttps://x.example/\nhttps://x.example/\n");
    LinuxShell32 noOpener({(temp.Path() / "no-such-opener").string(), 1000ms});
    EXPECT_EQ(noOpener.ShellExecuteA(0, std::nullopt, "mailto:a", std::nullopt, std::nullopt, 10),
              SE_ERR_NOASSOC);
}

TEST_F(LinuxShell32Test, ProgramGetsItsWordsAndFolderWithoutAShell) {
    LinuxShell32 shell(Opener(0));
    const fs::path injected = temp.Path() / "injected";
    WriteScript(temp.Path() / "args.sh",
                "pwd > args.txt\nprintf '%s\\n' \"$@\" >> args.txt\nexit 7");
    SHELLEXECUTEINFO info;
    info.lpVerb = "Open";
    info.lpFile = "args.sh";
    info.lpParameters = "\"a b\" 'c\"d' $(touch " + injected.string() + ")";
    info.lpDirectory = temp.Path().string();
    EXPECT_EQ(RunToEnd(shell, info), 7u);
    EXPECT_EQ(info.hInstApp, kShellSuccess);
    EXPECT_EQ(testsupport::ReadBytes(temp.Path() / "args.txt"),
              temp.Path().string() + "\na b\nc\"d\n$(touch\n" + injected.string() + ")\n");
    EXPECT_FALSE(fs::exists(injected));
}

TEST_F(LinuxShell32Test, NoZombieIsLeftBehind) {
    {
        LinuxShell32 shell(Opener(0));
        // Started without a handle to keep, with a handle closed while it runs, and one still
        // running when the shell object goes away; bare names are looked up in PATH.
        EXPECT_EQ(shell.ShellExecuteA(0, "open", "true", std::nullopt, std::nullopt, 10),
                  kShellSuccess);
        SHELLEXECUTEINFO info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS;
        info.lpFile = "sleep";
        info.lpParameters = "0.3";
        ASSERT_TRUE(shell.ShellExecuteExA(info));
        EXPECT_TRUE(shell.CloseHandle(info.hProcess));
        ASSERT_TRUE(shell.ShellExecuteExA(info));
    }
    std::this_thread::sleep_for(600ms);
    EXPECT_TRUE(WaitFor([] { return !ZombieChild(); }));
}

TEST_F(LinuxShell32Test, OpenerThatStaysIsTakenAsStarted) {
    WriteScript(opener, "sleep 2");
    LinuxShell32 shell({opener.string(), 100ms});
    SHELLEXECUTEINFO info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpFile = "mailto:someone";
    ASSERT_TRUE(shell.ShellExecuteExA(info));
    std::uint32_t code = 0;
    ASSERT_TRUE(shell.GetExitCodeProcess(info.hProcess, code));
    EXPECT_EQ(code, STILL_ACTIVE);
}

} // namespace
} // namespace veltrano::win32
