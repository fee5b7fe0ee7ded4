#include "app/frmHaupt.h"

#include <gtest/gtest.h>

using veltrano::app::PadNumericText;

TEST(PadNumericText, PadsNumbersToFiveCharacters) {
    EXPECT_EQ(PadNumericText("40"), "   40");
    EXPECT_EQ(PadNumericText(" 7 "), "    7");
    EXPECT_EQ(PadNumericText("-1"), "   -1");
    EXPECT_EQ(PadNumericText("12345"), "12345");
    EXPECT_EQ(PadNumericText("2.5"), "  2.5");
}

TEST(PadNumericText, LeavesOtherTextsUnchanged) {
    EXPECT_EQ(PadNumericText("abc"), "abc");
    EXPECT_EQ(PadNumericText(""), "");
    EXPECT_EQ(PadNumericText("   "), "   ");
    EXPECT_EQ(PadNumericText("1 2"), "1 2");
    EXPECT_EQ(PadNumericText("-"), "-");
    EXPECT_EQ(PadNumericText("1.2.3"), "1.2.3");
}

TEST(PadNumericText, LongNumbersAreTrimmedButNotPadded) {
    EXPECT_EQ(PadNumericText(" 123456 "), "123456");
    EXPECT_EQ(PadNumericText("-32768"), "-32768");
}
