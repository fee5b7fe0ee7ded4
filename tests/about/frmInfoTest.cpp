#include "about/frmInfo.h"
#include "platform/forms/ScriptedForms.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace veltrano::about {
namespace {

// Records the URLs handed to the shell.
class UrlShell32 final : public win32::Shell32 {
public:
    struct Launch {
        std::int32_t hwnd;
        std::string file;
        int show;
    };
    std::vector<Launch> launches;
    std::int32_t ShellExecuteA(std::int32_t hwnd, const std::optional<std::string>&,
                               const std::string& file, const std::optional<std::string>&,
                               const std::optional<std::string>&, int show) override {
        launches.push_back({hwnd, file, show});
        return 2; // failing launches must close the box too
    }
    bool ShellExecuteExA(win32::SHELLEXECUTEINFO&) override { return false; }
    bool GetExitCodeProcess(std::int32_t, std::uint32_t&) override { return false; }
    bool CloseHandle(std::int32_t) override { return false; }
};

class frmInfoTest : public ::testing::Test {
protected:
    forms::ScriptedForms forms;
    UrlShell32 shell;
    winsvc::clShellExecute launcher{shell, forms};
    frmInfo form{forms, launcher, "https://www.veltrano.example/"};

    void SetUp() override { form.Load(); }
    void Tick(int times) {
        for (int i = 0; i < times; ++i) {
            form.Timer1_Timer();
        }
    }
};

TEST_F(frmInfoTest, VersionCaptionComesFromTheRuntimesVersion) {
    forms.SetVersion({1, 0, 18});
    frmInfo fresh(forms, launcher);
    fresh.Load();
    EXPECT_EQ(fresh.lbVersionCaption(), "Version 1.0.0.18");
    EXPECT_EQ(VersionCaption({12, 3, 0}), "Version 12.3.0.0");
}

TEST_F(frmInfoTest, LinkShowsTheAddressWithoutScheme) {
    EXPECT_EQ(form.lbMSCaption(), "www.veltrano.example");
    EXPECT_EQ(form.lbMSTag(), "https://www.veltrano.example/");
    EXPECT_EQ(LinkCaptionOf("http://x.example/path"), "x.example/path");
    EXPECT_EQ(LinkCaptionOf("x.example"), "x.example");
}

TEST_F(frmInfoTest, ScrollRunsFromZeroTo375AndStartsAgain) {
    EXPECT_EQ(form.ScrollOffset(), 0);
    Tick(375);
    EXPECT_EQ(form.ScrollOffset(), 375);
    Tick(1);
    EXPECT_EQ(form.ScrollOffset(), 0);
    Tick(376);
    EXPECT_EQ(form.ScrollOffset(), 0);
}

TEST_F(frmInfoTest, NewBoxStartsAtTheTop) {
    Tick(100);
    frmInfo next(forms, launcher);
    next.Load();
    EXPECT_EQ(next.ScrollOffset(), 0);
}

TEST_F(frmInfoTest, LinkClickLaunchesTheAddressAndCloses) {
    form.lbMS_Click(1234);
    ASSERT_EQ(shell.launches.size(), 1u);
    EXPECT_EQ(shell.launches[0].hwnd, 1234);
    EXPECT_EQ(shell.launches[0].file, "https://www.veltrano.example/");
    EXPECT_EQ(shell.launches[0].show, 10);
    EXPECT_TRUE(form.Unloaded());
    EXPECT_TRUE(forms.Messages().empty());
}

TEST(ScrollTextLinesTest, FitTheRowsThatScroll) {
    const auto& lines = ScrollTextLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_FALSE(lines.front().text.empty()); // the box opens with text in view
    EXPECT_LE(static_cast<int>(lines.size()) * kScrollLineHeight, kLastScrollOffset + 1);
}

} // namespace
} // namespace veltrano::about
