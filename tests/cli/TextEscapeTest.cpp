#include "cli/TextEscape.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrano::cli {
namespace {

using namespace std::string_literals;

TEST(TextEscapeTest, ControlBytesAreEscapedPathsStayAsTheyAreAndEveryTextComesBack) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain \xC3\x9C \xE2\x82\xAC", "plain \xC3\x9C \xE2\x82\xAC"},
        {"c:\\act\\tools\\dial.exe", "c:\\act\\tools\\dial.exe"},
        {"\x1B[2J\r\n\t", "\\x1B[2J\\x0D\\x0A\\x09"},
        {"\0\x01\x1F\x7F"s, "\\x00\\x01\\x1F\\x7F"},
        {"\xC2\x80 \xC2\x9F"
         "1m \xC2\xA0 \xC2",
         "\\xC2\\x80 \\xC2\\x9F1m \xC2\xA0 \xC2"}, // the C1 range; NBSP stays
        {"bad \xFF\xFE", "bad \xFF\xFE"},
        {"\\x41 \\x4g \\xab \\x4", "\\x5Cx41 \\x4g \\xab \\x4"},
        {"\\\t", "\\\\x09"},
    };
    for (const auto& [raw, escaped] : cases) {
        EXPECT_EQ(EscapeText(raw), escaped);
        EXPECT_EQ(UnescapeText(escaped), raw); // the output reads back unambiguously
        EXPECT_TRUE(MayNeedEscaping(raw) || escaped == raw) << escaped;
    }
}

} // namespace
} // namespace veltrano::cli
