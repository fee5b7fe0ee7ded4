// veltrano-cli list: nodes by path or index, and the sorting options. The layouts themselves are
// Copy Table's (tests/detail).

#include "CliFixture.h"

#include <regex>

namespace veltrano::testsupport {
namespace {

// The first cell of each line.
std::string FirstCells(const std::string& text) {
    return std::regex_replace(text, std::regex("\t[^\n]*\n"), ";");
}

class CliListTest : public CliTest {
protected:
    CliResult List(const Args& args) {
        return Run(Args{"list", file.string()} + args + kTeamLogin);
    }
    fs::path file = WriteTeamDatabase();
};

TEST_F(CliListTest, NodesByPathOrIndexAreCopiedInTheOrderAskedFor) {
    const auto properties = List({"Tables/Contact"});
    EXPECT_EQ(properties.out,
              "Property\tValue\t\r\nName\tContacts\t\r\nField Count\t2\t\r\nRecord Count\t0\t\r\n");
    const std::pair<Args, std::string> cases[] = {
        {{"Tables/Contact/Fields"}, "Name;Name;Phone;"},
        {{"4"}, "Name;Name;Phone;"}, // the index counts nodes in tree order
        // Sorting clicks the header until the order is the one asked for.
        {{"Tables/Contact/Fields", "--sort", "ID"}, "Name;Phone;Name;"},   // "    9" before "   25"
        {{"Tables/Contact/Fields", "--sort", "Name"}, "Name;Name;Phone;"}, // not one click
        {{"Tables/Contact/Fields", "--sort=1", "--descending"}, "Name;Phone;Name;"},
        {{"Tables/Contact/Fields", "--sort", "exit trigger", "--descending"}, "Name;Phone;Name;"},
    };
    for (const auto& [args, text] : cases) {
        const auto result = List(args);
        EXPECT_EQ(result.status, 0) << args.back() << ": " << result.err;
        EXPECT_EQ(FirstCells(result.out), text) << args.back();
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
