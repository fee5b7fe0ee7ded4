#include "platform/win32/services/LinuxShell32.h"
#include "platform/forms/ScriptedForms.h"
#include "winsvc/clShellExecute.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace veltrano::win32 {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class TempDir {
public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "veltrano-shell-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteScript(const fs::path& file, const std::string& body) {
    std::ofstream(file) << "#!/bin/sh\n" << body << "\n";
    fs::permissions(file, fs::perms::owner_all);
}

// Waits until `done` holds, at most five seconds.
template <typename Done> bool WaitFor(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

// Our children that ended and were not reaped.
int ZombieChildren() {
    int zombies = 0;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line)) {
            continue;
        }
        const std::size_t close = line.rfind(')');
        if (close == std::string::npos) {
            continue;
        }
        std::istringstream rest(line.substr(close + 2));
        char state = 0;
        int ppid = 0;
        rest >> state >> ppid;
        zombies += (state == 'Z' && ppid == ::getpid()) ? 1 : 0;
    }
    return zombies;
}

class LinuxShell32Test : public ::testing::Test {
protected:
    TempDir temp;
    fs::path log = temp.path() / "opener.log";
    fs::path opener = temp.path() / "opener";
    forms::ScriptedForms forms;

    // An opener that writes its arguments to the log and exits with `status`.
    LinuxShell32::Options Opener(int status) {
        WriteScript(opener, "printf '%s\\n' \"$@\" >> '" + log.string() + "'\nexit " +
                                std::to_string(status));
        return {opener.string(), 5000ms};
    }
};

TEST_F(LinuxShell32Test, MissingFileAndMissingFolder) {
    LinuxShell32 shell(Opener(0));
    const std::string missingFile = (temp.path() / "missing.txt").string();
    const std::string missingFolder = (temp.path() / "nowhere" / "file.txt").string();
    EXPECT_EQ(shell.ShellExecuteA(0, "open", missingFile, std::nullopt, std::nullopt, 10),
              SE_ERR_FNF);
    EXPECT_EQ(shell.ShellExecuteA(0, std::nullopt, missingFolder, std::nullopt, std::nullopt, 10),
              SE_ERR_PNF);
    EXPECT_EQ(shell.ShellExecuteA(0, "open", "/bin/true", std::nullopt,
                                  (temp.path() / "nowhere").string(), 10),
              SE_ERR_PNF);
    EXPECT_EQ(shell.ShellExecuteA(0, std::nullopt, "", std::nullopt, std::nullopt, 10), SE_ERR_FNF);
    EXPECT_FALSE(fs::exists(log)); // nothing reached the opener
}

TEST_F(LinuxShell32Test, DocumentsFoldersAndAddressesGoToTheOpener) {
    LinuxShell32 shell(Opener(0));
    const fs::path document = temp.path() / "notes.txt";
    std::ofstream(document) << "x";
    winsvc::clShellExecute launcher(shell, forms);
    EXPECT_EQ(launcher.LaunchEmail(0, "someone"), -1);
    EXPECT_EQ(launcher.LaunchURL(0, "https://www.veltrano.example/", 10), -1);
    EXPECT_FALSE(launcher.StillExecuting());
    EXPECT_EQ(launcher.LaunchFolder(0, temp.path().string()), -1);
    EXPECT_EQ(launcher.Explore(0, temp.path().string()), -1);
    EXPECT_EQ(launcher.LaunchDocument(0, "notes.txt", temp.path().string()), -1);
    EXPECT_FALSE(launcher.StillExecuting()); // the opener has ended
    EXPECT_EQ(ReadFile(log), "mailto:someone\nhttps://www.veltrano.example/\n" +
                                 temp.path().string() + "\n" + temp.path().string() + "\n" +
                                 document.string() + "\n");
    EXPECT_EQ(launcher.PrintDocument(0, document.string()), SE_ERR_NOASSOC);
}

TEST_F(LinuxShell32Test, OpenerFailuresMapToShellValues) {
    {
        LinuxShell32 shell(Opener(2));
        EXPECT_EQ(shell.ShellExecuteA(0, std::nullopt, "https://x.example/", std::nullopt,
                                      std::nullopt, 10),
                  SE_ERR_FNF);
    }
    {
        LinuxShell32 shell(Opener(3));
        EXPECT_EQ(shell.ShellExecuteA(0, std::nullopt, "https://x.example/", std::nullopt,
                                      std::nullopt, 10),
                  SE_ERR_NOASSOC);
    }
    LinuxShell32 noOpener({(temp.path() / "no-such-opener").string(), 1000ms});
    EXPECT_EQ(noOpener.ShellExecuteA(0, std::nullopt, "mailto:a", std::nullopt, std::nullopt, 10),
              SE_ERR_NOASSOC);
}

TEST_F(LinuxShell32Test, StillExecutingFollowsAStartedProgram) {
    LinuxShell32 shell(Opener(0));
    winsvc::clShellExecute launcher(shell, forms);
    EXPECT_FALSE(launcher.StillExecuting());
    ASSERT_EQ(launcher.LaunchProgram(0, "/bin/sleep", "1"), -1);
    EXPECT_NE(launcher.LastProcess(), 0);
    EXPECT_TRUE(launcher.StillExecuting());
    EXPECT_TRUE(WaitFor([&] { return !launcher.StillExecuting(); }));
    std::uint32_t code = 99;
    EXPECT_TRUE(shell.GetExitCodeProcess(launcher.LastProcess(), code));
    EXPECT_EQ(code, 0u);
}

TEST_F(LinuxShell32Test, ProgramGetsItsWordsAndFolderWithoutAShell) {
    LinuxShell32 shell(Opener(0));
    const fs::path out = temp.path() / "args.txt";
    const fs::path injected = temp.path() / "injected";
    WriteScript(temp.path() / "args.sh", "pwd > args.txt\nprintf '%s\\n' \"$@\" >> args.txt\n"
                                         "exit 7");
    SHELLEXECUTEINFO info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpVerb = "Open";
    info.lpFile = "args.sh";
    info.lpParameters = "\"a b\" 'c\"d' $(touch " + injected.string() + ")";
    info.lpDirectory = temp.path().string();
    ASSERT_TRUE(shell.ShellExecuteExA(info));
    EXPECT_EQ(info.hInstApp, kShellSuccess);
    std::uint32_t code = 0;
    EXPECT_TRUE(WaitFor(
        [&] { return shell.GetExitCodeProcess(info.hProcess, code) && code != STILL_ACTIVE; }));
    EXPECT_EQ(code, 7u);
    EXPECT_EQ(ReadFile(out),
              temp.path().string() + "\na b\nc\"d\n$(touch\n" + injected.string() + ")\n");
    EXPECT_FALSE(fs::exists(injected));
    EXPECT_TRUE(shell.CloseHandle(info.hProcess));
    EXPECT_FALSE(shell.GetExitCodeProcess(info.hProcess, code));
    EXPECT_FALSE(shell.CloseHandle(info.hProcess));
}

TEST_F(LinuxShell32Test, BareProgramNameIsFoundInPathAndEnvironmentIsExpanded) {
    LinuxShell32 shell(Opener(0));
    ::setenv("VELTRANO_TEST_DIR", temp.path().c_str(), 1);
    SHELLEXECUTEINFO info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_DOENVSUBST;
    info.lpVerb = "open";
    info.lpFile = "touch";
    info.lpParameters = "made-here";
    info.lpDirectory = "%VELTRANO_TEST_DIR%";
    ASSERT_TRUE(shell.ShellExecuteExA(info));
    std::uint32_t code = STILL_ACTIVE;
    EXPECT_TRUE(WaitFor(
        [&] { return shell.GetExitCodeProcess(info.hProcess, code) && code != STILL_ACTIVE; }));
    EXPECT_TRUE(fs::exists(temp.path() / "made-here"));
}

TEST_F(LinuxShell32Test, NoZombieIsLeftBehind) {
    {
        LinuxShell32 shell(Opener(0));
        // Started without a handle to keep, and with a handle closed while it runs.
        EXPECT_EQ(shell.ShellExecuteA(0, "open", "/bin/true", std::nullopt, std::nullopt, 10),
                  kShellSuccess);
        SHELLEXECUTEINFO info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS;
        info.lpFile = "/bin/sleep";
        info.lpParameters = "0.3";
        ASSERT_TRUE(shell.ShellExecuteExA(info));
        EXPECT_TRUE(shell.CloseHandle(info.hProcess));
        std::uint32_t code = 0;
        EXPECT_FALSE(shell.GetExitCodeProcess(info.hProcess, code));
        // And one still running when the shell object goes away.
        info.lpParameters = "0.3";
        ASSERT_TRUE(shell.ShellExecuteExA(info));
    }
    std::this_thread::sleep_for(600ms);
    EXPECT_TRUE(WaitFor([] { return ZombieChildren() == 0; }));
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
