#include "platform/forms/HeadlessForms.h"

#include <gtest/gtest.h>

#include <sstream>

namespace veltrano::forms {
namespace {

TEST(HeadlessForms, MessagesGoToTheStreamAndNothingPrompts) {
    std::ostringstream err;
    HeadlessForms forms(err);
    EXPECT_EQ(forms.MsgBox("Login failed.\r\nPlease enter your username and password for\r\n"
                           "the ACT! database /tmp/a b.dbf",
                           vbInformation),
              vbOK);
    EXPECT_EQ(forms.MsgBox("second", vbExclamation, "Title"), vbOK);
    EXPECT_EQ(forms.InputBox("Search for:", "Search", "old"), "");
    EXPECT_FALSE(forms.ShowFileDialog(FileDialogRequest{}).has_value());
    EXPECT_EQ(err.str(), "Login failed.\nPlease enter your username and password for\n"
                         "the ACT! database /tmp/a b.dbf\nsecond\n");
}

// Only the first login is confirmed, so that a refused login ends the run instead of looping.
TEST(HeadlessForms, LoginIsConfirmedOnceWithTheGivenOrRememberedCredentials) {
    std::ostringstream err;
    HeadlessForms given(err);
    given.SetLoginAnswer("admin", " pw ");
    HeadlessForms remembered(err);
    for (HeadlessForms* forms : {&given, &remembered}) {
        LoginFormState state{"remembered", "old", ""};
        forms->ShowLoginModal(state);
        EXPECT_EQ(state.Tag, "ok");
        forms->ShowLoginModal(state);
        EXPECT_EQ(state.Tag, "");
        EXPECT_EQ(state.Username, forms == &given ? "admin" : "remembered");
        EXPECT_EQ(state.Userpassword, forms == &given ? " pw " : "old");
    }
    EXPECT_EQ(given.LoginCount(), 2);
}

} // namespace
} // namespace veltrano::forms
