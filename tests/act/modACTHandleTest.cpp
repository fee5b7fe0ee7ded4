#include "act/modACTHandle.h"
#include "ScriptedWindows.h"

#include <gtest/gtest.h>

#include <tuple>

namespace veltrano::act::modACTHandle {
namespace {

using testsupport::ScriptedWindow;

TEST(FindTopWindowTest, FindsTheLastVisibleMatchOfClassAndCaption) {
    const std::string filler(46, 'x');
    const std::vector<ScriptedWindow> lowerAndMixed{{3, "ACTAPP", "act! - lower"},
                                                    {4, "ACTAPP", "Act! - mixed"}};
    const std::vector<ScriptedWindow> invisibleAndDead{{1, "act", "ACT! - a", false},
                                                       {2, "act", "ACT! - b", true, false}};
    const std::vector<ScriptedWindow> four{{10, "act", "ACT! - first"},
                                           {11, "act", "ACT! - second"},
                                           {12, "other", "ACT! - third"},
                                           {13, "act", "no match"}};
    // Windows, class and caption patterns, and the window found.
    const std::tuple<std::vector<ScriptedWindow>, std::string, std::string, win32::HWND> cases[] = {
        {lowerAndMixed, "act", "ACT!", 0},
        // An empty caption reads as "NoText" (exactly so in the Windows user32 test).
        {{{5, "actframe", ""}}, "act", "Text", 5},
        {{{1, "act", filler + "ACT!"}, {2, "act", filler + "xACT!"}}, "act", "ACT!", 1},
        // Leading blanks are trimmed before the 50 characters are counted, trailing ones kept.
        {{{9, "act", std::string(20, ' ') + filler + "ACT!"}}, "act", "ACT!", 9},
        {{{9, "act", "  ACT! - demo  "}}, "act", "demo  ", 9},
        {{{9, "act", std::string("Editor\0ACT! - demo", 18)}}, "act", "ACT!", 0}, // cut at NUL
        // A window that is gone reads as "": only the empty pattern still matches it.
        {invisibleAndDead, "act", "ACT!", 0},
        {invisibleAndDead, "act", "", 2},
        {four, "act", "ACT!", 11},
        {{{4, std::string(255, 'x') + "act", "ACT!"}}, "act", "ACT!", 0},
        {{{4, std::string(252, 'x') + "ACT", "ACT!"}}, "act", "ACT!", 4},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& [windows, classPattern, captionPattern, found] = cases[i];
        testsupport::ScriptedWindows user32;
        user32.windows = windows;
        EXPECT_EQ(FindTopWindow(user32, classPattern, captionPattern), found) << "case " << i;
    }
}

} // namespace
} // namespace veltrano::act::modACTHandle
