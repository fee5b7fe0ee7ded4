#include "support/ScriptedForms.h"

#include <gtest/gtest.h>

namespace veltrano::testsupport {
namespace {

using namespace forms;

TEST(ScriptedForms, AnswersFromQueuesInOrderThenSafeDefaultsAndRecordsEveryCall) {
    ScriptedForms forms;
    forms.QueueInput("first");
    forms.QueueMsgBoxResult(7);
    forms.QueueFileDialog(std::vector<std::string>{"/data/a.dbf"});

    EXPECT_EQ(forms.InputBox("Search for:", "", "old"), "first");
    EXPECT_EQ(forms.InputBox("again"), "");
    EXPECT_EQ(forms.MsgBox("m1\r\nm2", vbExclamation), 7);
    EXPECT_EQ(forms.MsgBox("m3", vbInformation, "T"), vbOK);
    EXPECT_EQ(forms.ShowFileDialog({}), (std::vector<std::string>{"/data/a.dbf"}));
    EXPECT_FALSE(forms.ShowFileDialog({}).has_value());
    forms.SaveSetting("Veltrano", "options", "userpassword", " p ");
    EXPECT_EQ(forms.GetSetting("Veltrano", "options", "userpassword", "d"), " p ");
    EXPECT_EQ(forms.GetSetting("Veltrano", "options", "username", "d"), "d");
    forms.SetMousePointer(vbHourglass);
    forms.DoEvents();

    EXPECT_EQ(forms.Messages(), (std::vector<MessageCall>{{"m1\r\nm2", vbExclamation, ""},
                                                          {"m3", vbInformation, "T"}}));
    EXPECT_EQ(forms.Inputs(),
              (std::vector<InputCall>{{"Search for:", "", "old"}, {"again", "", ""}}));
    EXPECT_EQ(forms.SavedSettings(),
              (std::vector<SavedSetting>{{"Veltrano", "options", "userpassword", " p "}}));
    EXPECT_EQ(forms.MousePointers(), std::vector<int>{vbHourglass});
    EXPECT_EQ(forms.DoEventsCount(), 1u);
    EXPECT_EQ(forms.UnansweredCount(), 3u);
    EXPECT_EQ(forms.PendingAnswers(), 0u);
    using enum FormsCall;
    EXPECT_EQ(
        forms.CallKinds(),
        (std::vector<FormsCall>{InputBox, InputBox, MsgBox, MsgBox, ShowFileDialog, ShowFileDialog,
                                SaveSetting, GetSetting, GetSetting, SetMousePointer}));
}

TEST(ScriptedForms, LoginAnswersRecordWhatTheFormShowed) {
    ScriptedForms forms;
    forms.QueueLogin(LoginAnswer{"bob", "pw", "ok"});
    forms.QueueLogin(LoginAnswer{std::nullopt, std::nullopt, "ok"});
    forms.QueueLogin([](LoginFormState& state) {
        state.Username += "!";
        state.Tag = "ok";
    });

    LoginFormState state{"anna", "", ""};
    for (int i = 0; i < 4; ++i) {
        forms.ShowLoginModal(state);
    }
    EXPECT_EQ(state.Tag, "");
    const auto shown = forms.LoginsShown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].Username, "anna");
    EXPECT_EQ(shown[1].Username, "bob");
    EXPECT_EQ(shown[1].Userpassword, "pw");
    EXPECT_EQ(shown[3].Username, "bob!");
    EXPECT_EQ(forms.UnansweredCount(), 1u);
}

} // namespace
} // namespace veltrano::testsupport
