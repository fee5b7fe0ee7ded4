// veltrano-cli replace: the changed cells, and the file written only with --save.

#include "CliFixture.h"

namespace veltrano::testsupport {
namespace {

// The cells are written before the save, so a save run prints what the dry run printed.
TEST_F(CliTest, ReplaceListsTheChangedCellsAndWritesTheFileOnlyWithSave) {
    const auto file = WriteTeamDatabase();
    // The table name may be given in any ASCII case.
    const Args replace = Args{"replace",  file.string(), "--table",   "contact",
                              "--search", "c:\\old",     "--replace", "d:\\new"} +
                         kTeamLogin;
    const std::string original = ReadBytes(file);
    const auto dryRun = Run(replace);
    EXPECT_EQ(dryRun.status, 0) << dryRun.err;
    EXPECT_EQ(dryRun.out, "Name\tEntry Trigger\tc:\\old\\a.exe c:\\old\\b.exe\td:\\new\\a.exe "
                          "d:\\new\\b.exe\n"
                          "Phone\tExit Trigger\tc:\\old\\dial.exe\td:\\new\\dial.exe\n");
    EXPECT_EQ(dryRun.err, "");
    EXPECT_TRUE(ReadBytes(file) == original);

    // A committed save whose output fails says so in its status.
    stdoutTo = "/dev/full";
    const auto saved = Run(replace + Args{"--save"});
    EXPECT_EQ(saved.status, 3);
    EXPECT_EQ(saved.err, "2 changes were saved.\nveltrano-cli: the output could not be written\n");
    stdoutTo.clear();
    const auto survey = Run(Args{"survey", file.string()} + kTeamLogin);
    EXPECT_NE(survey.out.find("EntryTrigger = d:\\new\\a.exe d:\\new\\b.exe\n"), std::string::npos);
    EXPECT_NE(survey.out.find("ExitTrigger = d:\\new\\dial.exe\n"), std::string::npos);
}

} // namespace
} // namespace veltrano::testsupport
