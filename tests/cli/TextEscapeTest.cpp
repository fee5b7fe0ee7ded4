#include "cli/TextEscape.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace veltrano::cli {
namespace {

using namespace std::string_literals;

TEST(TextEscapeTest, ControlBytesAreEscapedReversiblyAndPathsStayAsTheyAre) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain \xC3\x9C \xE2\x82\xAC", "plain \xC3\x9C \xE2\x82\xAC"},
        {"c:\\act\\tools\\dial.exe", "c:\\act\\tools\\dial.exe"},
        {"\x1B[2J\r\n\t", "\\x1B[2J\\x0D\\x0A\\x09"},
        {"\0\x01\x1F\x7F"s, "\\x00\\x01\\x1F\\x7F"},
        {"\xC2\x9B"
         "1m \xC2\xA0 \xC2",
         "\\xC2\\x9B1m \xC2\xA0 \xC2"}, // C1 CSI; NBSP stays
        {"bad \xFF\xFE", "bad \xFF\xFE"},
        {"\\x41 \\x4g \\xab \\x4", "\\x5Cx41 \\x4g \\xab \\x4"},
        {"\\\t", "\\\\x09"},
    };
    for (const auto& [raw, escaped] : cases) {
        EXPECT_EQ(EscapeText(raw), escaped);
        EXPECT_EQ(UnescapeText(escaped), raw);
    }
    EXPECT_EQ(UnescapeText("line\nbreak"), std::nullopt);
}

// Texts made of the bytes that interact (backslash, x, hex digits, controls, C1) come back.
TEST(TextEscapeTest, EveryTextComesBack) {
    const std::string alphabet = "\\xA0F9g\t\x1B\xC2\x80\x9F"s;
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int round = 0; round < 20000; ++round) {
        std::string raw;
        for (int n = round % 9; n > 0; --n) {
            raw += alphabet[pick(random)];
        }
        const std::string escaped = EscapeText(raw);
        ASSERT_EQ(UnescapeText(escaped), raw) << escaped;
        ASSERT_EQ(escaped.find_first_of("\t\x1B"), std::string::npos) << escaped;
        ASSERT_TRUE(MayNeedEscaping(raw) || escaped == raw) << escaped;
    }
}

} // namespace
} // namespace veltrano::cli
