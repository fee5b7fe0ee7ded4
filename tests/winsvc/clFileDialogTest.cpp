#include "winsvc/clFileDialog.h"
#include "support/ScriptedForms.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace veltrano::winsvc {
namespace {

using namespace std::string_literals;

// Keeps the record of each call and answers through `answer`, which may fill the buffers.
class ScriptedComDlg32 final : public win32::ComDlg32 {
public:
    std::function<std::int32_t(win32::OPENFILENAME&)> answer = [](auto&) { return 0; };
    std::vector<win32::OPENFILENAME> records;
    std::vector<bool> openCalls;

    std::int32_t GetOpenFileNameA(win32::OPENFILENAME& ofn) override { return Call(ofn, true); }
    std::int32_t GetSaveFileNameA(win32::OPENFILENAME& ofn) override { return Call(ofn, false); }

private:
    std::int32_t Call(win32::OPENFILENAME& ofn, bool open) {
        records.push_back(ofn);
        openCalls.push_back(open);
        return answer(ofn);
    }
};

class clFileDialogTest : public ::testing::Test {
protected:
    ScriptedComDlg32 comdlg;
    testsupport::ScriptedForms forms;
    clFileDialog dialog{comdlg, forms};

    // The dialog writes over the start of the buffers and answers `result`.
    void Answer(const std::string& file, const std::string& title, std::int32_t result = 1) {
        comdlg.answer = [=](win32::OPENFILENAME& ofn) {
            ofn.lpstrFile.replace(0, file.size(), file);
            ofn.lpstrFileTitle.replace(0, title.size(), title);
            return result;
        };
    }
};

TEST_F(clFileDialogTest, ConversionsAtTheirBoundaries) {
    EXPECT_EQ(ConvertFilter(""), "\0\0"s);
    EXPECT_EQ(ConvertFilter("All files (*.*)|*.*|Text (*.txt)|*.txt"),
              "All files (*.*)\0*.*\0Text (*.txt)\0*.txt\0\0"s);
    EXPECT_EQ(MakeReturnBuffer("abcdef", 4), "abc\0"s); // cut to keep a terminating NUL
    EXPECT_EQ(MakeReturnBuffer("abc", 4), "abc\0"s);
    EXPECT_EQ(TrimNullsText("\0abc\0\0"s, true), "");
    EXPECT_EQ(TrimNullsText("abc", false), "abc"); // no terminator: taken whole
    EXPECT_EQ(TrimNullsText("a\0b\0\0"s, false), "a");
    EXPECT_EQ(TrimNullsText("a\0b"s, true), "a b");
    EXPECT_EQ(TrimNullsText("a\0b\0"s, true), "a b"); // the buffer's end closes the last name
}

// The filter and the other properties the record carries are seen through the Survey Database
// tests; the buffers' contents through the conversions above.
TEST_F(clFileDialogTest, AnswerComesBackWithoutNulsCancelKeepsTheProperties) {
    dialog.FileName("mine.dbf");
    dialog.MaxFileSize(20);
    Answer("C:\\data\0a.dbf\0b.dbf\0\0"s, "a.dbf\0"s, 0);
    EXPECT_FALSE(dialog.Show(false));
    EXPECT_EQ(comdlg.records.at(0).lpstrFile, "mine.dbf" + std::string(12, '\0'));
    EXPECT_EQ(dialog.FileName(), "mine.dbf");

    Answer("C:\\data\0a.dbf\0b.dbf\0\0"s, "a.dbf\0"s);
    dialog.Flags(static_cast<std::int32_t>(win32::OFN_ALLOWMULTISELECT)); // without Explorer: one
    ASSERT_TRUE(dialog.Show(true));
    EXPECT_EQ(dialog.FileName(), "C:\\data");
    EXPECT_EQ(dialog.FileTitle(), "a.dbf");
    dialog.Flags(static_cast<std::int32_t>(win32::OFN_ALLOWMULTISELECT | win32::OFN_EXPLORER));
    ASSERT_TRUE(dialog.Show(true));
    EXPECT_EQ(dialog.FileName(), "C:\\data a.dbf b.dbf");
    EXPECT_EQ(comdlg.openCalls, (std::vector<bool>{false, true, true}));
    EXPECT_TRUE(forms.Messages().empty());
}

TEST_F(clFileDialogTest, RunTimeErrorsAreReportedUnderShowAndReturnFalse) {
    dialog.FileName("keep");
    comdlg.answer = [](win32::OPENFILENAME&) -> std::int32_t {
        throw std::runtime_error("dialog broke");
    };
    EXPECT_FALSE(dialog.Show(true));
    dialog.MaxFileSize(0); // no room for even the terminating NUL
    EXPECT_FALSE(dialog.Show(true));
    EXPECT_EQ(comdlg.records.size(), 1u);
    EXPECT_EQ(dialog.FileName(), "keep");
    const std::vector<testsupport::MessageCall> expected = {
        {"Error: 51. dialog broke", forms::vbExclamation, "Show"},
        {"Error: 5. Invalid procedure call or argument", forms::vbExclamation, "Show"}};
    EXPECT_EQ(forms.Messages(), expected);
}

} // namespace
} // namespace veltrano::winsvc
