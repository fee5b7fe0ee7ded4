// veltrano-cli replace: the changed cells, and the file written only with --save.

#include "CliFixture.h"

namespace veltrano::testsupport {
namespace {

TEST_F(CliTest, ReplaceListsTheChangedCellsAndWritesTheFileOnlyWithSave) {
    const auto file = WriteTeamDatabase();
    const auto replace = [&](const Args& options) {
        // The table name may be given in any ASCII case.
        return Run(Args{"replace", file.string(), "--table", "contact", "--search", "c:\\old",
                        "--replace", "d:\\new"} +
                   options + kTeamLogin);
    };
    const std::string changes =
        "Name\tEntry Trigger\tc:\\old\\a.exe c:\\old\\b.exe\td:\\new\\a.exe "
        "d:\\new\\b.exe\n"
        "Phone\tExit Trigger\tc:\\old\\dial.exe\td:\\new\\dial.exe\n";
    const std::string original = ReadFileBytes(file);
    const auto dryRun = replace({});
    EXPECT_EQ(dryRun.status, 0) << dryRun.err;
    EXPECT_EQ(dryRun.out, changes);
    EXPECT_EQ(dryRun.err, "");
    EXPECT_TRUE(ReadFileBytes(file) == original);

    const auto saved = replace({"--save"});
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, changes);
    EXPECT_EQ(saved.err, "2 changes were saved.\n");
    const auto survey = Run(Args{"survey", file.string()} + kTeamLogin);
    EXPECT_NE(survey.out.find("EntryTrigger = d:\\new\\a.exe d:\\new\\b.exe\n"), std::string::npos);
    EXPECT_NE(survey.out.find("ExitTrigger = d:\\new\\dial.exe\n"), std::string::npos);
    EXPECT_EQ(survey.out.find("c:\\old"), std::string::npos);
}

TEST_F(CliTest, CommittedSaveWhoseOutputFailsSaysSoInItsStatus) {
    const auto file = WriteTeamDatabase();
    const Args replace = Args{"replace",  file.string(), "--table",   "Contact",
                              "--search", "c:\\old",     "--replace", "d:\\new"} +
                         kTeamLogin;
    stdoutTo = "/dev/full";
    const auto saved = Run(replace + Args{"--save"});
    EXPECT_EQ(saved.status, 3);
    EXPECT_EQ(saved.err, "2 changes were saved.\nveltrano-cli: the output could not be written\n");
}

} // namespace
} // namespace veltrano::testsupport
