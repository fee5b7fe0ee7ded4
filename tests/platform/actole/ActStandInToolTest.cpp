#include "StandInTestSupport.h"

#include "support/BinDir.h"

#include <sys/wait.h>

#include <cstdlib>

namespace veltrano::ole::standin::test {
namespace {

class ActStandInTool : public ::testing::Test {
protected:
    // Runs act-standin with the arguments (each quoted for the shell): its exit status; what it
    // printed is in out, its error output in err.txt.
    int Run(const std::vector<std::string>& args) {
        std::string command = "'" + testsupport::BinDir() + "/act-standin'";
        for (const std::string& arg : args) {
            command += " '" + arg + "'";
        }
        command +=
            " >'" + dir.File("out.txt").string() + "' 2>'" + dir.File("err.txt").string() + "'";
        const int status = std::system(command.c_str());
        out = ReadBytes(dir.File("out.txt"));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    bool Printed(const std::string& part) const { return out.find(part) != std::string::npos; }
    std::string Err() const { return ReadBytes(dir.File("err.txt")); }

    TempFolder dir;
    std::string out;
};

TEST_F(ActStandInTool, CreateSampleThenDumpShowsTriggersListsAndUsers) {
    const std::string demo = dir.File("demo.dbf").string();
    ASSERT_EQ(Run({"create", demo, "--sample"}), 0) << Err();
    ASSERT_EQ(Run({"dump", demo}), 0) << Err();
    for (const char* line :
         {"Database \"Sales Team\"\n", "    EntryTrigger: \"c:\\act\\tools\\dial.exe\"\n",
          "      0: \"Customer\"  Remark: \"Has bought from us\"\n",
          "  User 0 \"Chris Miller\"\n"}) {
        EXPECT_TRUE(Printed(line)) << line;
    }
}

TEST_F(ActStandInTool, RefusesToOverwriteWithoutForce) {
    const std::string target = dir.File("taken.dbf").string();
    const std::string small = dir.File("small.dbf").string();
    const std::string text = dir.File("dump.txt").string();
    WriteBytes(target, "keep me");
    WriteBytes(text, "keep me too");
    WriteSmallDatabase(small);
    EXPECT_EQ(Run({"create", target, "--sample"}), 1);
    EXPECT_NE(Err().find("already exists"), std::string::npos);
    EXPECT_EQ(Run({"dump", small, "--output", text}), 1);
    EXPECT_EQ(ReadBytes(target), "keep me");
    EXPECT_EQ(ReadBytes(text), "keep me too");

    EXPECT_EQ(Run({"create", target, "--sample", "--force"}), 0);
    EXPECT_EQ(Run({"dump", small, "-o", text, "--force"}), 0);
    EXPECT_NE(ReadBytes(target), "keep me"); // what create writes is the case above
    EXPECT_NE(ReadBytes(text).find("Database \"Small\""), std::string::npos);
}

TEST_F(ActStandInTool, CheckReportsEachFindingWithItsStatus) {
    const std::string good = dir.File("good.dbf").string();
    const std::string bad = dir.File("bad.dbf").string();
    WriteSmallDatabase(good);
    WriteSmallDatabase(bad);
    ExecuteSql(bad, "PRAGMA ignore_check_constraints = ON; UPDATE field SET type = 40000; "
                    "INSERT INTO popup_item VALUES ('Contact', 1, 0, 'orphan', '')");
    EXPECT_EQ(Run({"check", good}), 0) << Err();
    EXPECT_EQ(out, good + ": no damage found\n");
    EXPECT_EQ(Run({"check", bad}), 1);
    EXPECT_EQ(out, bad + ": a row of table popup_item refers to a missing row of popup_list\n" +
                       bad + ": rows break the rules of format 1 (the fields)\n");
    EXPECT_EQ(Run({"check", dir.File("missing.dbf").string()}), 1);
    EXPECT_EQ(out, dir.File("missing.dbf").string() + ": the file does not exist\n");
    EXPECT_EQ(Run({"check"}), 2);
    EXPECT_EQ(Run({"check", "--help"}), 0);
    EXPECT_TRUE(Printed("create FILE --sample [--force]"));
}

} // namespace
} // namespace veltrano::ole::standin::test
