#include "act/modACTHandle.h"
#include "ScriptedWindows.h"

#include <gtest/gtest.h>

using veltrano::act::modACTHandle::FindTopWindow;
using veltrano::act::modACTHandle::GetWindowCaption;
using veltrano::testsupport::ScriptedWindow;
using veltrano::testsupport::ScriptedWindows;

namespace {

ScriptedWindows With(std::vector<ScriptedWindow> windows) {
    ScriptedWindows user32;
    user32.windows = std::move(windows);
    return user32;
}

} // namespace

TEST(FindTopWindowTest, NoWindowsFindsNothing) {
    ScriptedWindows user32;
    EXPECT_EQ(FindTopWindow(user32, "act", "ACT!"), 0);
    EXPECT_EQ(user32.enumerations, 1);
}

TEST(FindTopWindowTest, ClassIsLowerCasedAndPatternIsCaseSensitive) {
    auto user32 = With({{7, "ActStandInFrame", "ACT! - demo"}});
    EXPECT_EQ(FindTopWindow(user32, "act", "ACT!"), 7);
    EXPECT_EQ(FindTopWindow(user32, "standin", "ACT!"), 7);
    // The class is lower-cased, the pattern is not: an upper-case pattern never matches.
    EXPECT_EQ(FindTopWindow(user32, "Act", "ACT!"), 0);
    EXPECT_EQ(FindTopWindow(user32, "", "ACT!"), 7);
    EXPECT_EQ(FindTopWindow(user32, "notepad", "ACT!"), 0);
}

TEST(FindTopWindowTest, CaptionPatternKeepsItsCapitals) {
    auto user32 = With({{3, "ACTAPP", "act! - lower"}, {4, "ACTAPP", "Act! - mixed"}});
    EXPECT_EQ(FindTopWindow(user32, "act", "ACT!"), 0);
    EXPECT_EQ(FindTopWindow(user32, "act", "act!"), 3);
    EXPECT_EQ(FindTopWindow(user32, "act", "*"), 4);
}

TEST(FindTopWindowTest, EmptyCaptionReadsAsNoText) {
    auto user32 = With({{5, "actframe", ""}});
    EXPECT_EQ(GetWindowCaption(user32, 5), "NoText");
    EXPECT_EQ(FindTopWindow(user32, "act", "ACT!"), 0);
    EXPECT_EQ(FindTopWindow(user32, "act", "*"), 5);
    EXPECT_EQ(FindTopWindow(user32, "act", ""), 5);
    EXPECT_EQ(FindTopWindow(user32, "act", "Text"), 5);
}

TEST(FindTopWindowTest, OnlyTheFirstFiftyCharactersAreSearched) {
    const std::string filler(46, 'x');
    auto user32 = With({{1, "act", filler + "ACT!"}, {2, "act", filler + "xACT!"}});
    EXPECT_EQ(GetWindowCaption(user32, 1).size(), 50u);
    EXPECT_EQ(FindTopWindow(user32, "act", "ACT!"), 1);
    // Leading blanks are trimmed before the 50 characters are counted.
    user32.windows = {{9, "act", std::string(20, ' ') + filler + "ACT!"}};
    EXPECT_EQ(FindTopWindow(user32, "act", "ACT!"), 9);
}

TEST(FindTopWindowTest, CaptionEndsAtItsFirstNul) {
    auto user32 = With({{6, "act", std::string("Editor\0ACT! - demo", 18)}});
    EXPECT_EQ(GetWindowCaption(user32, 6), "Editor");
    EXPECT_EQ(FindTopWindow(user32, "act", "ACT!"), 0);
}

TEST(FindTopWindowTest, LeadingBlanksGoTrailingBlanksStay) {
    auto user32 = With({{8, "act", "   ACT! - demo  "}});
    EXPECT_EQ(GetWindowCaption(user32, 8), "ACT! - demo  ");
}

TEST(FindTopWindowTest, InvisibleAndDeadWindowsDoNotCount) {
    auto user32 = With({{1, "act", "ACT! - a", false}, {2, "act", "ACT! - b", true, false}});
    EXPECT_EQ(FindTopWindow(user32, "act", "ACT!"), 0);
    // A window that is gone reads as "": only the empty pattern still matches it.
    EXPECT_EQ(FindTopWindow(user32, "act", ""), 2);
    EXPECT_EQ(FindTopWindow(user32, "act", "*"), 2);
}

TEST(FindTopWindowTest, TheLastMatchWins) {
    auto user32 = With({{10, "act", "ACT! - first"},
                        {11, "act", "ACT! - second"},
                        {12, "other", "ACT! - third"},
                        {13, "act", "no match"}});
    EXPECT_EQ(FindTopWindow(user32, "act", "ACT!"), 11);
    EXPECT_EQ(FindTopWindow(user32, "act", "first"), 10);
}

TEST(FindTopWindowTest, LongClassNamesAreCutAt255Characters) {
    auto user32 = With({{4, std::string(255, 'x') + "act", "ACT!"}});
    EXPECT_EQ(FindTopWindow(user32, "act", "ACT!"), 0);
    user32.windows[0].className = std::string(252, 'x') + "ACT";
    EXPECT_EQ(FindTopWindow(user32, "act", "ACT!"), 4);
}
