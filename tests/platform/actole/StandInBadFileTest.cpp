#include "StandInTestSupport.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

namespace veltrano::ole::standin::test {
namespace {

struct BadFile {
    const char* name;
    // Turns the good database at `file` into a bad one (or removes it).
    std::function<void(const fs::path& file)> spoil;
};

void PrintTo(const BadFile& file, std::ostream* out) {
    *out << file.name;
}

void Truncate(const fs::path& file, std::size_t size) {
    WriteBytes(file, ReadBytes(file).substr(0, size));
}

void Overwrite(const fs::path& file, std::size_t offset, std::size_t count) {
    std::string bytes = ReadBytes(file);
    for (std::size_t i = offset; i < offset + count && i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(0xA5 ^ (i & 0xFF));
    }
    WriteBytes(file, bytes);
}

const BadFile kBadFiles[] = {
    {"Missing", [](const fs::path& file) { fs::remove(file); }},
    {"Folder",
     [](const fs::path& file) {
         fs::remove(file);
         fs::create_directory(file);
     }},
    {"Empty", [](const fs::path& file) { WriteBytes(file, ""); }},
    {"Text", [](const fs::path& file) { WriteBytes(file, "Company;Contact\nACME;Ann\n"); }},
    {"ShortHeader", [](const fs::path& file) { Truncate(file, 60); }},
    {"Truncated", [](const fs::path& file) { Truncate(file, 3 * 4096); }},
    {"CorruptedPages", [](const fs::path& file) { Overwrite(file, 4096, 4 * 4096); }},
    {"ForeignSqlite",
     [](const fs::path& file) {
         fs::remove(file);
         WriteBytes(file, "");
         ExecuteSql(file, "CREATE TABLE t (x); INSERT INTO t VALUES (1);");
     }},
    {"OtherApplicationId",
     [](const fs::path& file) { ExecuteSql(file, "PRAGMA application_id = 42"); }},
    {"Format2", [](const fs::path& file) { ExecuteSql(file, "PRAGMA user_version = 2"); }},
    {"WriteAheadLog", [](const fs::path& file) { ExecuteSql(file, "PRAGMA journal_mode = WAL"); }},
    {"ChangedSchema",
     [](const fs::path& file) { ExecuteSql(file, "ALTER TABLE field ADD extra"); }},
    {"ExtraTrigger",
     [](const fs::path& file) {
         ExecuteSql(file, "CREATE TRIGGER t AFTER UPDATE ON field BEGIN SELECT 1; END");
     }},
    {"CheckRuleBroken",
     [](const fs::path& file) {
         ExecuteSql(file, "PRAGMA ignore_check_constraints = ON; "
                          "UPDATE field SET type = 40000 WHERE field_id = 1");
     }},
    {"NegativePopupPosition",
     [](const fs::path& file) {
         ExecuteSql(file, "PRAGMA ignore_check_constraints = ON; "
                          "INSERT INTO popup_list VALUES ('Contact', 2); "
                          "INSERT INTO popup_item VALUES ('Contact', 2, -1, 'a', '')");
     }},
    {"FractionalFieldId",
     [](const fs::path& file) {
         ExecuteSql(file, "UPDATE field SET field_id = 2.5 WHERE field_id = 2");
     }},
    {"TextFlag",
     [](const fs::path& file) { ExecuteSql(file, "UPDATE field SET is_indexed = 'yes'"); }},
    {"MissingParentRow",
     [](const fs::path& file) {
         ExecuteSql(file, "INSERT INTO popup_item VALUES ('Contact', 1, 0, 'orphan', '')");
     }},
    {"TwoDatabaseNames",
     [](const fs::path& file) { ExecuteSql(file, "INSERT INTO database_info VALUES ('Two')"); }},
    {"HugeSecurityCode",
     [](const fs::path& file) {
         ExecuteSql(file, "INSERT INTO act_user (position, name, security) VALUES (5, 'A', 1e10)");
     }},
};

class StandInBadFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(StandInBadFile, IsNotOpenAndStaysUnchanged) {
    TempDir dir;
    const fs::path file = dir.File("bad.dbf");
    WriteSmallDatabase(file, {{.name = "Ann", .password = "pw"}});
    GetParam().spoil(file);
    const auto listing = dir.Listing();
    const std::string bytes = fs::is_regular_file(file) ? ReadBytes(file) : std::string();

    act::Database db = NewDatabase();
    db.Open(file.string());
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(db.LoginRequired());
    EXPECT_THROW((void)db.Name(), AutomationError);
    db.Close();
    db.Release();

    EXPECT_EQ(dir.Listing(), listing);
    if (fs::is_regular_file(file)) {
        EXPECT_EQ(ReadBytes(file), bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, StandInBadFile, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StandInUnreadableFile, IsNotOpen) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "the superuser reads every file";
    }
    TempDir dir;
    const fs::path file = dir.File("locked.dbf");
    WriteSmallDatabase(file);
    fs::permissions(file, fs::perms::none);
    act::Database db = NewDatabase();
    db.Open(file.string());
    EXPECT_FALSE(db.IsOpen());
}

TEST(StandInBadFileThenGoodFile, SameObjectOpensTheGoodFile) {
    TempDir dir;
    WriteBytes(dir.File("text.dbf"), "not a database");
    WriteSmallDatabase(dir.File("good.dbf"));
    act::Database db = NewDatabase();
    db.Open(dir.File("text.dbf").string());
    EXPECT_FALSE(db.IsOpen());
    db.Open(dir.File("good.dbf").string());
    EXPECT_TRUE(db.IsOpen());
}

} // namespace
} // namespace veltrano::ole::standin::test
