// Replacing small files on Windows: whole old or whole new content, new folders, non-ASCII
// names, and reading a bounded head.

#include "platform/forms/AtomicFile.h"
#include "support/TempFolder.h"
#include "support/windows/TestHelpers.h"

#include <gtest/gtest.h>

namespace veltrano::forms {
namespace {

namespace fs = std::filesystem;
using testsupport::ReadBytes;

TEST(AtomicFileWindowsTest, ReplacesAndCreatesFilesLeavingNothingBeside) {
    testsupport::TempFolder temp;
    const fs::path file = temp.Path() / u8"B\u00FCr\u00F6" / u8"neu" / u8"Veltrano \u20AC.ini";
    ReplaceFilePrivately(file, "first\r\n");
    EXPECT_EQ(ReadBytes(file), "first\r\n");
    ReplaceFilePrivately(file, std::string(100000, 'y'));
    EXPECT_EQ(ReadBytes(file), std::string(100000, 'y'));
    ReplaceFilePrivately(file, "");
    EXPECT_EQ(ReadBytes(file), "");
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()),
              1);
}

TEST(AtomicFileWindowsTest, AFailedReplacementKeepsTheOldFile) {
    testsupport::TempFolder temp;
    const fs::path file = temp.File("settings.ini");
    ReplaceFilePrivately(file, "old\n");
    fs::create_directory(temp.File("folder.ini"));
    // A folder cannot be replaced by a file.
    EXPECT_THROW(ReplaceFilePrivately(temp.File("folder.ini"), "new\n"), std::system_error);
    EXPECT_TRUE(fs::is_directory(temp.File("folder.ini")));
    EXPECT_EQ(ReadBytes(file), "old\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.Path()), fs::directory_iterator()), 2);
}

TEST(AtomicFileWindowsTest, ReadsAHeadOfWholeLines) {
    testsupport::TempFolder temp;
    EXPECT_EQ(ReadFileHead(temp.File("missing.ini"), 100), std::nullopt);
    EXPECT_EQ(ReadFileHead(temp.File("no folder") / "missing.ini", 100), std::nullopt);
    const fs::path file = temp.Path() / u8"\u65E5.ini";
    ReplaceFilePrivately(file, "one\ntwo\nthree");
    EXPECT_EQ(ReadFileHead(file, 100), "one\ntwo\nthree");
    EXPECT_EQ(ReadFileHead(file, 10), "one\ntwo\n");
    EXPECT_EQ(ReadFileHead(file, 3), "");
    EXPECT_THROW(ReadFileHead(temp.Path(), 10), std::system_error); // a folder
}

} // namespace
} // namespace veltrano::forms
