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

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <functional>
#include <thread>

namespace veltrano::testsupport {
namespace {

namespace fs = std::filesystem;

constexpr int kLengthColumn = 3;

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// Polls until the condition holds; false after about ten seconds.
bool Eventually(const std::function<bool()>& condition) {
    for (int attempt = 0; attempt < 500; ++attempt) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// The visible top-level window of the process with this class and caption.
HWND WindowOf(const HelperProcess& program, const wchar_t* windowClass, const wchar_t* caption) {
    for (HWND window = ::FindWindowExW(nullptr, nullptr, windowClass, caption); window != nullptr;
         window = ::FindWindowExW(nullptr, window, windowClass, caption)) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        if (process == program.Id() && ::IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

int PaddedNumber(const std::wstring& text) {
    return text.empty() ? 0 : std::stoi(text);
}

class WindowProgramTest : public ::testing::Test {
protected:
    WindowProgramTest() {
        const auto created =
            RunProgram(fs::absolute(BinDir()) / "act-standin.exe", {"create", sample, "--sample"});
        EXPECT_EQ(created.status, 0u) << created.err;
    }

    std::vector<std::wstring> Column(HWND list, int column) const {
        std::vector<std::wstring> cells;
        const auto rows = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < rows; ++row) {
            cells.push_back(ListCellText(list, row, column));
        }
        return cells;
    }

    TempFolder temp;
    const std::string sample = Utf8(temp.Path() / "sample.dbf");
};

TEST_F(WindowProgramTest, LogsInShowsAFieldsListSortsByAHeaderClickAndCloses) {
    HelperProcess program(fs::absolute(BinDir()) / "veltrano.exe", {sample});

    HWND login = nullptr;
    ASSERT_TRUE(Eventually([&] { return (login = WindowOf(program, L"#32770", L"ACT! login")); }));
    ::SetDlgItemTextW(
        login, IDC_LOGIN_NAME,
        std::wstring(ole::standin::kSampleUserName.begin(), ole::standin::kSampleUserName.end())
            .c_str());
    ::SetDlgItemTextW(
        login, IDC_LOGIN_PASSWORD,
        std::wstring(ole::standin::kSamplePassword.begin(), ole::standin::kSamplePassword.end())
            .c_str());
    ::PostMessageW(login, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);

    HWND window = nullptr;
    ASSERT_TRUE(Eventually(
        [&] { return (window = WindowOf(program, win32ui::kMainWindowClass, L"Veltrano")); }));
    HWND tree = ::GetDlgItem(window, IDC_MAIN_TREE);
    HWND list = ::GetDlgItem(window, IDC_MAIN_LIST);
    HWND header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    ASSERT_TRUE(Eventually([&] {
        return ::SendMessageW(tree, TVM_GETCOUNT, 0, 0) > 0 && ::IsWindowEnabled(tree);
    })) << "the survey did not fill the tree";

    HTREEITEM root = TreeChild(tree, nullptr,
                               TreeItemText(tree, reinterpret_cast<HTREEITEM>(::SendMessageW(
                                                      tree, TVM_GETNEXTITEM, TVGN_ROOT, 0))));
    HTREEITEM fields =
        TreeChild(tree, TreeChild(tree, TreeChild(tree, root, L"Tables"), L"Contact"), L"Fields");
    ASSERT_NE(fields, nullptr);
    ::SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(fields));
    const RECT label = TreeItemTextRect(tree, fields);
    PostClick(tree, {(label.left + label.right) / 2, (label.top + label.bottom) / 2});

    ASSERT_TRUE(Eventually([&] {
        return ::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) == 16 &&
               ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 24 && ::IsWindowEnabled(list);
    })) << "the click on Fields did not show the Fields list";
    EXPECT_EQ(TreeItemText(tree, reinterpret_cast<HTREEITEM>(
                                     ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0))),
              L"Fields");

    // Sorted by name as it is filled; the padded numbers keep their blanks.
    std::vector<std::wstring> names = Column(list, 0);
    // The list's own comparison: the texts ignoring ASCII case.
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](const auto& a, const auto& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(),
            [](wchar_t x, wchar_t y) { return std::towlower(x) < std::towlower(y); });
    }));
    EXPECT_NE(std::find(names.begin(), names.end(), L"Company"), names.end());
    for (const std::wstring& id : Column(list, 1)) {
        EXPECT_EQ(id.size(), 5u) << "ID cell \"" << std::string(id.begin(), id.end()) << "\"";
    }
    EXPECT_NE(HeaderItem(header, 0).fmt & HDF_IMAGE, 0);

    // A click on "Length" sorts by it ascending; the image stands left of the right-aligned
    // text, and the name column loses its image.
    const RECT length = HeaderItemRect(header, kLengthColumn);
    PostClick(header, {(length.left + length.right) / 2, (length.top + length.bottom) / 2});
    ASSERT_TRUE(
        Eventually([&] { return (HeaderItem(header, kLengthColumn).fmt & HDF_IMAGE) != 0; }));
    const HDITEMW ascending = HeaderItem(header, kLengthColumn);
    EXPECT_EQ(ascending.fmt, HDF_STRING | HDF_RIGHT | HDF_IMAGE);
    EXPECT_EQ(ascending.iImage, 0);
    EXPECT_EQ(HeaderItem(header, 0).fmt & HDF_IMAGE, 0);
    std::vector<int> lengths;
    for (const std::wstring& cell : Column(list, kLengthColumn)) {
        lengths.push_back(PaddedNumber(cell));
    }
    EXPECT_TRUE(std::is_sorted(lengths.begin(), lengths.end()));
    EXPECT_LT(lengths.front(), lengths.back());

    // A second click reverses the order and turns the image.
    PostClick(header, {(length.left + length.right) / 2, (length.top + length.bottom) / 2});
    ASSERT_TRUE(Eventually([&] { return HeaderItem(header, kLengthColumn).iImage == 1; }));
    lengths.clear();
    for (const std::wstring& cell : Column(list, kLengthColumn)) {
        lengths.push_back(PaddedNumber(cell));
    }
    EXPECT_TRUE(std::is_sorted(lengths.rbegin(), lengths.rend()));

    ::PostMessageW(window, WM_CLOSE, 0, 0);
    const auto exit = program.WaitExit(std::chrono::seconds(10));
    ASSERT_TRUE(exit.has_value()) << "the window did not close";
    EXPECT_EQ(*exit, 0u);
}

} // namespace
} // namespace veltrano::testsupport
