#include "app/frmHaupt.h"

#include <gtest/gtest.h>

#include <utility>

using veltrano::app::PadNumericText;

TEST(PadNumericText, NumbersStandRightInFiveCharactersOtherTextsStay) {
    const std::pair<const char*, const char*> cases[] = {
        {"40", "   40"},  {" 7 ", "    7"},   {"-1", "   -1"},
        {"2.5", "  2.5"}, {"12345", "12345"}, {" 123456 ", "123456"}, // trimmed, but not padded
        {"abc", "abc"},   {"", ""},           {"   ", "   "},
        {"1 2", "1 2"},   {"-", "-"},         {"1.2.3", "1.2.3"}};
    for (const auto& [text, padded] : cases) {
        EXPECT_EQ(PadNumericText(text), padded) << '"' << text << '"';
    }
}
