// veltrano-cli list: each layout as Copy Table copies it, and the sorting options.

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

class CliListTest : public CliTest {
protected:
    CliResult List(const std::vector<std::string>& args) {
        return Run(std::vector<std::string>{"list", file.string()} + args + kTeamLogin);
    }
    std::filesystem::path file = WriteTeamDatabase();
};

TEST_F(CliListTest, EveryLayoutIsCopiedByteForByte) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Tables/Contact/Fields", kFieldsHeader + kNameRow + kPhoneRow},
        {"Tables/Contact",
         "Property\tValue\t\r\nName\tContacts\t\r\nField Count\t2\t\r\nRecord Count\t0\t\r\n"},
        {"Users", "Name\tSecurity\tAccess\tUniqueID\tPassword\t\r\nChris\t1\t255\tU1\tpw\t\r\n"
                  "Pat\t2\t3\t\t\t\r\n"},
        {"Tables/Contact/Fields/Phone/PopupList",
         "ID\tValue\tRemark\t\r\n    0\tA\tfirst\t\r\n    1\tB\t\t\r\n"},
        {"Tables/Group/Fields", kFieldsHeader},
        {"1", "\r\n"},
        {"Tables", "\r\n"},
    };
    for (const auto& [node, text] : cases) {
        const auto result = List({node});
        EXPECT_EQ(result.status, 0) << node << ": " << result.err;
        EXPECT_EQ(result.out, text) << node;
        EXPECT_EQ(result.err, "") << node;
    }
    // Node 4 is the Fields node of Contact, as the index counts in tree order.
    EXPECT_EQ(List({"4"}).out, kFieldsHeader + kNameRow + kPhoneRow);
}

TEST_F(CliListTest, SortingClicksTheHeaderUntilTheOrderIsTheOneAskedFor) {
    const std::string nameFirst = kFieldsHeader + kNameRow + kPhoneRow;
    const std::string phoneFirst = kFieldsHeader + kPhoneRow + kNameRow;
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"--sort", "ID"}, phoneFirst}, // "    9" before "   25"
        {{"--sort", "2", "--descending"}, nameFirst},
        // Name is the sort column already: one click alone would turn it round.
        {{"--sort", "Name"}, nameFirst},
        {{"--sort=1", "--descending"}, phoneFirst},
        {{"--sort", "exit trigger", "--descending"}, phoneFirst},
        {{"--sort", "Entry Trigger", "--descending"}, nameFirst},
    };
    for (const auto& [options, text] : cases) {
        const auto result = List(std::vector<std::string>{"Tables/Contact/Fields"} + options);
        EXPECT_EQ(result.status, 0) << options[1] << ": " << result.err;
        EXPECT_EQ(result.out, text) << options[1];
    }
    EXPECT_EQ(List({"Users", "--sort", "Name", "--descending"}).out,
              "Name\tSecurity\tAccess\tUniqueID\tPassword\t\r\nPat\t2\t3\t\t\t\r\n"
              "Chris\t1\t255\tU1\tpw\t\r\n");
}

TEST_F(CliListTest, UnknownNodeOrColumnFailsWithoutOutput) {
    const auto node = List({"Tables/Nothing"});
    EXPECT_EQ(node.status, 1);
    EXPECT_EQ(node.out, "");
    EXPECT_EQ(node.err, "veltrano-cli: the database has no node \"Tables/Nothing\"\n");
    EXPECT_EQ(List({"99999"}).status, 1);

    const auto column = List({"Tables/Contact", "--sort", "3"});
    EXPECT_EQ(column.status, 1);
    EXPECT_EQ(column.out, "");
    EXPECT_EQ(column.err, "veltrano-cli: the list of \"Tables/Contact\" has no column \"3\" "
                          "(columns: \"Property\", \"Value\")\n");
    EXPECT_EQ(List({"Tables", "--sort", "Name"}).err,
              "veltrano-cli: the list of \"Tables\" has no column \"Name\" (columns: none)\n");
}

} // namespace
} // namespace veltrano::testsupport
