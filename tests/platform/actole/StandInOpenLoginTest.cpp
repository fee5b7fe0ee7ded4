#include "StandInTestSupport.h"

#include "platform/actole/standin/StandInErrors.h"

namespace veltrano::ole::standin::test {
namespace {

class StandInOpenLogin : public ::testing::Test {
protected:
    TempFolder dir;
    fs::path file = dir.File("team.dbf");
    act::Database db = NewDatabase();
};

TEST_F(StandInOpenLogin, WithoutPasswordsOrAsTheRunningDatabaseOpensAtOnceWithItsAbsolutePath) {
    WriteSmallDatabase(file, {{.name = "Sam Rivera"}});
    db.Open(""); // no stand-in runs
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(db.LoginRequired());
    {
        // From the file's own folder, so that a relative path exists on any drive layout.
        struct Back {
            fs::path to = fs::current_path();
            ~Back() { fs::current_path(to); }
        } back;
        fs::current_path(file.parent_path());
        db.Open(file.filename().string());
    }
    EXPECT_FALSE(db.LoginRequired());
    EXPECT_TRUE(db.IsOpen());
    EXPECT_EQ(db.FilePath(), file.string());

    const fs::path locked = dir.File("locked.dbf");
    WriteSmallDatabase(locked, {{.name = "Chris Miller", .password = "sales"}});
    act::Database running = NewDatabase(locked.string());
    running.Open("");
    EXPECT_TRUE(running.IsOpen());
    EXPECT_FALSE(running.LoginRequired());
    EXPECT_EQ(running.FilePath(), locked.string());
}

TEST_F(StandInOpenLogin, NameIgnoresAsciiCasePasswordMustMatchExactly) {
    WriteSmallDatabase(file, {{.name = "Chris Miller", .password = "sales"},
                              {.name = "Sam Rivera", .password = ""},
                              {.name = "Jürgen", .password = "x"}});
    db.Open(file.string());
    EXPECT_TRUE(db.LoginRequired());
    EXPECT_FALSE(db.IsOpen());
    const AutomationError closed = Raised([&] { (void)db.ContactTable(); });
    EXPECT_EQ(closed.Number(), errors::kDatabaseNotOpen);
    EXPECT_EQ(closed.Description(), "The ACT! database is not open.");

    const std::pair<const char*, const char*> refused[] = {{"Chris Miller", "Sales"},
                                                           {"Chris Miller", "sales "},
                                                           {" Chris Miller", "sales"},
                                                           {"Chris", "sales"},
                                                           {"Nobody", ""},
                                                           {"JÜRGEN", "x"}};
    for (const auto& [name, password] : refused) {
        db.Login(name, password);
        EXPECT_TRUE(db.LoginFailed()) << name << "/" << password;
        EXPECT_FALSE(db.IsOpen()) << name << "/" << password;
    }
    const std::pair<const char*, const char*> accepted[] = {
        {"cHRIS mILLER", "sales"}, {"SAM RIVERA", ""}, {"JüRGEN", "x"}};
    for (const auto& [name, password] : accepted) {
        db.Open(file.string());
        db.Login(name, password);
        EXPECT_FALSE(db.LoginFailed()) << name;
        EXPECT_EQ(db.ContactTable().Name(), "Contacts") << name;
    }
}

TEST_F(StandInOpenLogin, CloseEndsEveryObjectOfTheDatabase) {
    WriteSmallDatabase(file);
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
    EXPECT_THROW((void)fields.Count(), AutomationError);
    EXPECT_EQ(db.ContactTable().GetFields().Count(), 2);
}

} // namespace
} // namespace veltrano::ole::standin::test
