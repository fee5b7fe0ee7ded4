#include "cli/TextEscape.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrano::cli {
namespace {

using namespace std::string_literals;

TEST(TextEscapeTest, ControlBytesAndBackslashAreEscapedReversibly) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain \xC3\x9C \xE2\x82\xAC", "plain \xC3\x9C \xE2\x82\xAC"},
        {"a\\b", "a\\\\b"},
        {"\x1B[2J\r\n\t", "\\e[2J\\r\\n\\t"},
        {"\0\x01\x1F\x7F"s, "\\x00\\x01\\x1F\\x7F"},
        {"\xC2\x9B"
         "1m \xC2\xA0 \xC2",
         "\\xC2\\x9B1m \xC2\xA0 \xC2"}, // C1 CSI; NBSP stays
        {"bad \xFF\xFE", "bad \xFF\xFE"},
        {"\\x41", "\\\\x41"},
    };
    for (const auto& [raw, escaped] : cases) {
        EXPECT_EQ(EscapeText(raw), escaped);
        EXPECT_EQ(UnescapeText(escaped), raw);
    }
    std::string every;
    for (int byte = 0; byte < 256; ++byte) {
        every += static_cast<char>(byte);
    }
    EXPECT_EQ(UnescapeText(EscapeText(every)), every);
    for (const char* bad : {"end\\", "\\q", "\\x4", "\\xg0", "\\x4a"}) {
        EXPECT_EQ(UnescapeText(bad), std::nullopt) << bad;
    }
}

} // namespace
} // namespace veltrano::cli
