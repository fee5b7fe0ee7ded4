#include "winsvc/clShellExecute.h"
#include "support/RecordingShell32.h"
#include "support/ScriptedForms.h"

#include <gtest/gtest.h>

namespace veltrano::winsvc {
namespace {

using testsupport::ShellCall;

class clShellExecuteTest : public ::testing::Test {
protected:
    testsupport::RecordingShell32 shell;
    testsupport::ScriptedForms forms;
    clShellExecute launcher{shell, forms};
};

TEST_F(clShellExecuteTest, ResultCodeMapsSuccessToMinusOne) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {{33, -1}, {32, 32}, {2, 2}, {-5, -5}};
    for (const auto& [value, result] : cases) {
        shell.value = value; // -5: signed comparison, not a success
        EXPECT_EQ(launcher.LaunchURL(1, "https://example.org/"), result) << value;
        EXPECT_EQ(launcher.LaunchDocument(1, "a.xyz", ""), result) << value; // from hInstApp
    }
}

// Mail and web addresses and documents reach the opener in LinuxShell32Test, which sees no verbs
// and show styles: these are the ones that differ.
TEST_F(clShellExecuteTest, EachOperationMakesItsShellCall) {
    launcher.Explore(1, "/f");
    launcher.LaunchFolder(1, "/f", 3);
    launcher.PrintDocument(1, "d.txt");
    launcher.LaunchProgram(1, "/bin/prog", "-x y", "/start", 1);
    const auto none = std::nullopt;
    const std::vector<ShellCall> expected = {
        {1, "explore", "/f", none, none, 10, false},
        {1, "open", "/f", none, none, 3, false},
        {1, "print", "d.txt", none, none, 0, false},
        {1, "Open", "/bin/prog", "-x y", "/start", 1, true},
    };
    EXPECT_EQ(shell.calls, expected);
}

// Following a real process is checked by the Linux shell's tests; here the handles' release.
TEST_F(clShellExecuteTest, ExtendedLaunchIsKeptUntilTheNextOperationOrTheEnd) {
    launcher.LaunchProgram(1, "/bin/prog");
    const std::int32_t first = launcher.LastProcess();
    launcher.LaunchDocument(1, "d.txt", "");
    EXPECT_TRUE(shell.closed.contains(first)); // the replaced handle is released
    const std::int32_t second = launcher.LastProcess();
    launcher.LaunchURL(1, "https://example.org/");
    EXPECT_TRUE(shell.closed.contains(second));
    EXPECT_EQ(launcher.LastInstance() | launcher.LastProcess(), 0);

    {
        clShellExecute another(shell, forms);
        another.LaunchProgram(1, "/bin/prog");
    }
    EXPECT_TRUE(shell.running.empty()); // the destructor released its handle
}

TEST_F(clShellExecuteTest, RunTimeErrorIsReportedUnderTheOperationsName) {
    shell.fail = true;
    EXPECT_EQ(launcher.LaunchEmail(1, "someone"), clShellExecute::kErrorResult);
    const std::vector<testsupport::MessageCall> expected = {
        {"Error: 51. shell gone", forms::vbExclamation, "LaunchEmail"}};
    EXPECT_EQ(forms.Messages(), expected);
}

} // namespace
} // namespace veltrano::winsvc
