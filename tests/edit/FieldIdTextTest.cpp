// The field ID read from the ID cell of a Fields list row.

#include "edit/FieldIdText.h"

#include <gtest/gtest.h>

namespace {

using veltrano::edit::FieldIdFromText;
using Id = std::optional<std::int16_t>;

TEST(FieldIdFromText, LeadingNumberAfterBlanksOrZero) {
    EXPECT_EQ(FieldIdFromText("   25"), Id(25));
    EXPECT_EQ(FieldIdFromText("\t 25abc"), Id(25));
    EXPECT_EQ(FieldIdFromText(" -7"), Id(-7));
    EXPECT_EQ(FieldIdFromText("+12"), Id(12));
    EXPECT_EQ(FieldIdFromText("1e3"), Id(1000));
    EXPECT_EQ(FieldIdFromText("abc"), Id(0));
    EXPECT_EQ(FieldIdFromText(""), Id(0));
    EXPECT_EQ(FieldIdFromText("   "), Id(0));
    EXPECT_EQ(FieldIdFromText("-"), Id(0));
    EXPECT_EQ(FieldIdFromText("inf"), Id(0));
    EXPECT_EQ(FieldIdFromText("nan"), Id(0));
    EXPECT_EQ(FieldIdFromText("1e-400"), Id(0));
}

TEST(FieldIdFromText, NearestWholeNumberWithHalvesToEven) {
    EXPECT_EQ(FieldIdFromText("2.4"), Id(2));
    EXPECT_EQ(FieldIdFromText("2.5"), Id(2));
    EXPECT_EQ(FieldIdFromText("3.5"), Id(4));
    EXPECT_EQ(FieldIdFromText(".5"), Id(0));
    EXPECT_EQ(FieldIdFromText("-2.6"), Id(-3));
}

TEST(FieldIdFromText, BeyondSixteenBitsIsNoFieldId) {
    EXPECT_EQ(FieldIdFromText("32767"), Id(32767));
    EXPECT_EQ(FieldIdFromText("-32768"), Id(-32768));
    EXPECT_EQ(FieldIdFromText("-32768.5"), Id(-32768));
    EXPECT_EQ(FieldIdFromText("32768"), std::nullopt);
    EXPECT_EQ(FieldIdFromText("32767.5"), std::nullopt);
    EXPECT_EQ(FieldIdFromText("-32769"), std::nullopt);
    EXPECT_EQ(FieldIdFromText("65561"), std::nullopt); // would wrap to 25
    EXPECT_EQ(FieldIdFromText("1e400"), std::nullopt);
    EXPECT_EQ(FieldIdFromText(std::string(400, '9')), std::nullopt);
}

} // namespace
