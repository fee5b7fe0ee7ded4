// veltrano-cli list: nodes by path or index, and the sorting options. The layouts themselves are
// Copy Table's (tests/detail).

#include "CliFixture.h"

namespace veltrano::testsupport {
namespace {

const std::string kFieldsHeader =
    "Name\tID\tType\tLength\tDecimal Places\tEntry Rule\tEntry Trigger\tExit Trigger\t"
    "Initial Value\tIs Block Sync\tIs Cut History\tIs Indexed\tIs Primary\tIs Sortable\t"
    "Has Popuplist\tPopup Count\t\r\n";
const std::string kNameRow = "Name\t   25\tString\t   40\t    0\tNo rules\t"
                             "c:\\old\\a.exe c:\\old\\b.exe\t\t\tFalse\tFalse\tFalse\tFalse\t"
                             "False\tFalse\t   -1\t\r\n";
const std::string kPhoneRow = "Phone\t    9\tString\t   20\t    0\tNo rules\t\tc:\\old\\dial.exe\t"
                              "\tFalse\tFalse\tFalse\tFalse\tFalse\tTrue\t    2\t\r\n";
const std::string kNameFirst = kFieldsHeader + kNameRow + kPhoneRow;
const std::string kPhoneFirst = kFieldsHeader + kPhoneRow + kNameRow;

class CliListTest : public CliTest {
protected:
    CliResult List(const Args& args) {
        return Run(Args{"list", file.string()} + args + kTeamLogin);
    }
    fs::path file = WriteTeamDatabase();
};

TEST_F(CliListTest, NodesByPathOrIndexAreCopiedInTheOrderAskedFor) {
    const std::pair<Args, std::string> cases[] = {
        {{"Tables/Contact/Fields"}, kNameFirst},
        {{"4"}, kNameFirst}, // the index counts nodes in tree order
        {{"Tables/Contact"},
         "Property\tValue\t\r\nName\tContacts\t\r\nField Count\t2\t\r\nRecord Count\t0\t\r\n"},
        // Sorting clicks the header until the order is the one asked for.
        {{"Tables/Contact/Fields", "--sort", "ID"}, kPhoneFirst},  // "    9" before "   25"
        {{"Tables/Contact/Fields", "--sort", "Name"}, kNameFirst}, // one click would turn it
        {{"Tables/Contact/Fields", "--sort=1", "--descending"}, kPhoneFirst},
        {{"Tables/Contact/Fields", "--sort", "exit trigger", "--descending"}, kPhoneFirst},
    };
    for (const auto& [args, text] : cases) {
        const auto result = List(args);
        EXPECT_EQ(result.status, 0) << args.back() << ": " << result.err;
        EXPECT_EQ(result.out, text) << args.back();
        EXPECT_EQ(result.err, "") << args.back();
    }
}

TEST_F(CliListTest, UnknownNodeOrColumnFailsWithoutOutput) {
    const std::pair<Args, std::string> cases[] = {
        {{"Tables/Nothing"}, "the database has no node \"Tables/Nothing\""},
        {{"99999"}, "the database has no node \"99999\""},
        {{"Tables/Contact", "--sort", "3"},
         "the list of \"Tables/Contact\" has no column \"3\" (columns: \"Property\", \"Value\")"},
        {{"Tables", "--sort", "Name"},
         "the list of \"Tables\" has no column \"Name\" (columns: none)"},
    };
    for (const auto& [args, message] : cases) {
        const auto result = List(args);
        EXPECT_EQ(result.status, 1) << message;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "veltrano-cli: " + message + "\n");
    }
}

} // namespace
} // namespace veltrano::testsupport
