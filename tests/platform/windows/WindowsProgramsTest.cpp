// act-standin.exe and veltrano-cli.exe on Windows: UTF-8 arguments naming files in a folder with a
// non-ASCII name, and the login from the registry. The output of veltrano-cli against the Linux
// build's, byte for byte: scripts/compare-windows-cli.sh.

#include "platform/actole/standin/SampleDatabase.h"
#include "support/BinDir.h"
#include "support/TempFolder.h"
#include "support/windows/ChildProcess.h"
#include "support/windows/TestHelpers.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace veltrano::testsupport {
namespace {

namespace fs = std::filesystem;

class WindowsProgramsTest : public ::testing::Test {
protected:
    WindowsProgramsTest() {
        fs::create_directory(folder);
        const auto created = Run("act-standin.exe", {"create", sample, "--sample"});
        EXPECT_EQ(created.status, 0u) << created.err;
    }

    ProgramRun Run(const std::string& program, const std::vector<std::string>& args) const {
        return RunProgram(fs::absolute(BinDir()) / program, args,
                          {{"VELTRANO_USER", std::nullopt}, {"VELTRANO_PASSWORD", std::nullopt}});
    }

    TempFolder temp;
    const fs::path folder = temp.Path() / u8"B\u00FCr\u00F6 \u20AC";
    const std::string sample = Utf8(folder / "sample.dbf");
};

TEST_F(WindowsProgramsTest, StandInDumpsUnderNonAsciiNames) {
    const auto dump = Run("act-standin.exe", {"dump", sample});
    ASSERT_EQ(dump.status, 0u) << dump.err;
    EXPECT_NE(dump.out.find("File: " + sample + "\n"), std::string::npos) << dump.out;
    EXPECT_NE(dump.out.find("Chris Miller"), std::string::npos);

    const fs::path copy = folder / u8"\u65E5\u672C.txt";
    EXPECT_EQ(Run("act-standin.exe", {"dump", sample, "--output", Utf8(copy)}).status, 0u);
    EXPECT_TRUE(fs::is_regular_file(copy));
}

TEST_F(WindowsProgramsTest, LoginComesFromTheRegistryAndAWrongOneIsRefused) {
    const auto wrong = Run("veltrano-cli.exe",
                           {"survey", sample, "--user", "Chris Miller", "--password", "SALES"});
    EXPECT_EQ(wrong.status, 1u);
    EXPECT_EQ(wrong.out, "");
    EXPECT_EQ(wrong.err, "Login failed.\nPlease enter your username and password for\n"
                         "the ACT! database " +
                             sample + "\n");

    // What the window remembers, where it keeps it.
    const wchar_t* key = L"Software\\VB and VBA Program Settings\\Veltrano\\options";
    ::RegSetKeyValueW(HKEY_CURRENT_USER, key, L"username", REG_SZ, L"Chris Miller",
                      sizeof L"Chris Miller");
    ::RegSetKeyValueW(HKEY_CURRENT_USER, key, L"userpassword", REG_SZ, L"sales", sizeof L"sales");
    const auto remembered = Run("veltrano-cli.exe", {"survey", sample});
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Veltrano");
    EXPECT_EQ(remembered.status, 0u) << remembered.err;
    EXPECT_EQ(remembered.out.substr(0, 11), "Sales Team\n");
}

} // namespace
} // namespace veltrano::testsupport
