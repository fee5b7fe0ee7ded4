#include "StandInTestSupport.h"

#include "platform/actole/standin/SampleDatabase.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

namespace veltrano::ole::standin::test {
namespace {

struct RunResult {
    int status = -1;
    std::string out;
};

// Runs act-standin with the arguments (each quoted for the shell); stderr goes to err.txt.
RunResult RunTool(const TempDir& dir, const std::vector<std::string>& args) {
    const char* binDir = std::getenv("VELTRANO_BIN_DIR");
    std::string command =
        "'" + std::string(binDir != nullptr ? binDir : ACT_STANDIN_BIN_DIR) + "/act-standin'";
    for (const std::string& arg : args) {
        command += " '" + arg + "'";
    }
    command += " 2>'" + dir.File("err.txt").string() + "'";
    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    std::size_t count = 0;
    while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.out.append(buffer, count);
    }
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ActStandInTool, CreateSampleThenDumpShowsTablesTriggersListsAndUsers) {
    TempDir dir;
    const std::string demo = dir.File("demo.dbf").string();
    ASSERT_EQ(RunTool(dir, {"create", demo, "--sample"}).status, 0);

    const RunResult dump = RunTool(dir, {"dump", demo});
    ASSERT_EQ(dump.status, 0) << ReadBytes(dir.File("err.txt"));
    for (const char* table :
         {"Contact", "Group", "NoteHistory", "Activity", "Sales", "ListTable", "Email"}) {
        EXPECT_TRUE(Contains(dump.out, std::string("\nTable ") + table + "\n")) << table;
    }
    EXPECT_TRUE(Contains(dump.out, "Database \"Sales Team\"\n"));
    EXPECT_TRUE(Contains(dump.out, "  Field 25 \"Group Name\" (position 0)\n"));
    EXPECT_TRUE(Contains(dump.out, "    EntryTrigger: \"c:\\act\\tools\\dial.exe\"\n"));
    EXPECT_TRUE(Contains(dump.out, "      0: \"Customer\"  Remark: \"Has bought from us\"\n"));
    EXPECT_TRUE(Contains(dump.out, "    PopupList: 0 entries\n"));
    EXPECT_TRUE(Contains(dump.out, "  User 0 \"Chris Miller\"\n"));
    EXPECT_TRUE(Contains(dump.out, "Password: \"sales\"  Security: 1  Access: 255\n"));

    // The sample asks for a login, and the documented one opens it.
    act::Database db = NewDatabase();
    db.Open(demo);
    ASSERT_TRUE(db.LoginRequired());
    db.Login(std::string(kSampleUserName), std::string(kSamplePassword));
    ASSERT_TRUE(db.IsOpen());
    EXPECT_EQ(db.GroupTable().GetFields().Name(25), "Group Name");
}

TEST(ActStandInTool, RefusesToOverwriteWithoutForce) {
    TempDir dir;
    const fs::path target = dir.File("taken.dbf");
    WriteBytes(target, "keep me");
    EXPECT_EQ(RunTool(dir, {"create", target.string(), "--sample"}).status, 1);
    EXPECT_TRUE(Contains(ReadBytes(dir.File("err.txt")), "already exists"));
    EXPECT_EQ(ReadBytes(target), "keep me");

    const fs::path out = dir.File("out.txt");
    WriteBytes(out, "keep me too");
    WriteSmallDatabase(dir.File("small.dbf"));
    EXPECT_EQ(
        RunTool(dir, {"dump", dir.File("small.dbf").string(), "--output", out.string()}).status, 1);
    EXPECT_EQ(ReadBytes(out), "keep me too");

    EXPECT_EQ(RunTool(dir, {"create", target.string(), "--sample", "--force"}).status, 0);
    act::Database db = NewDatabase();
    db.Open(target.string());
    EXPECT_TRUE(db.LoginRequired());
    EXPECT_EQ(RunTool(dir, {"dump", dir.File("small.dbf").string(), "-o", out.string(), "--force"})
                  .status,
              0);
    EXPECT_TRUE(Contains(ReadBytes(out), "Database \"Small\""));
}

TEST(ActStandInTool, ReportsBadFilesAndWrongUsage) {
    TempDir dir;
    WriteBytes(dir.File("text.dbf"), "hello");
    EXPECT_EQ(RunTool(dir, {"dump", dir.File("text.dbf").string()}).status, 1);
    EXPECT_TRUE(Contains(ReadBytes(dir.File("err.txt")), "is not a stand-in ACT! database"));
    EXPECT_EQ(RunTool(dir, {"dump", dir.File("missing.dbf").string()}).status, 1);
    EXPECT_EQ(RunTool(dir, {}).status, 2);
    EXPECT_EQ(RunTool(dir, {"frobnicate"}).status, 2);
    EXPECT_EQ(RunTool(dir, {"create", dir.File("x.dbf").string()}).status, 2);
    EXPECT_FALSE(fs::exists(dir.File("x.dbf")));
    const RunResult help = RunTool(dir, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(Contains(help.out, "create FILE --sample [--force]"));
}

} // namespace
} // namespace veltrano::ole::standin::test
