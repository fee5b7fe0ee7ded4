#include "platform/win32/linux/LinuxComDlg32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veltrano::win32 {
namespace {

using namespace std::string_literals;

OPENFILENAME Record(std::uint32_t size = 40) {
    OPENFILENAME ofn;
    ofn.lStructSize = 76;
    ofn.lpstrFile = ofn.lpstrFileTitle = std::string(size, '\0');
    ofn.nMaxFile = ofn.nMaxFileTitle = size;
    return ofn;
}

// Title, filter, default extension and flags of the open dialog: see the Survey Database tests.
TEST(LinuxComDlg32Test, RequestCarriesTheRecordsSettings) {
    OPENFILENAME ofn = Record();
    ofn.lpstrInitialDir = "/data";
    ofn.lpstrFilter = "ACT! database (*.dbf)\0*.dbf\0All (*)\0*\0\0"s;
    ofn.nFilterIndex = 2;
    ofn.lpstrFile = "start.dbf" + std::string(31, '\0');
    const forms::FileDialogRequest request = RequestOf(ofn, false);
    EXPECT_FALSE(request.open);
    EXPECT_EQ(request.initialDir, "/data");
    EXPECT_EQ(request.initialName, "start.dbf");
    EXPECT_EQ(request.filters.size(), 2u);
    EXPECT_EQ(request.filterIndex, 2);
}

TEST(LinuxComDlg32Test, AnswerFillsTheBuffersOrIsRefusedWhenItDoesNotFit) {
    OPENFILENAME ofn = Record(30);
    ofn.lpstrFile = "a-much-longer-initial-name.dbf";
    ASSERT_TRUE(WriteAnswer(ofn, {"/home/u/Contacts.dbf"}));
    EXPECT_EQ(ofn.lpstrFile, "/home/u/Contacts.dbf" + std::string(10, '\0'));
    EXPECT_EQ(ofn.lpstrFileTitle, "Contacts.dbf" + std::string(18, '\0'));

    OPENFILENAME small = Record(10);
    small.lpstrFile = "keep" + std::string(6, '\0');
    EXPECT_FALSE(WriteAnswer(small, {"/123456789"})); // 10 characters and the NUL
    EXPECT_EQ(small.lpstrFile, "keep" + std::string(6, '\0'));
    EXPECT_TRUE(WriteAnswer(small, {"/12345678"}));
    EXPECT_FALSE(WriteAnswer(small, {}));
}

} // namespace
} // namespace veltrano::win32
