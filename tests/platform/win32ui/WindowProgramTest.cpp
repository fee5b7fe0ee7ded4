// veltrano.exe end to end on a stand-in database: the login through the dialog, a click on a
// Fields node, the list read back through LVM_GETITEMTEXTW, a header click that sorts and sets
// the sort image, and closing. Needs a display (Xvfb under wine).

// The core's headers come before windows.h, whose macros share names with their constants.
#include "platform/actole/standin/SampleDatabase.h"
#include "platform/win32ui/MainWindow.h"

#include "RemoteControls.h"
#include "platform/win32ui/Resources.h"
#include "support/BinDir.h"
#include "support/TempFolder.h"
#include "support/windows/ChildProcess.h"
#include "support/windows/TestHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace veltrano::testsupport {
namespace {

namespace fs = std::filesystem;

constexpr int kLengthColumn = 3;

TEST(WindowProgramTest, LogsInShowsAFieldsListSortsByAHeaderClickAndCloses) {
    TempFolder temp;
    ole::standin::WriteSampleDatabase(temp.Path() / "sample.dbf");
    HelperProcess program(fs::absolute(BinDir()) / "veltrano.exe",
                          {Utf8(temp.Path() / "sample.dbf")});

    HWND login = nullptr;
    ASSERT_TRUE(Eventually(
        [&] { return (login = VisibleWindowOf(program.Id(), L"#32770", L"ACT! login")); }));
    for (const auto& [id, text] : {std::pair{IDC_LOGIN_NAME, ole::standin::kSampleUserName},
                                   std::pair{IDC_LOGIN_PASSWORD, ole::standin::kSamplePassword}}) {
        ::SetDlgItemTextW(login, id, std::wstring(text.begin(), text.end()).c_str());
    }
    ::PostMessageW(login, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);

    HWND window = nullptr;
    ASSERT_TRUE(Eventually([&] {
        return (window = VisibleWindowOf(program.Id(), win32ui::kMainWindowClass, L"Veltrano"));
    }));
    HWND tree = ::GetDlgItem(window, IDC_MAIN_TREE);
    HWND list = ::GetDlgItem(window, IDC_MAIN_LIST);
    HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    ASSERT_TRUE(Eventually([&] {
        return ::SendMessageW(tree, TVM_GETCOUNT, 0, 0) > 0 && ::IsWindowEnabled(tree);
    })) << "the survey did not fill the tree";

    const auto root =
        reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    HTREEITEM fields =
        TreeChild(tree, TreeChild(tree, TreeChild(tree, root, L"Tables"), L"Contact"), L"Fields");
    ASSERT_NE(fields, nullptr);
    ::SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(fields));
    ClickCentre(tree, TreeItemTextRect(tree, fields));

    ASSERT_TRUE(Eventually([&] {
        return ::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) == 16 &&
               ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 24 && ::IsWindowEnabled(list);
    })) << "the click on Fields did not show the Fields list";
    // A click on "Length" sorts by it ascending and sets the image there (the header item's
    // bits and a second click's reversal: ListDrawingTest, ListSortTest).
    ClickCentre(header, HeaderItemRect(header, kLengthColumn));
    ASSERT_TRUE(
        Eventually([&] { return (HeaderItem(header, kLengthColumn).fmt & HDF_IMAGE) != 0; }));
    std::vector<int> lengths; // padded numbers; fields without a length show none
    for (int row = 0; row < 24; ++row) {
        const std::wstring cell = ListCellText(list, row, kLengthColumn);
        lengths.push_back(cell.empty() ? 0 : std::stoi(cell));
    }
    EXPECT_TRUE(std::is_sorted(lengths.begin(), lengths.end()));
    EXPECT_LT(lengths.front(), lengths.back());

    ::PostMessageW(window, WM_CLOSE, 0, 0);
    const auto exit = program.WaitExit(std::chrono::seconds(10));
    ASSERT_TRUE(exit.has_value()) << "the window did not close";
    EXPECT_EQ(*exit, 0u);
}

} // namespace
} // namespace veltrano::testsupport
