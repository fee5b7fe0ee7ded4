#include "StandInTestSupport.h"

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace veltrano::ole::standin::test {
namespace {

constexpr std::int16_t kSqliteBusy = 5;
constexpr const char* kStored = R"(c:\act\a.exe)";

class StandInBatch : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSmallDatabase(file);
        db.Open(file.string());
    }

    // The entry trigger of Contact field 1 as another connection sees it.
    std::string StoredTrigger() const {
        Connection other = Connection::Open(file.string(), SQLITE_OPEN_READONLY);
        Statement query(other, "SELECT entry_trigger FROM field "
                               "WHERE accessor = 'Contact' AND field_id = 1");
        return query.Step() ? query.Text(0) : "<missing>";
    }

    TempFolder dir;
    fs::path file = dir.File("batch.dbf");
    act::Database db = NewDatabase();
    act::Fields fields;
};

TEST_F(StandInBatch, WritesOutsideABatchCommitAtOnceInsideAtEndBatchOrNotAtAll) {
    fields = db.ContactTable().GetFields();
    fields.SetEntryTrigger(1, "now.exe");
    EXPECT_EQ(StoredTrigger(), "now.exe");

    ASSERT_TRUE(fields.BeginBatch());
    fields.SetEntryTrigger(1, "new.exe");
    EXPECT_EQ(StoredTrigger(), "now.exe");
    EXPECT_EQ(fields.EntryTrigger(1), "new.exe");
    ASSERT_TRUE(fields.EndBatch());
    EXPECT_EQ(StoredTrigger(), "new.exe");

    // A reader in the middle of a transaction keeps the commit from taking the file.
    ASSERT_TRUE(fields.BeginBatch());
    fields.SetEntryTrigger(1, "lost.exe");
    Connection reader = Connection::Open(file.string(), SQLITE_OPEN_READONLY);
    reader.Execute("BEGIN; SELECT count(*) FROM field;");
    EXPECT_FALSE(fields.EndBatch());
    EXPECT_EQ(fields.LastError(), kSqliteBusy);
    reader.Execute("COMMIT");
    EXPECT_EQ(fields.EntryTrigger(1), "new.exe");
    EXPECT_EQ(StoredTrigger(), "new.exe");
    EXPECT_FALSE(fields.EndBatch()); // no batch any more
}

TEST_F(StandInBatch, CloseAndReleaseRollBackAnOpenBatch) {
    for (const bool close : {true, false}) {
        db.Open(file.string());
        fields = db.ContactTable().GetFields();
        ASSERT_TRUE(fields.BeginBatch());
        fields.SetEntryTrigger(1, "dropped.exe");
        if (close) {
            db.Close();
        } else {
            fields.Release();
            db.Release();
            db = NewDatabase();
        }
        EXPECT_EQ(StoredTrigger(), kStored) << (close ? "Close" : "Release");
    }
    EXPECT_EQ(Listing(dir.Path()), std::vector<std::string>{"batch.dbf"});
}

TEST_F(StandInBatch, ProcessKilledInTheMiddleOfABatchLeavesTheFileUnchanged) {
    db.Close();
    const std::string before = ReadBytes(file);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            db.Open(file.string());
            fields = db.ContactTable().GetFields();
            // Triggers too big for SQLite's page cache, so that pages reach the file before the
            // commit and the journal has to restore them.
            if (fields.BeginBatch()) {
                fields.SetEntryTrigger(1, std::string(4'000'000, 'x'));
                (void)!write(ready[1], "w", 1);
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
    EXPECT_NE(ReadBytes(file), before) << "nothing written before the commit: no test";
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));

    db.Open(file.string());
    EXPECT_EQ(db.ContactTable().GetFields().EntryTrigger(1), kStored);
    db.Close();
    EXPECT_EQ(ReadBytes(file), before);
}

} // namespace
} // namespace veltrano::ole::standin::test
