#include "platform/win32/linux/ShellText.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace veltrano::win32 {
namespace {

using Words = std::vector<std::string>;

TEST(ShellTextTest, SplitsLikeAShellWithoutExpanding) {
    EXPECT_EQ(SplitParameters(""), Words{});
    EXPECT_EQ(SplitParameters("  a\tb  "), (Words{"a", "b"}));
    EXPECT_EQ(SplitParameters(R"("a b" 'c d' e\ f)"), (Words{"a b", "c d", "e f"}));
    EXPECT_EQ(SplitParameters(R"("say \"hi\" \n" '\x')"), (Words{R"(say "hi" \n)", R"(\x)"}));
    EXPECT_EQ(SplitParameters(R"($(rm -rf x) `id` $HOME *.txt ~ ; |)"),
              (Words{"$(rm", "-rf", "x)", "`id`", "$HOME", "*.txt", "~", ";", "|"}));
    EXPECT_EQ(SplitParameters(R"(a"b"'c' "" '')"), (Words{"abc", "", ""}));
    EXPECT_EQ(SplitParameters(R"("open end)"), (Words{"open end"}));
    EXPECT_EQ(SplitParameters(R"(trailing\)"), (Words{"trailing\\"}));
}

TEST(ShellTextTest, ExpandsKnownVariablesOnly) {
    ::setenv("VELTRANO_TEST_DIR", "/srv/x", 1);
    ::unsetenv("VELTRANO_TEST_UNSET");
    EXPECT_EQ(ExpandEnvironmentVariables("%VELTRANO_TEST_DIR%/a"), "/srv/x/a");
    EXPECT_EQ(ExpandEnvironmentVariables("%VELTRANO_TEST_UNSET%/a"), "%VELTRANO_TEST_UNSET%/a");
    EXPECT_EQ(ExpandEnvironmentVariables("100% %VELTRANO_TEST_DIR%"), "100% /srv/x");
    EXPECT_EQ(ExpandEnvironmentVariables("%%"), "%%");
}

TEST(ShellTextTest, RecognisesAddresses) {
    EXPECT_TRUE(IsUri("mailto:someone"));
    EXPECT_TRUE(IsUri("https://example.org/"));
    EXPECT_TRUE(IsUri("svn+ssh://host"));
    EXPECT_FALSE(IsUri("/tmp/a:b"));
    EXPECT_FALSE(IsUri("C:\\data"));
    EXPECT_FALSE(IsUri("a file: notes.txt"));
    EXPECT_FALSE(IsUri("1http://x"));
}

} // namespace
} // namespace veltrano::win32
