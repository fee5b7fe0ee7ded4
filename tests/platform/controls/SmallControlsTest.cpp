#include "ControlTestSupport.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/Toolbar.h"

#include <gtest/gtest.h>

using namespace veltrano::controls;

TEST(AccessKeys, MarkersAndLiteralAmpersands) {
    EXPECT_EQ(StripAccessKey("S&earch"), "Search");
    EXPECT_EQ(AccessKeyOf("S&earch"), 'e');
    EXPECT_EQ(StripAccessKey("A&&B &Save"), "A&B Save");
    EXPECT_EQ(AccessKeyOf("A&&B &Save"), 'S');
    EXPECT_EQ(AccessKeyOf("Tom && Jerry"), '\0');
    EXPECT_EQ(AccessKeyOf("Trailing&"), '\0');
    EXPECT_EQ(StripAccessKey("Trailing&"), "Trailing");
}

TEST(Toolbar, KeysAreUnique) {
    Toolbar bar;
    bar.ButtonsAdd("Back", "&Back", "Back");
    EXPECT_EQ(ErrorOf([&] { bar.ButtonsAdd("Back", "again", ""); }), 35602);
    EXPECT_THROW(bar.SetButtonEnabled("Save", true), ControlError);
}

TEST(StatusBar, PanelKeysMatchExactly) {
    StatusBar status({"Status"});
    try {
        status.Panels("status");
        FAIL() << "unknown panel found";
    } catch (const ControlError& e) {
        EXPECT_EQ(e.Number(), 35601);
        EXPECT_EQ(e.Description(), "Element not found");
    }
}
