// veltrano-cli diff: pairs of databases that differ in one way each, with the exact lines and
// exit status; sides that are not read. Its wrong usage: CliUsageTest.

#include "CliFixture.h"

namespace veltrano::testsupport {
namespace {

using namespace ole::standin;
using CliDiffTest = CliTest;

TEST_F(CliDiffTest, PairsOfDatabasesPrintTheirDifferences) {
    const FieldDefinition mobile{.id = 31, .name = "Mobile 2"};
    const std::string fields = "Tables/Contact/Fields/";
    const std::string items = "~ " + fields + "Phone/PopupList/Item ";
    // Differences exit with 1, none with 0.
    struct Case {
        std::string name;
        Team a;
        Team b;
        std::string out;
        Args options{};
    };
    const Case cases[] = {
        {"identical", {}, {}, ""},
        {"a field in each only",
         {.moreFields = {{.id = 30, .name = "Fax"}}},
         {.moreFields = {mobile}},
         "- " + fields + "Fax\n+ " + fields + "Mobile 2\n"},
        {"a field added",
         {},
         {.moreFields = {mobile}},
         "+ " + fields + "Mobile 2\n~ Tables/Contact: Field Count = 2 -> 3\n"},
        {"fields in another order", {}, {.phoneFirst = true}, ""},
        {"a rename",
         {},
         {.phoneName = "Telephone"},
         "~ " + fields + "Phone: renamed to Telephone\n"},
        {"a list grown",
         {},
         {.phoneList = {{"A", "first"}, {"B", ""}, {"C", "third"}}},
         "~ " + fields + "Phone: PopupCount = 2 -> 3\n+ " + fields + "Phone/PopupList/Item 2\n"},
        {"a list shrunk",
         {},
         {.phoneList = {{"A", "first"}}},
         "~ " + fields + "Phone: PopupCount = 2 -> 1\n- " + fields + "Phone/PopupList/Item 1\n"},
        {"a list reordered",
         {},
         {.phoneList = {{"B", ""}, {"A", "first"}}},
         items + "0: Value = A -> B\n" + items + "0: Remark = first -> \n" + items +
             "1: Value = B -> A\n" + items + "1: Remark =  -> first\n"},
        {"a user name in other case", {}, {.firstUser = "CHRIS"}, ""},
        {"a table name and a record",
         {},
         {.tableName = "Customers", .record = true},
         "~ Tables/Contact: Name = Contacts -> Customers\n"
         "~ Tables/Contact: Record Count = 0 -> 1\n"},
        {"ignored properties",
         {},
         {.tableName = "Customers", .moreFields = {mobile}, .record = true},
         "+ " + fields + "Mobile 2\n~ Tables/Contact: Name = Contacts -> Customers\n",
         {"--ignore", "RecordCount", "--ignore", "field count"}},
    };
    int number = 0;
    for (const auto& c : cases) {
        const auto fileA = WriteTeamDatabase("A" + std::to_string(++number), c.a);
        const auto fileB = WriteTeamDatabase("B" + std::to_string(number), c.b);
        const auto result =
            Run(Args{"diff", fileA.string(), fileB.string()} + c.options + kTeamLogin);
        EXPECT_EQ(result.status, c.out.empty() ? 0 : 1) << c.name << ": " << result.err;
        EXPECT_EQ(result.out, c.out) << c.name;
        EXPECT_EQ(result.err, "") << c.name;
    }
}

// Texts in the text output are escaped as survey's outline escapes them.
TEST_F(CliDiffTest, TextsAreShownAsSurveyShowsThemAndJsonKeepsThemExactly) {
    const auto fileA = WriteTeamDatabase("A", {.moreFields = {{.id = 30, .name = "Fax"}}});
    const auto fileB = WriteTeamDatabase("B", {.phoneName = "Telephone",
                                               .nameTrigger = "d:\\new\\a.exe /x = 1\r\nnext",
                                               .moreFields = {{.id = 31, .name = "Mobile 2"}}});

    const auto text = Run(Args{"diff", fileA.string(), fileB.string()} + kTeamLogin);
    EXPECT_EQ(text.status, 1) << text.err;
    EXPECT_EQ(text.out, "~ Tables/Contact/Fields/Name: EntryTrigger = c:\\old\\a.exe "
                        "c:\\old\\b.exe -> d:\\new\\a.exe /x = 1\\x0D\\x0Anext\n"
                        "~ Tables/Contact/Fields/Phone: renamed to Telephone\n"
                        "- Tables/Contact/Fields/Fax\n"
                        "+ Tables/Contact/Fields/Mobile 2\n");

    const auto json = Run(Args{"diff", fileA.string(), fileB.string(), "--json"} + kTeamLogin);
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
    const auto b = WriteTeamDatabase("B", {}).string();
    const auto broken =
        WriteTeamDatabase("C", {.moreFields = {{.id = 40, .name = "B", .hasPopupList = true}}});
    const auto missing = (temp.Path() / "missing.dbf").string();
    const std::string notRead = ") was not read\n";
    const std::tuple<Args, std::string, std::string> cases[] = {
        {{a, b, "--password-a", "nope"}, "", "veltrano-cli: database A (" + a + notRead},
        {{a, b, "--user-b", "Pat", "--password-b", "pw"}, "", "database B (" + b + notRead},
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
