// veltrano-cli diff: pairs of databases that differ in one way each, with the exact lines and
// exit status; sides that are not read; wrong usage.

#include "CliFixture.h"

namespace veltrano::testsupport {
namespace {

using namespace ole::standin;

// What a side is written from: Team's structure (CliFixture), with the parts the cases change.
struct Structure {
    std::string tableName = "Contacts";
    std::string phoneName = "Phone";
    std::string nameTrigger = R"(c:\old\a.exe c:\old\b.exe)";
    std::vector<PopupEntry> phoneList{{"A", "first"}, {"B", ""}};
    std::vector<FieldDefinition> moreFields{};
    bool phoneFirst = false;
    std::string firstUser = "Chris";
    bool record = false;
};

class CliDiffTest : public CliTest {
protected:
    fs::path Write(const std::string& name, const Structure& s) {
        const auto file = temp.Path() / (name + ".dbf");
        StandInDatabaseWriter db(file, "Team");
        const auto contact = TableAccessor::Contact;
        db.SetTableName(contact, s.tableName);
        db.AddField(contact, {.id = 25,
                              .name = "Name",
                              .length = 40,
                              .entryTrigger = s.nameTrigger,
                              .position = std::int16_t(s.phoneFirst ? 1 : 0)});
        db.AddField(contact, {.id = 9,
                              .name = s.phoneName,
                              .length = 20,
                              .exitTrigger = R"(c:\old\dial.exe)",
                              .position = std::int16_t(s.phoneFirst ? 0 : 1)});
        db.AddPopupList(contact, 9, s.phoneList);
        for (const auto& field : s.moreFields) {
            db.AddField(contact, field);
        }
        db.AddUser({.name = s.firstUser, .uniqueId = "U1", .password = "pw", .security = 1});
        db.AddUser({.name = "Pat", .password = "pat", .security = 2});
        if (s.record) {
            db.AddRecord(contact, "R1");
        }
        db.Commit();
        return file;
    }

    // A text as the command line's text output shows it: the first line of survey's outline
    // of a database of that name.
    std::string Shown(const std::string& text) {
        const auto file = temp.Path() / "shown.dbf";
        fs::remove(file);
        {
            StandInDatabaseWriter db(file, text);
            db.Commit();
        }
        const auto out = Run({"survey", file.string()}).out;
        return out.substr(0, out.find("\n  Tables\n"));
    }
};

TEST_F(CliDiffTest, PairsOfDatabasesPrintTheirDifferences) {
    const FieldDefinition mobile{.id = 31, .name = "Mobile 2"};
    const std::string fields = "Tables/Contact/Fields/";
    const std::string items = "~ " + fields + "Phone/PopupList/Item ";
    struct Case {
        std::string name;
        Structure a;
        Structure b;
        Args options;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {"identical", {}, {}, {}, 0, ""},
        {"a field in each only",
         {.moreFields = {{.id = 30, .name = "Fax"}}},
         {.moreFields = {mobile}},
         {},
         1,
         "- " + fields + "Fax\n+ " + fields + "Mobile 2\n"},
        {"a field added",
         {},
         {.moreFields = {mobile}},
         {},
         1,
         "+ " + fields + "Mobile 2\n~ Tables/Contact: Field Count = 2 -> 3\n"},
        {"fields in another order", {}, {.phoneFirst = true}, {}, 0, ""},
        {"a rename",
         {},
         {.phoneName = "Telephone"},
         {},
         1,
         "~ " + fields + "Phone: renamed to Telephone\n"},
        {"a list grown",
         {},
         {.phoneList = {{"A", "first"}, {"B", ""}, {"C", "third"}}},
         {},
         1,
         "~ " + fields + "Phone: PopupCount = 2 -> 3\n+ " + fields + "Phone/PopupList/Item 2\n"},
        {"a list shrunk",
         {},
         {.phoneList = {{"A", "first"}}},
         {},
         1,
         "~ " + fields + "Phone: PopupCount = 2 -> 1\n- " + fields + "Phone/PopupList/Item 1\n"},
        {"a list reordered",
         {},
         {.phoneList = {{"B", ""}, {"A", "first"}}},
         {},
         1,
         items + "0: Value = A -> B\n" + items + "0: Remark = first -> \n" + items +
             "1: Value = B -> A\n" + items + "1: Remark =  -> first\n"},
        {"a user name in other case", {}, {.firstUser = "CHRIS"}, {}, 0, ""},
        {"a table name and a record",
         {},
         {.tableName = "Customers", .record = true},
         {},
         1,
         "~ Tables/Contact: Name = Contacts -> Customers\n"
         "~ Tables/Contact: Record Count = 0 -> 1\n"},
        {"ignored properties",
         {},
         {.tableName = "Customers", .moreFields = {mobile}, .record = true},
         {"--ignore", "RecordCount", "--ignore", "field count"},
         1,
         "+ " + fields + "Mobile 2\n~ Tables/Contact: Name = Contacts -> Customers\n"},
    };
    int number = 0;
    for (const auto& c : cases) {
        const auto fileA = Write("A" + std::to_string(++number), c.a);
        const auto fileB = Write("B" + std::to_string(number), c.b);
        const auto result =
            Run(Args{"diff", fileA.string(), fileB.string()} + c.options + kTeamLogin);
        EXPECT_EQ(result.status, c.status) << c.name << ": " << result.err;
        EXPECT_EQ(result.out, c.out) << c.name;
        EXPECT_EQ(result.err, "") << c.name;
    }
}

TEST_F(CliDiffTest, TextsAreShownAsSurveyShowsThemAndJsonKeepsThemExactly) {
    Structure a;
    a.moreFields = {{.id = 30, .name = "Fax"}};
    Structure b;
    b.nameTrigger = "d:\\new\\a.exe /x = 1\r\nnext";
    b.phoneName = "Telephone";
    b.moreFields = {{.id = 31, .name = "Mobile 2"}};
    const auto fileA = Write("A", a);
    const auto fileB = Write("B", b);

    const auto text = Run(Args{"diff", fileA.string(), fileB.string()} + kTeamLogin);
    EXPECT_EQ(text.status, 1) << text.err;
    EXPECT_EQ(text.out, "~ Tables/Contact/Fields/Name: EntryTrigger = " + Shown(a.nameTrigger) +
                            " -> " + Shown(b.nameTrigger) +
                            "\n"
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
    const auto a = Write("A", {}).string();
    const auto b = Write("B", {}).string();
    const auto broken = Write("C", {.moreFields = {{.id = 40, .name = "B", .hasPopupList = true}}});
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

TEST_F(CliDiffTest, WrongUsageOfDiff) {
    const std::pair<Args, std::string> cases[] = {
        {{"diff"}, "databases A and B are missing"},
        {{"diff", "a.dbf", "--json"}, "database B is missing"},
        {{"diff", "a.dbf", "b.dbf", "c.dbf"}, "unexpected argument \"c.dbf\""},
        {{"diff", "a.dbf", "b.dbf", "--ignore", "Type", "--ignore="},
         "--ignore needs a property name"},
        {{"survey", "--ignore", "Type"}, "unknown option --ignore"},
    };
    for (const auto& [args, problem] : cases) {
        const auto result = Run(args);
        EXPECT_EQ(result.status, 2) << problem;
        EXPECT_EQ(result.err.substr(0, result.err.find('\n')), "veltrano-cli: " + problem);
    }
}

} // namespace
} // namespace veltrano::testsupport
