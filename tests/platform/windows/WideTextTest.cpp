// UTF-8 inside, UTF-16 at the Windows calls; their tests pass two- and three-byte characters.

#include "platform/win32/windows/WideText.h"
#include "platform/win32/windows/WindowsUser32.h"

#include <gtest/gtest.h>

namespace veltrano::win32 {
namespace {

using namespace std::string_literals;

TEST(WideTextTest, TextOutsideTheAnsiCodePageRoundTrips) {
    const struct {
        std::string utf8;
        std::wstring utf16;
    } cases[] = {
        {"", L""},
        {"\xF0\x9D\x84\x9E", L"\xD834\xDD1E"}, // outside the BMP: a surrogate pair
        {"dir\0a.dbf\0b.dbf\0\0"s, L"dir\0a.dbf\0b.dbf\0\0"s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Widen(c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(Narrow(c.utf16), c.utf8) << c.utf8;
    }
    EXPECT_EQ(NarrowUntilNul(L"C:\\B\u00FCr\u00F6\0rest"s), "C:\\B\xC3\xBCr\xC3\xB6");
    EXPECT_EQ(Widen("bad \xFF end"), L"bad \uFFFD end");
}

TEST(WideTextTest, CopiesNeverCutACharacter) {
    const std::string text = "B\xC3\xBCr\xC3\xB6"; // 6 bytes
    const struct {
        int size;
        std::string copied;
    } cases[] = {{1, ""}, {2, "B"}, {3, "B"}, {4, "B\xC3\xBC"}, {7, text}, {100, text}};
    for (const auto& c : cases) {
        char buffer[100];
        std::fill(std::begin(buffer), std::end(buffer), 'x');
        EXPECT_EQ(CopyUtf8(text, buffer, c.size), static_cast<int>(c.copied.size())) << c.size;
        EXPECT_EQ(std::string(buffer), c.copied) << c.size;
    }
    char untouched = 'x';
    EXPECT_EQ(CopyUtf8(text, &untouched, 0), 0);
    EXPECT_EQ(untouched, 'x');
}

} // namespace
} // namespace veltrano::win32
