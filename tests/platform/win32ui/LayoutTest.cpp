// The twips layout of the main window at a DPI: the form's placements in client pixels, the
// margins kept exact, and the minimum outer size asked for.

#include "platform/win32ui/Layout.h"
#include "support/NullPlatform.h"

#include <gtest/gtest.h>

namespace veltrano::win32ui {
namespace {

TEST(TwipsTest, ConvertsAtTheWindowsDpi) {
    struct Case {
        int dpi;
        int twips;
        int pixels;
        int atLeast;
    };
    for (const Case& c :
         {Case{96, 1440, 96, 96}, Case{96, 3800, 253, 254}, Case{120, 3800, 317, 317},
          Case{144, 720, 72, 72}, Case{192, 375, 50, 50}}) {
        const Twips twips(c.dpi);
        EXPECT_EQ(twips.ToPixels(c.twips), c.pixels) << c.dpi << " " << c.twips;
        EXPECT_EQ(twips.AtLeastPixels(c.twips), c.atLeast) << c.dpi << " " << c.twips;
        EXPECT_GE(twips.FromPixels(twips.AtLeastPixels(c.twips)), c.twips);
    }
    EXPECT_EQ(Twips(0).Dpi(), 96); // a DPI the system could not tell
}

class LayoutTest : public ::testing::Test {
protected:
    testsupport::NullPlatform platform;
    app::frmHaupt form = platform.MainForm();
};

TEST_F(LayoutTest, TheFormsPlacementsInPixelsAtTheWindowsDpi) {
    // 11595 x 6555 twips of client area at 96 DPI: the design placements.
    const LayoutResult result =
        LayOut(form, {800, 480, 773, 437, app::WindowState::Normal}, Twips(96));
    EXPECT_FALSE(result.resizeTo);
    EXPECT_EQ(result.tree, (PixelRect{8, 48, 233, 404}));
    EXPECT_EQ(result.list, (PixelRect{240, 48, 765, 404}));
}

TEST_F(LayoutTest, BelowTheMinimumTheWindowIsAskedToGrowOneSideAtATime) {
    const Twips twips(96);
    const int minimum = MinimumOuterPixels(twips);
    EXPECT_EQ(minimum, 254);
    EXPECT_EQ(LayOut(form, {200, 300, 192, 260, app::WindowState::Normal}, twips).resizeTo,
              std::optional(std::pair{minimum, 300}));
    EXPECT_EQ(LayOut(form, {400, 100, 392, 60, app::WindowState::Normal}, twips).resizeTo,
              std::optional(std::pair{400, minimum}));
}

} // namespace
} // namespace veltrano::win32ui
