#include "StandInTestSupport.h"

#include "platform/actole/standin/StandInErrors.h"

#include <gtest/gtest.h>

namespace veltrano::ole::standin::test {
namespace {

const std::vector<UserDefinition> kUsers{
    {.name = "Chris Miller", .uniqueId = "U1", .password = "sales", .security = 1, .access = 255},
    {.name = "Sam Rivera", .password = ""},
};

class StandInOpenLogin : public ::testing::Test {
protected:
    TempDir dir;
    fs::path file = dir.File("team.dbf");
};

TEST_F(StandInOpenLogin, DatabaseWithoutPasswordsOpensAtOnce) {
    WriteSmallDatabase(file, {{.name = "Sam Rivera"}});
    act::Database db = NewDatabase();
    db.Open(file.string());
    EXPECT_FALSE(db.LoginRequired());
    EXPECT_TRUE(db.IsOpen());
    EXPECT_FALSE(db.LoginFailed());
    EXPECT_EQ(db.Name(), "Small");
    EXPECT_EQ(db.FilePath(), file.string());
}

TEST_F(StandInOpenLogin, PasswordAsksForLoginAndKeepsTablesClosed) {
    WriteSmallDatabase(file, kUsers);
    act::Database db = NewDatabase();
    db.Open(file.string());
    EXPECT_TRUE(db.LoginRequired());
    EXPECT_FALSE(db.IsOpen());
    try {
        (void)db.ContactTable();
        FAIL() << "table of a database before login";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.Number(), errors::kDatabaseNotOpen);
        EXPECT_EQ(error.Description(), "The ACT! database is not open.");
    }
}

TEST_F(StandInOpenLogin, NameIgnoresAsciiCasePasswordMustMatchExactly) {
    WriteSmallDatabase(file, kUsers);
    act::Database db = NewDatabase();
    db.Open(file.string());

    for (const auto& [name, password] :
         std::vector<std::pair<std::string, std::string>>{{"Chris Miller", "Sales"},
                                                          {"Chris Miller", "sales "},
                                                          {" Chris Miller", "sales"},
                                                          {"Chris", "sales"},
                                                          {"Nobody", ""}}) {
        db.Login(name, password);
        EXPECT_TRUE(db.LoginFailed()) << name << "/" << password;
        EXPECT_FALSE(db.IsOpen()) << name << "/" << password;
    }
    db.Login("cHRIS mILLER", "sales");
    EXPECT_FALSE(db.LoginFailed());
    EXPECT_TRUE(db.IsOpen());
    EXPECT_EQ(db.ContactTable().Name(), "Contacts");
}

TEST_F(StandInOpenLogin, UserWithEmptyPasswordLogsInWithEmptyPassword) {
    WriteSmallDatabase(file, kUsers);
    act::Database db = NewDatabase();
    db.Open(file.string());
    db.Login("SAM RIVERA", "");
    EXPECT_TRUE(db.IsOpen());
}

TEST_F(StandInOpenLogin, CaseRuleIsAsciiOnly) {
    WriteSmallDatabase(file, {{.name = "Jürgen", .password = "x"}});
    act::Database db = NewDatabase();
    db.Open(file.string());
    db.Login("JüRGEN", "x");
    EXPECT_TRUE(db.IsOpen());
    db.Open(file.string());
    db.Login("JÜRGEN", "x");
    EXPECT_TRUE(db.LoginFailed());
}

TEST_F(StandInOpenLogin, LoginWithoutOpenFileRaises) {
    act::Database db = NewDatabase();
    EXPECT_THROW(db.Login("a", "b"), AutomationError);
}

TEST_F(StandInOpenLogin, EmptyPathOpensTheRunningDatabaseWithoutLogin) {
    WriteSmallDatabase(file, kUsers);
    act::Database running = NewDatabase(file.string());
    running.Open("");
    EXPECT_TRUE(running.IsOpen());
    EXPECT_FALSE(running.LoginRequired());
    EXPECT_EQ(running.FilePath(), file.string());

    act::Database nothingRunning = NewDatabase();
    nothingRunning.Open("");
    EXPECT_FALSE(nothingRunning.IsOpen());
    EXPECT_FALSE(nothingRunning.LoginRequired());
}

TEST_F(StandInOpenLogin, FilePathIsAbsolute) {
    WriteSmallDatabase(file, {});
    act::Database db = NewDatabase();
    db.Open(fs::relative(file).string());
    ASSERT_TRUE(db.IsOpen());
    EXPECT_EQ(db.FilePath(), file.string());
    EXPECT_TRUE(fs::path(db.FilePath()).is_absolute());
}

TEST_F(StandInOpenLogin, CloseEndsEveryObjectOfTheDatabase) {
    WriteSmallDatabase(file, {});
    act::Database db = NewDatabase();
    db.Open(file.string());
    act::Table table = db.ContactTable();
    act::Fields fields = table.GetFields();
    act::Users users = db.GetUsers();
    db.Close();
    EXPECT_FALSE(db.IsOpen());
    EXPECT_THROW((void)table.Name(), AutomationError);
    EXPECT_THROW((void)fields.Count(), AutomationError);
    EXPECT_THROW((void)users.Count(), AutomationError);
    EXPECT_THROW((void)db.Name(), AutomationError);

    // Objects of an earlier opening stay closed when the database is opened again.
    db.Open(file.string());
    EXPECT_TRUE(db.IsOpen());
    EXPECT_THROW((void)fields.Count(), AutomationError);
    EXPECT_EQ(db.ContactTable().GetFields().Count(), 2);
}

} // namespace
} // namespace veltrano::ole::standin::test
