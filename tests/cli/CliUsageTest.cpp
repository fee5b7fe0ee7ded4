// veltrano-cli usage: help texts, and wrong usage refused before anything is opened.

#include "CliFixture.h"

namespace veltrano::testsupport {
namespace {

TEST_F(CliTest, HelpForTheProgramAndEachCommand) {
    const std::pair<Args, std::string> cases[] = {
        {{"--help"}, "Usage: veltrano-cli survey|list|replace|diff [ARGUMENTS]\n"},
        {{"survey", "--help"},
         "Usage: veltrano-cli survey [DATABASE] [--json] [--user NAME] [--password TEXT]\n"},
        {{"list", "-h"},
         "Usage: veltrano-cli list [DATABASE] NODE [--sort COLUMN] "
         "[--descending] [--user NAME] [--password TEXT]\n"},
        {{"replace", "x.dbf", "--help", "--bogus"},
         "Usage: veltrano-cli replace [DATABASE] --table TABLE --search TEXT --replace TEXT "
         "[--save] [--user NAME] [--password TEXT]\n"},
    };
    for (const auto& [args, firstLine] : cases) {
        const auto result = Run(args);
        EXPECT_EQ(result.status, 0) << args[0];
        EXPECT_EQ(result.out.substr(0, firstLine.size()), firstLine);
        EXPECT_NE(
            result.out.find("Exit status: 0 success, 1 failure, 2 wrong usage, 3 replace --save"),
            std::string::npos);
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(CliTest, WrongUsageExitsWithTwoAndAUsageLine) {
    const std::pair<Args, std::string> cases[] = {
        {{}, "a command is missing"},
        {{"scan"}, "unknown command \"scan\""},
        {{"survey", "a.dbf", "b.dbf"}, "unexpected argument \"b.dbf\""},
        {{"survey", "--sort", "1"}, "unknown option --sort"},
        {{"survey", "--json=yes"}, "--json takes no value"},
        {{"survey", "--user"}, "--user needs a value"},
        {{"survey", "--json", "--json"}, "--json is given twice"},
        {{"list"}, "NODE is missing"},
        {{"list", "Users", "--descending"}, "--descending needs --sort"},
        {{"list", "Users", "--sort", "0"}, "column numbers start at 1"},
        {{"replace", "--search", "a", "--replace", "b"}, "--table is missing"},
        {{"replace", "--table", "Contact", "--search", "", "--replace", "b"},
         "--search needs a text"},
        {{"replace", "--table", "Contact", "--search", "a", "--replace="},
         "--replace needs a text"},
        {{"replace", "--table", "People", "--search", "a", "--replace", "b"},
         "unknown table \"People\" (tables: Contact, Group, NoteHistory, Activity, Sales, "
         "ListTable, Email)"},
        {{"diff"}, "databases A and B are missing"},
        {{"diff", "a.dbf", "--json"}, "database B is missing"},
        {{"diff", "a.dbf", "b.dbf", "c.dbf"}, "unexpected argument \"c.dbf\""},
        {{"diff", "a.dbf", "b.dbf", "--ignore", "Type", "--ignore="},
         "--ignore needs a property name"},
    };
    for (const auto& [args, problem] : cases) {
        const auto result = Run(args);
        EXPECT_EQ(result.status, 2) << problem;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.substr(0, result.err.find('\n')), "veltrano-cli: " + problem);
        // The last line is the command's usage line.
        ASSERT_GE(result.err.size(), 2u);
        const auto last = result.err.rfind('\n', result.err.size() - 2);
        EXPECT_EQ(result.err.substr(last + 1, 20), "Usage: veltrano-cli ") << result.err;
        EXPECT_EQ(result.err.back(), '\n');
    }
}

} // namespace
} // namespace veltrano::testsupport
