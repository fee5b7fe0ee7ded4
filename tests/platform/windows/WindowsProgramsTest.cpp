// act-standin.exe and veltrano-cli.exe end to end on Windows: stand-in databases in a folder with
// a non-ASCII name, UTF-8 arguments and output, the login from options, variables and registry.

#include "platform/actole/standin/SampleDatabase.h"
#include "support/BinDir.h"
#include "support/TempFolder.h"
#include "support/windows/ChildProcess.h"
#include "support/windows/TestHelpers.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <windows.h>

#include <functional>

namespace veltrano::testsupport {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class WindowsProgramsTest : public ::testing::Test {
protected:
    WindowsProgramsTest() {
        fs::create_directory(folder);
        const auto created = Run("act-standin.exe", {"create", sample, "--sample"});
        EXPECT_EQ(created.status, 0u) << created.err;
    }

    ProgramRun Run(const std::string& program, const std::vector<std::string>& args,
                   const EnvironmentChanges& environment = {}) const {
        EnvironmentChanges clean{{"VELTRANO_USER", std::nullopt},
                                 {"VELTRANO_PASSWORD", std::nullopt}};
        for (const auto& [name, value] : environment) {
            clean[name] = value;
        }
        return RunProgram(fs::absolute(BinDir()) / program, args, clean);
    }
    ProgramRun Survey(const std::vector<std::string>& options,
                      const EnvironmentChanges& environment = {}) const {
        std::vector<std::string> args{"survey", sample};
        args.insert(args.end(), options.begin(), options.end());
        return Run("veltrano-cli.exe", args, environment);
    }

    TempFolder temp;
    const fs::path folder = temp.Path() / u8"B\u00FCr\u00F6 \u20AC";
    const std::string sample = Utf8(folder / "sample.dbf");
    const std::vector<std::string> login{"--user", std::string(ole::standin::kSampleUserName),
                                         "--password", std::string(ole::standin::kSamplePassword)};
};

TEST_F(WindowsProgramsTest, StandInCreatesAndDumpsUnderNonAsciiNames) {
    EXPECT_TRUE(fs::is_regular_file(folder / "sample.dbf"));
    const auto dump = Run("act-standin.exe", {"dump", sample});
    ASSERT_EQ(dump.status, 0u) << dump.err;
    EXPECT_NE(dump.out.find("File: " + sample + "\n"), std::string::npos) << dump.out;
    EXPECT_NE(dump.out.find("Chris Miller"), std::string::npos);

    const std::string copy = Utf8(folder / u8"\u65E5\u672C.txt");
    EXPECT_EQ(Run("act-standin.exe", {"dump", sample, "--output", copy}).status, 0u);
    EXPECT_EQ(Run("act-standin.exe", {"dump", sample, "--output", copy}).status, 1u); // exists
    EXPECT_EQ(Run("act-standin.exe", {"create", sample, "--sample"}).status, 1u);
    EXPECT_EQ(Run("act-standin.exe", {"create", sample, "--sample", "--force"}).status, 0u);
}

TEST_F(WindowsProgramsTest, SurveyPrintsTheOutlineAndTheSameTreeAsJson) {
    const auto outline = Survey(login);
    const auto jsonRun = Survey({"--json", "--user", "chris miller", "--password", "sales"});
    ASSERT_EQ(outline.status, 0u) << outline.err;
    ASSERT_EQ(jsonRun.status, 0u) << jsonRun.err;
    EXPECT_EQ(outline.err, "");
    const std::string start = "Sales Team\n  Tables\n    Contact\n      Fields\n"
                              "        Company\n          Type = String\n";
    EXPECT_EQ(outline.out.substr(0, start.size()), start);
    EXPECT_EQ(outline.out.find('\r'), std::string::npos);

    const json root = json::parse(jsonRun.out);
    EXPECT_EQ(root.at("key"), sample);
    std::string text;
    std::function<void(const json&, std::size_t)> walk = [&](const json& node, std::size_t depth) {
        text += std::string(depth * 2, ' ') + node.at("text").get<std::string>() + "\n";
        for (const auto& child : node.at("children")) {
            walk(child, depth + 1);
        }
    };
    walk(root, 0);
    EXPECT_EQ(text, outline.out);
}

TEST_F(WindowsProgramsTest, LoginComesFromOptionsVariablesOrTheRegistry) {
    const auto wrong = Survey({"--user", "Chris Miller", "--password", "SALES"});
    EXPECT_EQ(wrong.status, 1u);
    EXPECT_EQ(wrong.out, "");
    EXPECT_EQ(wrong.err, "Login failed.\nPlease enter your username and password for\n"
                         "the ACT! database " +
                             sample + "\n");

    const auto variables =
        Survey({}, {{"VELTRANO_USER", "Chris Miller"}, {"VELTRANO_PASSWORD", "sales"}});
    EXPECT_EQ(variables.status, 0u) << variables.err;

    // What the window remembers, where it keeps it.
    const wchar_t* key = L"Software\\VB and VBA Program Settings\\Veltrano\\options";
    ::RegSetKeyValueW(HKEY_CURRENT_USER, key, L"username", REG_SZ, L"Chris Miller",
                      sizeof L"Chris Miller");
    ::RegSetKeyValueW(HKEY_CURRENT_USER, key, L"userpassword", REG_SZ, L"sales", sizeof L"sales");
    const auto remembered = Survey({});
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Veltrano");
    EXPECT_EQ(remembered.status, 0u) << remembered.err;
    EXPECT_EQ(remembered.out.substr(0, 11), "Sales Team\n");
}

} // namespace
} // namespace veltrano::testsupport
