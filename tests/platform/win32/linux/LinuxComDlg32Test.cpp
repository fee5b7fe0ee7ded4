#include "platform/win32/linux/LinuxComDlg32.h"
#include "support/ScriptedForms.h"
#include "winsvc/clFileDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veltrano::win32 {
namespace {

using namespace std::string_literals;

OPENFILENAME Record(std::uint32_t flags, std::uint32_t size = 40) {
    OPENFILENAME ofn;
    ofn.lStructSize = 76;
    ofn.Flags = flags;
    ofn.lpstrFile = ofn.lpstrFileTitle = std::string(size, '\0');
    ofn.nMaxFile = ofn.nMaxFileTitle = size;
    return ofn;
}

TEST(LinuxComDlg32Test, RequestCarriesTheRecordsSettings) {
    OPENFILENAME ofn = Record(OFN_FILEMUSTEXIST);
    ofn.lpstrTitle = "Open ACT! database";
    ofn.lpstrInitialDir = "/data";
    ofn.lpstrDefExt = "*.dbf";
    ofn.lpstrFilter = "ACT! database (*.dbf)\0*.dbf\0All (*)\0*\0\0"s;
    ofn.nFilterIndex = 2;
    ofn.lpstrFile = "start.dbf" + std::string(31, '\0');
    const forms::FileDialogRequest request = RequestOf(ofn, true);
    EXPECT_TRUE(request.open);
    EXPECT_EQ(request.title, "Open ACT! database");
    EXPECT_EQ(request.initialDir, "/data");
    EXPECT_EQ(request.initialName, "start.dbf");
    EXPECT_EQ(request.defaultExt, "dbf");
    const std::vector<std::pair<std::string, std::string>> filters = {
        {"ACT! database (*.dbf)", "*.dbf"}, {"All (*)", "*"}};
    EXPECT_EQ(request.filters, filters);
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_TRUE(request.fileMustExist);
    EXPECT_FALSE(request.multiSelect);
    EXPECT_TRUE(RequestOf(Record(OFN_ALLOWMULTISELECT), false).multiSelect);
    ofn.lpstrFilter = "\0\0"s;
    EXPECT_TRUE(RequestOf(ofn, true).filters.empty());
}

TEST(LinuxComDlg32Test, AnswerFillsTheBuffersOrIsRefusedWhenItDoesNotFit) {
    OPENFILENAME ofn = Record(0, 30);
    ofn.lpstrFile = "a-much-longer-initial-name.dbf";
    ASSERT_TRUE(WriteAnswer(ofn, {"/home/u/Contacts.dbf"}));
    EXPECT_EQ(ofn.lpstrFile, "/home/u/Contacts.dbf" + std::string(10, '\0'));
    EXPECT_EQ(ofn.lpstrFileTitle, "Contacts.dbf" + std::string(18, '\0'));
    EXPECT_EQ(ofn.nFileOffset, 8);
    EXPECT_EQ(ofn.nFileExtension, 17);

    OPENFILENAME explorer = Record(OFN_ALLOWMULTISELECT | OFN_EXPLORER, 24);
    ASSERT_TRUE(WriteAnswer(explorer, {"/data/a.dbf", "/data/b.dbf"}));
    EXPECT_EQ(explorer.lpstrFile, "/data\0a.dbf\0b.dbf\0\0"s + std::string(5, '\0'));
    EXPECT_EQ(explorer.nFileOffset, 6);
    OPENFILENAME oldStyle = Record(OFN_ALLOWMULTISELECT, 24);
    ASSERT_TRUE(WriteAnswer(oldStyle, {"/data/a.dbf", "/data/b.dbf"}));
    EXPECT_EQ(oldStyle.lpstrFile, "/data a.dbf b.dbf\0"s + std::string(6, '\0'));

    OPENFILENAME small = Record(0, 10);
    small.lpstrFile = "keep" + std::string(6, '\0');
    EXPECT_FALSE(WriteAnswer(small, {"/123456789"})); // 10 characters and the NUL
    EXPECT_EQ(small.lpstrFile, "keep" + std::string(6, '\0'));
    EXPECT_TRUE(WriteAnswer(small, {"/12345678"}));
    EXPECT_FALSE(WriteAnswer(small, {}));
}

// The Survey Database tests take the dialog's title, filter and cancel through this layer.
TEST(FileDialogOverFormsTest, AnswersReachThePropertiesUnlessTooLongForTheBuffer) {
    testsupport::ScriptedForms forms;
    LinuxComDlg32 comdlg{forms};
    winsvc::clFileDialog dialog{comdlg, forms};
    forms.QueueFileDialog(std::vector<std::string>{"/srv/act/Sales Team.dbf"});
    ASSERT_TRUE(dialog.Show(true));
    EXPECT_EQ(dialog.FileName(), "/srv/act/Sales Team.dbf");
    EXPECT_EQ(dialog.FileTitle(), "Sales Team.dbf");

    dialog.FileName("before.dbf");
    dialog.MaxFileSize(12);
    forms.QueueFileDialog(std::vector<std::string>{"/far/too/long/a/path.dbf"});
    EXPECT_FALSE(dialog.Show(false));
    EXPECT_EQ(dialog.FileName(), "before.dbf");
    EXPECT_EQ(forms.FileDialogsShown().at(1).initialName, "before.dbf");
    EXPECT_FALSE(forms.FileDialogsShown()[1].open);
    EXPECT_TRUE(forms.Messages().empty());
}

} // namespace
} // namespace veltrano::win32
