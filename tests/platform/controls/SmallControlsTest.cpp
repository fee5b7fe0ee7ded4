#include "ControlTestSupport.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/Toolbar.h"

#include <gtest/gtest.h>

using namespace veltrano::controls;

TEST(AccessKeys, MarkersAndLiteralAmpersands) {
    EXPECT_EQ(StripAccessKey("A&&B &Save"), "A&B Save");
    EXPECT_EQ(AccessKeyOf("A&&B &Save"), 'S');
    EXPECT_EQ(AccessKeyOf("Trailing&"), '\0');
    EXPECT_EQ(StripAccessKey("Trailing&"), "Trailing");
}

TEST(ToolbarAndStatusBar, KeysAreUniqueAndMatchExactly) {
    Toolbar bar;
    bar.ButtonsAdd("Back", "&Back", "Back");
    EXPECT_EQ(ErrorOf([&] { bar.ButtonsAdd("Back", "again", ""); }), 35602);
    EXPECT_EQ(ErrorOf([&] { bar.SetButtonEnabled("Save", true); }), 35601);
    StatusBar status({"Status"});
    EXPECT_EQ(ErrorOf([&] { status.Panels("status"); }), 35601);
}
