// The field ID read from the ID cell of a Fields list row.

#include "edit/FieldIdText.h"

#include <gtest/gtest.h>

namespace {

using veltrano::edit::FieldIdFromText;

TEST(FieldIdFromText, LeadingNumberRoundedHalfToEvenWithinSixteenBits) {
    // After blanks; 0 when there is no number; the nearest whole number, halves to even; beyond
    // sixteen bits no field ID (65561 would wrap to 25).
    const std::pair<std::optional<std::int16_t>, std::vector<std::string>> cases[] = {
        {0, {"abc", "", "   ", "-", "inf", "nan", ".5"}},
        {25, {"   25", "\t 25abc"}},
        {-7, {" -7"}},
        {12, {"+12"}},
        {1000, {"1e3"}},
        {2, {"2.4", "2.5"}},
        {4, {"3.5"}},
        {-3, {"-2.6"}},
        {32767, {"32767"}},
        {-32768, {"-32768", "-32768.5"}},
        {std::nullopt, {"32768", "32767.5", "-32769", "65561"}}};
    for (const auto& [id, texts] : cases) {
        for (const auto& text : texts) {
            EXPECT_EQ(FieldIdFromText(text), id) << text;
        }
    }
}

} // namespace
