// veltrano-cli diff: the lines and exit status of a compared pair; sides that are not read. Its
// wrong usage: CliUsageTest.

#include "CliFixture.h"

namespace veltrano::testsupport {
namespace {

using CliDiffTest = CliTest;

// The comparison itself is StructureDiffTest's; here the lines, escaped as survey's outline
// escapes texts, the JSON that keeps them exactly, --ignore and the exit statuses.
TEST_F(CliDiffTest, DifferencesAsLinesOrJsonExitWithOne) {
    const auto fileA = WriteTeamDatabase("A", {.moreFields = {{.id = 30, .name = "Fax"}}});
    const auto fileB = WriteTeamDatabase("B", {.phoneName = "Telephone",
                                               .nameTrigger = "d:\\new\\a.exe /x = 1\r\nnext",
                                               .moreFields = {{.id = 31, .name = "Mobile 2"}}});
    const Args ab = Args{"diff", fileA.string(), fileB.string()} + kTeamLogin;

    const auto same = Run(Args{"diff", fileA.string(), fileA.string()} + kTeamLogin);
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out, "");

    const auto text = Run(ab);
    EXPECT_EQ(text.status, 1) << text.err;
    EXPECT_EQ(text.err, "");
    const std::string nameLine = "~ Tables/Contact/Fields/Name: EntryTrigger = c:\\old\\a.exe "
                                 "c:\\old\\b.exe -> d:\\new\\a.exe /x = 1\\x0D\\x0Anext\n";
    const std::string otherLines = "~ Tables/Contact/Fields/Phone: renamed to Telephone\n"
                                   "- Tables/Contact/Fields/Fax\n"
                                   "+ Tables/Contact/Fields/Mobile 2\n";
    EXPECT_EQ(text.out, nameLine + otherLines);
    const auto ignored = Run(ab + Args{"--ignore", "entry trigger"});
    EXPECT_EQ(ignored.status, 1) << ignored.err;
    EXPECT_EQ(ignored.out, otherLines);

    const auto json = Run(ab + Args{"--json"});
    EXPECT_EQ(json.status, 1) << json.err;
    EXPECT_EQ(json.out, R"({"op":"changed","path":["Tables","Contact","Fields","Name"],)"
                        R"("property":"EntryTrigger","a":"c:\\old\\a.exe c:\\old\\b.exe",)"
                        R"("b":"d:\\new\\a.exe /x = 1\r\nnext"})"
                        "\n"
                        R"({"op":"renamed","path":["Tables","Contact","Fields","Phone"],)"
                        R"("a":"Phone","b":"Telephone"})"
                        "\n"
                        R"({"op":"removed","path":["Tables","Contact","Fields","Fax"]})"
                        "\n"
                        R"({"op":"added","path":["Tables","Contact","Fields","Mobile 2"]})"
                        "\n");
}

// After the system's own message (the login, the file) the side is named. A side read with
// errors (a broken drop-down list) is still compared.
TEST_F(CliDiffTest, ASideNotReadIsNamedAndEndsInTrouble) {
    const auto a = WriteTeamDatabase("A", {}).string();
    const auto broken =
        WriteTeamDatabase("C", {.moreFields = {{.id = 40, .name = "B", .hasPopupList = true}}});
    const auto missing = (temp.Path() / "missing.dbf").string();
    const std::string notRead = ") was not read\n";
    const std::tuple<Args, std::string, std::string> cases[] = {
        {{a, a, "--password-a", "nope"}, "", "veltrano-cli: database A (" + a + notRead},
        {{a, a, "--user-b", "Pat", "--password-b", "pw"}, "", "database B (" + a + notRead},
        {{a, missing}, "", "veltrano-cli: database B (" + missing + notRead},
        {{a, broken.string()},
         "+ Tables/Contact/Fields/B\n~ Tables/Contact: Field Count = 2 -> 3\n",
         "veltrano-cli: database B (" + broken.string() +
             ") was read with errors, so its differences may be incomplete\n"},
    };
    for (const auto& [args, out, errEnd] : cases) {
        const auto result = Run(Args{"diff"} + args + kTeamLogin);
        EXPECT_EQ(result.status, 2) << errEnd;
        EXPECT_EQ(result.out, out);
        ASSERT_GE(result.err.size(), errEnd.size());
        EXPECT_EQ(result.err.substr(result.err.size() - errEnd.size()), errEnd);
    }
}

} // namespace
} // namespace veltrano::testsupport
