// The file dialog of Windows, driven like a user would: a second thread finds the dialog, types
// into its file name box and presses OK or Cancel. Needs a display (Xvfb under wine).

#include "platform/win32/windows/WindowsComDlg32.h"
#include "support/TempFolder.h"
#include "support/windows/TestHelpers.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <future>

namespace veltrano::win32 {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using testsupport::Utf8;

constexpr int kFileNameCombo = 0x047C; // cmb13
constexpr int kFileNameEdit = 0x0480;  // edt1

// Waits for the dialog with this title, types the name (unless cancel) and closes it.
std::future<bool> Answer(const std::wstring& title, const std::wstring& name, bool cancel) {
    return std::async(std::launch::async, [=] {
        HWND dialog = nullptr;
        if (!testsupport::Eventually(
                [&] { return (dialog = ::FindWindowW(L"#32770", title.c_str())) != nullptr; },
                std::chrono::seconds(30))) {
            return false;
        }
        if (!cancel) {
            ::SetDlgItemTextW(dialog, kFileNameCombo, name.c_str());
            ::SetDlgItemTextW(dialog, kFileNameEdit, name.c_str());
        }
        ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(cancel ? IDCANCEL : IDOK, BN_CLICKED), 0);
        return true;
    });
}

class WindowsComDlg32Test : public ::testing::Test {
protected:
    WindowsComDlg32Test() { std::ofstream(temp.Path() / u8"B\u00FCr\u00F6 \u20AC.dbf") << "x"; }

    // The record as the dialog class builds it.
    OPENFILENAME Record(std::uint32_t flags, std::uint32_t size = 260) const {
        OPENFILENAME ofn;
        ofn.lStructSize = kRecordSizeWithoutReserved;
        ofn.lpstrFilter = "ACT! database (*.dbf)\0*.dbf\0All files\0*.*\0\0"s;
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = std::string(size, '\0');
        ofn.nMaxFile = size;
        ofn.lpstrFileTitle = std::string(size, '\0');
        ofn.nMaxFileTitle = size;
        ofn.lpstrInitialDir = Utf8(temp.Path());
        ofn.lpstrTitle = title;
        ofn.Flags = flags;
        ofn.lpstrDefExt = "dbf";
        return ofn;
    }

    testsupport::TempFolder temp;
    const std::string title = "Veltrano test " + std::to_string(::GetCurrentProcessId());
    const std::wstring wideTitle = std::wstring(title.begin(), title.end());
    WindowsComDlg32 comdlg;
};

TEST_F(WindowsComDlg32Test, OneFileComesBackAsItsPathInUtf8) {
    OPENFILENAME ofn = Record(OFN_FILEMUSTEXIST | OFN_EXPLORER);
    auto answered = Answer(wideTitle, L"B\u00FCr\u00F6 \u20AC.dbf", false);
    EXPECT_NE(comdlg.GetOpenFileNameA(ofn), 0);
    ASSERT_TRUE(answered.get());

    const std::string path = Utf8(temp.Path() / u8"B\u00FCr\u00F6 \u20AC.dbf");
    const std::string name = "B\xC3\xBCr\xC3\xB6 \xE2\x82\xAC.dbf";
    EXPECT_EQ(ofn.lpstrFile, path + std::string(260 - path.size(), '\0'));
    EXPECT_EQ(ofn.lpstrFileTitle.substr(0, name.size() + 1), name + '\0');
    EXPECT_EQ(comdlg.CommDlgExtendedError(), 0u);
}

TEST_F(WindowsComDlg32Test, CancelAndTooLongAnswersLeaveTheBuffersAlone) {
    OPENFILENAME ofn = Record(OFN_EXPLORER);
    ofn.lpstrFile = "initial.dbf"s + std::string(249, '\0');
    const OPENFILENAME before = ofn;
    auto answered = Answer(wideTitle, L"", true);
    EXPECT_EQ(comdlg.GetOpenFileNameA(ofn), 0);
    ASSERT_TRUE(answered.get());
    EXPECT_EQ(comdlg.CommDlgExtendedError(), 0u);
    EXPECT_EQ(ofn.lpstrFile, before.lpstrFile);
    EXPECT_EQ(ofn.lpstrFileTitle, before.lpstrFileTitle);

    // An answer longer than the buffer is refused.
    OPENFILENAME small = Record(OFN_EXPLORER, 8);
    auto tooLong = Answer(wideTitle, L"Sales.dbf", false);
    EXPECT_EQ(comdlg.GetOpenFileNameA(small), 0);
    ASSERT_TRUE(tooLong.get());
    EXPECT_EQ(comdlg.CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);
    EXPECT_EQ(small.lpstrFile, std::string(8, '\0'));
}

} // namespace
} // namespace veltrano::win32
