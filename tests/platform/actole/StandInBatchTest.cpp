#include "StandInTestSupport.h"

#include "platform/actole/standin/Sqlite.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace veltrano::ole::standin::test {
namespace {

constexpr std::int16_t kSqliteBusy = 5;

class StandInBatch : public ::testing::Test {
protected:
    void SetUp() override { WriteSmallDatabase(file); }

    // The entry trigger of Contact field 1 as another connection sees it.
    std::string StoredTrigger() const {
        Connection other = Connection::Open(file.string(), SQLITE_OPEN_READONLY);
        Statement query(other, "SELECT entry_trigger FROM field "
                               "WHERE accessor = 'Contact' AND field_id = 1");
        return query.Step() ? query.Text(0) : "<missing>";
    }

    act::Fields OpenContactFields(act::Database& db) const {
        db.Open(file.string());
        return db.ContactTable().GetFields();
    }

    TempDir dir;
    fs::path file = dir.File("batch.dbf");
};

TEST_F(StandInBatch, WriteOutsideBatchIsCommittedAtOnce) {
    act::Database db = NewDatabase();
    act::Fields fields = OpenContactFields(db);
    fields.SetEntryTrigger(1, R"(d:\act\a.exe)");
    fields.SetExitTrigger(2, "phone.mac");
    EXPECT_EQ(StoredTrigger(), R"(d:\act\a.exe)");
    EXPECT_EQ(fields.EntryTrigger(1), R"(d:\act\a.exe)");
    EXPECT_EQ(fields.ExitTrigger(2), "phone.mac");
}

TEST_F(StandInBatch, WritesJoinTheBatchAndEndBatchCommits) {
    act::Database db = NewDatabase();
    act::Fields fields = OpenContactFields(db);
    ASSERT_TRUE(fields.BeginBatch());
    fields.SetEntryTrigger(1, "new.exe");
    EXPECT_EQ(StoredTrigger(), R"(c:\act\a.exe)");
    EXPECT_EQ(fields.EntryTrigger(1), "new.exe");
    ASSERT_TRUE(fields.EndBatch());
    EXPECT_EQ(fields.LastError(), 0);
    EXPECT_EQ(StoredTrigger(), "new.exe");
}

TEST_F(StandInBatch, BeginBatchReturnsFalseWhileAnotherWriterHoldsTheFile) {
    const std::string before = ReadBytes(file);
    Connection other = Connection::Open(file.string(), SQLITE_OPEN_READWRITE);
    other.Execute("BEGIN IMMEDIATE");

    act::Database db = NewDatabase();
    act::Fields fields = OpenContactFields(db);
    EXPECT_FALSE(fields.BeginBatch());
    EXPECT_EQ(fields.LastError(), kSqliteBusy);
    EXPECT_THROW(fields.SetEntryTrigger(1, "x"), AutomationError);
    EXPECT_EQ(ReadBytes(file), before);

    other.Execute("ROLLBACK");
    EXPECT_TRUE(fields.BeginBatch());
    EXPECT_TRUE(fields.EndBatch());
}

TEST_F(StandInBatch, FailedCommitRollsBackAndReturnsFalse) {
    act::Database db = NewDatabase();
    act::Fields fields = OpenContactFields(db);
    ASSERT_TRUE(fields.BeginBatch());
    fields.SetEntryTrigger(1, "lost.exe");

    // A reader in the middle of a transaction keeps the commit from taking the file.
    Connection reader = Connection::Open(file.string(), SQLITE_OPEN_READONLY);
    reader.Execute("BEGIN; SELECT count(*) FROM field;");
    EXPECT_FALSE(fields.EndBatch());
    EXPECT_EQ(fields.LastError(), kSqliteBusy);
    reader.Execute("COMMIT");

    EXPECT_EQ(fields.EntryTrigger(1), R"(c:\act\a.exe)");
    EXPECT_EQ(StoredTrigger(), R"(c:\act\a.exe)");
    EXPECT_FALSE(fields.EndBatch()); // no batch any more
}

TEST_F(StandInBatch, CloseAndReleaseRollBackAnOpenBatch) {
    {
        act::Database db = NewDatabase();
        act::Fields fields = OpenContactFields(db);
        ASSERT_TRUE(fields.BeginBatch());
        fields.SetEntryTrigger(1, "closed.exe");
        db.Close();
        EXPECT_EQ(StoredTrigger(), R"(c:\act\a.exe)");
    }
    {
        act::Database db = NewDatabase();
        act::Fields fields = OpenContactFields(db);
        ASSERT_TRUE(fields.BeginBatch());
        fields.SetEntryTrigger(1, "released.exe");
        fields.Release();
        db.Release();
    }
    EXPECT_EQ(StoredTrigger(), R"(c:\act\a.exe)");
    EXPECT_EQ(dir.Listing(), std::vector<std::string>{"batch.dbf"});
}

TEST_F(StandInBatch, ProcessKilledInTheMiddleOfABatchLeavesTheFileUnchanged) {
    // Enough fields with long triggers that SQLite has to write pages into the file before the
    // commit; the journal must restore them.
    fs::remove(file);
    {
        StandInDatabaseWriter writer(file, "Big");
        for (std::int16_t id = 1; id <= 400; ++id) {
            writer.AddField(TableAccessor::Contact, {.id = id, .name = "F" + std::to_string(id)});
        }
        writer.Commit();
    }
    const std::string before = ReadBytes(file);

    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(ready[0]);
        try {
            act::Database db = NewDatabase();
            act::Fields fields = OpenContactFields(db);
            if (fields.BeginBatch()) {
                for (std::int16_t id = 1; id <= 400; ++id) {
                    fields.SetEntryTrigger(id, std::string(10000, 'x'));
                }
                const char done = 'w';
                (void)!write(ready[1], &done, 1);
            }
        } catch (...) {
        }
        pause();
        _exit(0);
    }
    close(ready[1]);
    char signal = 0;
    ASSERT_EQ(read(ready[0], &signal, 1), 1) << "child did not write its batch";
    close(ready[0]);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));

    act::Database db = NewDatabase();
    act::Fields fields = OpenContactFields(db);
    ASSERT_TRUE(db.IsOpen());
    EXPECT_EQ(fields.EntryTrigger(400), "");
    db.Close();
    EXPECT_EQ(ReadBytes(file), before);
}

} // namespace
} // namespace veltrano::ole::standin::test
