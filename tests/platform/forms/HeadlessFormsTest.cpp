#include "platform/forms/HeadlessForms.h"
#include "platform/forms/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <sstream>

namespace veltrano::forms {
namespace {

TEST(HeadlessForms, MessageGoesToTheStreamWithPlainLineFeeds) {
    std::ostringstream err;
    HeadlessForms forms(err);
    EXPECT_EQ(forms.MsgBox("Login failed.\r\nPlease enter your username and password for\r\n"
                           "the ACT! database /tmp/a b.dbf",
                           vbInformation),
              vbOK);
    EXPECT_EQ(forms.MsgBox("second", vbExclamation, "Title"), vbOK);
    EXPECT_EQ(err.str(), "Login failed.\nPlease enter your username and password for\n"
                         "the ACT! database /tmp/a b.dbf\nsecond\n");
}

TEST(HeadlessForms, NeverPromptsAndKeepsTheClipboardInMemory) {
    std::ostringstream err;
    HeadlessForms forms(err);
    EXPECT_EQ(forms.InputBox("Search for:", "Search", "old"), "");
    EXPECT_FALSE(forms.ShowFileDialog(FileDialogRequest{}).has_value());
    forms.ClipboardSetText("a\tb\r\n");
    EXPECT_EQ(forms.ClipboardText(), "a\tb\r\n");
    forms.ClipboardClear();
    EXPECT_EQ(forms.ClipboardText(), "");
    forms.SetMousePointer(vbHourglass);
    EXPECT_EQ(forms.MousePointer(), vbHourglass);
    EXPECT_EQ(forms.Version().Major, BuildVersion().Major);
    EXPECT_EQ(err.str(), "");
}

TEST(HeadlessForms, ReadsSettingsButNeverSavesThem) {
    MemorySettingsStore store;
    store.Save("Veltrano", "options", "username", " Chris ");
    std::ostringstream err;
    HeadlessForms forms(err, &store);
    EXPECT_EQ(forms.GetSetting("Veltrano", "options", "username"), " Chris ");
    EXPECT_EQ(forms.GetSetting("Veltrano", "options", "userpassword", "dflt"), "dflt");

    forms.SaveSetting("Veltrano", "options", "username", "other");
    forms.SaveSetting("Veltrano", "options", "userpassword", "secret");
    EXPECT_EQ(store.Find("Veltrano", "options", "username"), " Chris ");
    EXPECT_FALSE(store.Find("Veltrano", "options", "userpassword").has_value());
    EXPECT_EQ(store.Size(), 1u);

    HeadlessForms withoutStore(err);
    EXPECT_EQ(withoutStore.GetSetting("Veltrano", "options", "username", "x"), "x");
}

TEST(HeadlessForms, LoginWithGivenCredentialsIsConfirmedOnceThenCancelled) {
    std::ostringstream err;
    HeadlessForms forms(err);
    forms.SetLoginAnswer("admin", " pw ");
    LoginFormState state{"remembered", "old", ""};

    forms.ShowLoginModal(state);
    EXPECT_EQ(state.Username, "admin");
    EXPECT_EQ(state.Userpassword, " pw ");
    EXPECT_EQ(state.Tag, "ok");

    forms.ShowLoginModal(state);
    EXPECT_EQ(state.Tag, "");
    forms.ShowLoginModal(state);
    EXPECT_EQ(state.Tag, "");
    EXPECT_EQ(forms.LoginCount(), 3);
}

TEST(HeadlessForms, LoginWithoutCredentialsKeepsTheRememberedValues) {
    std::ostringstream err;
    HeadlessForms forms(err);
    LoginFormState state{"remembered", "old", ""};
    forms.ShowLoginModal(state);
    EXPECT_EQ(state.Username, "remembered");
    EXPECT_EQ(state.Userpassword, "old");
    EXPECT_EQ(state.Tag, "ok");
    forms.ShowLoginModal(state);
    EXPECT_EQ(state.Tag, "");
}

} // namespace
} // namespace veltrano::forms
