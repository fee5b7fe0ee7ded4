#include "about/frmInfo.h"
#include "support/RecordingShell32.h"
#include "support/ScriptedForms.h"

#include <gtest/gtest.h>

namespace veltrano::about {
namespace {

// The scroll and the key and mouse handlers are driven by the Qt test of the box.
class frmInfoTest : public ::testing::Test {
protected:
    testsupport::ScriptedForms forms;
    testsupport::RecordingShell32 shell;
    winsvc::clShellExecute launcher{shell, forms};
    frmInfo form{forms, launcher, "https://www.veltrano.example/"};

    void SetUp() override { form.Load(); }
};

TEST_F(frmInfoTest, CaptionsComeFromTheVersionAndTheAddress) {
    EXPECT_EQ(VersionCaption({12, 3, 0}), "Version 12.3.0.0");
    EXPECT_EQ(form.lbMSCaption(), "www.veltrano.example");
    EXPECT_EQ(LinkCaptionOf("http://x.example/path"), "x.example/path");
    EXPECT_EQ(LinkCaptionOf("x.example"), "x.example");
}

TEST_F(frmInfoTest, LinkClickLaunchesTheAddressAndClosesEvenWhenTheLaunchFails) {
    shell.value = 2;
    form.lbMS_Click(1234);
    const std::vector<testsupport::ShellCall> expected = {
        {1234, std::nullopt, "https://www.veltrano.example/", std::nullopt, std::nullopt, 10}};
    EXPECT_EQ(shell.calls, expected);
    EXPECT_TRUE(form.Unloaded());
    EXPECT_TRUE(forms.Messages().empty());
}

} // namespace
} // namespace veltrano::about
