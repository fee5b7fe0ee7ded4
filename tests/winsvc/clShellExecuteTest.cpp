#include "winsvc/clShellExecute.h"
#include "platform/forms/ScriptedForms.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace veltrano::winsvc {
namespace {

struct ShellCall {
    std::optional<std::string> verb;
    std::string file;
    std::optional<std::string> parameters;
    std::optional<std::string> directory;
    int show = 0;
    bool extended = false;
    bool operator==(const ShellCall&) const = default;
};

// Answers every launch with `value`; extended launches get process handles that run until
// `Finish`.
class RecordingShell32 final : public win32::Shell32 {
public:
    std::int32_t value = 42;
    bool fail = false;
    std::vector<ShellCall> calls;
    std::vector<win32::SHELLEXECUTEINFO> records;
    std::map<std::int32_t, bool> running; // open handles
    std::set<std::int32_t> closed;

    void Finish(std::int32_t handle) { running.at(handle) = false; }

    std::int32_t ShellExecuteA(std::int32_t, const std::optional<std::string>& verb,
                               const std::string& file,
                               const std::optional<std::string>& parameters,
                               const std::optional<std::string>& directory, int show) override {
        if (fail) {
            throw std::runtime_error("shell gone");
        }
        calls.push_back({verb, file, parameters, directory, show, false});
        return value;
    }
    bool ShellExecuteExA(win32::SHELLEXECUTEINFO& info) override {
        records.push_back(info);
        calls.push_back({info.lpVerb, info.lpFile.value_or(""), info.lpParameters, info.lpDirectory,
                         info.nShow, true});
        info.hInstApp = value;
        if (value > 32) {
            info.hProcess = nextHandle_;
            running[nextHandle_] = true;
            nextHandle_ += 4;
        }
        return value > 32;
    }
    bool GetExitCodeProcess(std::int32_t process, std::uint32_t& exitCode) override {
        const auto it = running.find(process);
        if (it == running.end()) {
            return false;
        }
        exitCode = it->second ? win32::STILL_ACTIVE : 0;
        return true;
    }
    bool CloseHandle(std::int32_t handle) override {
        closed.insert(handle);
        return running.erase(handle) == 1;
    }

private:
    std::int32_t nextHandle_ = 8;
};

class clShellExecuteTest : public ::testing::Test {
protected:
    RecordingShell32 shell;
    forms::ScriptedForms forms;
};

TEST_F(clShellExecuteTest, ResultCodeMapsSuccessToMinusOne) {
    clShellExecute launcher(shell, forms);
    shell.value = 33;
    EXPECT_EQ(launcher.LaunchURL(1, "https://example.org/"), -1);
    shell.value = 32;
    EXPECT_EQ(launcher.LaunchURL(1, "https://example.org/"), 32);
    shell.value = 2;
    EXPECT_EQ(launcher.LaunchFolder(1, "/nowhere"), 2);
    shell.value = -5; // signed comparison: not a success
    EXPECT_EQ(launcher.Explore(1, "/tmp"), -5);
    shell.value = 31;
    EXPECT_EQ(launcher.LaunchDocument(1, "a.xyz", ""), 31); // hInstApp of the record
}

TEST_F(clShellExecuteTest, EachOperationMakesItsShellCall) {
    clShellExecute launcher(shell, forms);
    launcher.Explore(1, "/f");
    launcher.LaunchEmail(1, "someone");
    launcher.LaunchFolder(1, "/f", 3);
    launcher.LaunchURL(1, "https://example.org/");
    launcher.PrintDocument(1, "d.txt");
    launcher.LaunchDocument(1, "d.txt", "/start");
    launcher.LaunchProgram(1, "/bin/prog", "-x y", "/start", 1);
    const std::vector<ShellCall> expected = {
        {"explore", "/f", std::nullopt, std::nullopt, 10, false},
        {std::nullopt, "mailto:someone", std::nullopt, std::nullopt, 10, false},
        {"open", "/f", std::nullopt, std::nullopt, 3, false},
        {std::nullopt, "https://example.org/", std::nullopt, std::nullopt, 10, false},
        {"print", "d.txt", std::nullopt, std::nullopt, 0, false},
        {"Open", "d.txt", "", "/start", 10, true},
        {"Open", "/bin/prog", "-x y", "/start", 1, true},
    };
    EXPECT_EQ(shell.calls, expected);
    ASSERT_EQ(shell.records.size(), 2u);
    EXPECT_EQ(shell.records[0].cbSize, 60u);
    EXPECT_EQ(shell.records[0].fMask, 0x240u);
    EXPECT_EQ(shell.records[0].hwnd, 1);
}

TEST_F(clShellExecuteTest, ExtendedLaunchIsRememberedUntilTheNextOperation) {
    clShellExecute launcher(shell, forms);
    EXPECT_FALSE(launcher.StillExecuting());

    launcher.LaunchProgram(1, "/bin/prog");
    EXPECT_EQ(launcher.LastInstance(), 42);
    const std::int32_t first = launcher.LastProcess();
    EXPECT_NE(first, 0);
    EXPECT_TRUE(launcher.StillExecuting());
    shell.Finish(first);
    EXPECT_FALSE(launcher.StillExecuting());

    launcher.LaunchDocument(1, "d.txt", "");
    EXPECT_TRUE(shell.closed.contains(first)); // the replaced handle is released
    EXPECT_TRUE(launcher.StillExecuting());
    const std::int32_t second = launcher.LastProcess();

    launcher.LaunchURL(1, "https://example.org/");
    EXPECT_TRUE(shell.closed.contains(second));
    EXPECT_EQ(launcher.LastInstance(), 0);
    EXPECT_EQ(launcher.LastProcess(), 0);
    EXPECT_FALSE(launcher.StillExecuting());
}

TEST_F(clShellExecuteTest, DestructorReleasesTheKeptHandle) {
    {
        clShellExecute launcher(shell, forms);
        launcher.LaunchProgram(1, "/bin/prog");
    }
    EXPECT_EQ(shell.closed.size(), 1u);
    EXPECT_TRUE(shell.running.empty());
}

TEST_F(clShellExecuteTest, RunTimeErrorIsReportedUnderTheOperationsName) {
    clShellExecute launcher(shell, forms);
    shell.fail = true;
    EXPECT_EQ(launcher.LaunchEmail(1, "someone"), clShellExecute::kErrorResult);
    const std::vector<forms::MessageCall> expected = {
        {"Error: 51. shell gone", forms::vbExclamation, "LaunchEmail"}};
    EXPECT_EQ(forms.Messages(), expected);
}

} // namespace
} // namespace veltrano::winsvc
