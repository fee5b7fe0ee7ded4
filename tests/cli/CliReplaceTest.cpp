// veltrano-cli replace: the changed cells, and the file written only with --save.

#include "CliFixture.h"

namespace veltrano::testsupport {
namespace {

const std::string kChanges =
    "Name\tEntry Trigger\tc:\\old\\a.exe c:\\old\\b.exe\td:\\new\\a.exe d:\\new\\b.exe\n"
    "Phone\tExit Trigger\tc:\\old\\dial.exe\td:\\new\\dial.exe\n";

class CliReplaceTest : public CliTest {
protected:
    CliResult Replace(const std::vector<std::string>& options) {
        // The table name may be given in any ASCII case.
        return Run(std::vector<std::string>{"replace", file.string(), "--table", "contact",
                                            "--search", "c:\\old", "--replace", "d:\\new"} +
                   options + kTeamLogin);
    }
    std::filesystem::path file = WriteTeamDatabase();
};

TEST_F(CliReplaceTest, WithoutSaveTheFileStaysAsItWas) {
    const std::string before = ReadFileBytes(file);
    const auto result = Replace({});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, kChanges);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(ReadFileBytes(file), before);
}

TEST_F(CliReplaceTest, SaveWritesTheChangedTriggersAndReportsTheCount) {
    const std::string before = ReadFileBytes(file);
    const auto result = Replace({"--save"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, kChanges);
    EXPECT_EQ(result.err, "2 changes were saved.\n");
    EXPECT_NE(ReadFileBytes(file), before);

    const auto survey = Run(std::vector<std::string>{"survey", file.string()} + kTeamLogin);
    EXPECT_NE(survey.out.find("EntryTrigger = d:\\new\\a.exe d:\\new\\b.exe\n"), std::string::npos);
    EXPECT_NE(survey.out.find("ExitTrigger = d:\\new\\dial.exe\n"), std::string::npos);
    EXPECT_EQ(survey.out.find("c:\\old"), std::string::npos);

    // Nothing left to replace: no lines, and Save writes nothing.
    const std::string saved = ReadFileBytes(file);
    const auto again = Replace({"--save"});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, "");
    EXPECT_EQ(again.err, "0 changes were saved.\n");
    EXPECT_EQ(ReadFileBytes(file), saved);
}

} // namespace
} // namespace veltrano::testsupport
