#include "ControlTestSupport.h"
#include "platform/controls/ImageList.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/Toolbar.h"

#include <gtest/gtest.h>

#include <string>

using namespace veltrano::controls;

namespace {

struct Recorder : Toolbar::Listener, StatusBar::Listener {
    std::string log;
    void ButtonsReset() override { Note(log, "reset"); }
    void ButtonChanged(std::int32_t index) override { Note(log, "button", index); }
    void PanelTextChanged(const std::string& key, const std::string& text) override {
        log += key + "=" + text + ";";
    }
};

} // namespace

TEST(AccessKeys, MarkersAndLiteralAmpersands) {
    EXPECT_EQ(StripAccessKey("S&earch"), "Search");
    EXPECT_EQ(AccessKeyOf("S&earch"), 'e');
    EXPECT_EQ(StripAccessKey("A&&B &Save"), "A&B Save");
    EXPECT_EQ(AccessKeyOf("A&&B &Save"), 'S');
    EXPECT_EQ(AccessKeyOf("Tom && Jerry"), '\0');
    EXPECT_EQ(AccessKeyOf("Trailing&"), '\0');
    EXPECT_EQ(StripAccessKey("Trailing&"), "Trailing");
}

TEST(Toolbar, ButtonsByKey) {
    Toolbar bar;
    Recorder rec;
    bar.SetListener(&rec);
    Recorder second;
    EXPECT_EQ(ErrorOf([&] { bar.SetListener(&second); }), 380);
    bar.ButtonsAdd("Back", "&Back", "Back");
    bar.ButtonsAdd("For", "&Forward", "For");
    EXPECT_EQ(ErrorOf([&] { bar.ButtonsAdd("Back", "again", ""); }), 35602);
    bar.SetButtonEnabled("For", false);
    bar.SetButtonEnabled("For", false);
    EXPECT_FALSE(bar.ByKey("For").enabled);
    EXPECT_TRUE(bar.At(1).enabled);
    EXPECT_THROW(bar.SetButtonEnabled("Save", true), ControlError);
    EXPECT_THROW(bar.At(3), ControlError);
    bar.ButtonsClear();
    EXPECT_EQ(bar.Count(), 0);
    EXPECT_EQ(rec.log, "reset() reset() button(2) reset() ");
}

TEST(StatusBar, PanelByKeyTellsItsText) {
    StatusBar status({"Status"});
    Recorder rec;
    status.SetListener(&rec);
    Recorder second;
    EXPECT_EQ(ErrorOf([&] { status.SetListener(&second); }), 380);
    status.Panels("Status").SetText("Reading databse...");
    status.Panels("Status").SetText("");
    EXPECT_EQ(rec.log, "Status=Reading databse...;Status=;");
    try {
        status.Panels("status");
        FAIL() << "unknown panel found";
    } catch (const ControlError& e) {
        EXPECT_EQ(e.Number(), 35601);
        EXPECT_EQ(e.Description(), "Element not found");
    }
}

TEST(ImageList, KeysInOrder) {
    ImageList icons(9, 5, {"Up", "Down"});
    EXPECT_EQ(icons.IndexOf("Down"), 1);
    EXPECT_EQ(icons.IndexOf("down"), -1);
    EXPECT_EQ(ImageList(16, 16, {}).hImageList(), 0);
    EXPECT_NE(icons.hImageList(), 0);
}
