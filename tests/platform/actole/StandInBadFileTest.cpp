#include "StandInTestSupport.h"

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

std::function<void(const fs::path&)> Sql(std::string sql) {
    return [sql](const fs::path& file) { ExecuteSql(file, sql); };
}

std::function<void(const fs::path&)> Truncate(std::size_t size) {
    return [size](const fs::path& file) { WriteBytes(file, ReadBytes(file).substr(0, size)); };
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
    {"ShortHeader", Truncate(60)},
    {"Truncated", Truncate(3 * 4096)},
    {"CorruptedPages",
     [](const fs::path& file) {
         std::string bytes = ReadBytes(file);
         for (std::size_t i = 4096; i < 5 * 4096 && i < bytes.size(); ++i) {
             bytes[i] = static_cast<char>(0xA5 ^ (i & 0xFF));
         }
         WriteBytes(file, bytes);
     }},
    {"ForeignSqlite",
     [](const fs::path& file) {
         WriteBytes(file, "");
         ExecuteSql(file, "CREATE TABLE t (x); INSERT INTO t VALUES (1);");
     }},
    {"OtherApplicationId", Sql("PRAGMA application_id = 42")},
    {"Format2", Sql("PRAGMA user_version = 2")},
    {"WriteAheadLog", Sql("PRAGMA journal_mode = WAL")},
    {"ChangedSchema", Sql("ALTER TABLE field ADD extra")},
    {"ExtraTrigger", Sql("CREATE TRIGGER t AFTER UPDATE ON field BEGIN SELECT 1; END")},
    {"CheckRuleBroken", Sql("PRAGMA ignore_check_constraints = ON; "
                            "UPDATE field SET type = 40000 WHERE field_id = 1")},
    {"NegativePopupPosition", Sql("PRAGMA ignore_check_constraints = ON; "
                                  "INSERT INTO popup_list VALUES ('Contact', 2); "
                                  "INSERT INTO popup_item VALUES ('Contact', 2, -1, 'a', '')")},
    {"FractionalFieldId", Sql("UPDATE field SET field_id = 2.5 WHERE field_id = 2")},
    {"TextFlag", Sql("UPDATE field SET is_indexed = 'yes'")},
    {"MissingParentRow", Sql("INSERT INTO popup_item VALUES ('Contact', 1, 0, 'orphan', '')")},
    {"TwoDatabaseNames", Sql("INSERT INTO database_info VALUES ('Two')")},
    {"HugeSecurityCode",
     Sql("INSERT INTO act_user (position, name, security) VALUES (5, 'A', 1e10)")},
};

class StandInBadFile : public ::testing::TestWithParam<BadFile> {};

// The same object then opens a good file.
TEST_P(StandInBadFile, IsNotOpenAndStaysUnchanged) {
    TempFolder dir;
    const fs::path file = dir.File("bad.dbf");
    WriteSmallDatabase(file, {{.name = "Ann", .password = "pw"}});
    GetParam().spoil(file);
    const auto listing = Listing(dir.Path());
    const std::string bytes = fs::is_regular_file(file) ? ReadBytes(file) : std::string();

    act::Database db = NewDatabase();
    db.Open(file.string());
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(db.LoginRequired());
    EXPECT_THROW((void)db.Name(), AutomationError);
    db.Close();
    EXPECT_EQ(Listing(dir.Path()), listing);
    if (fs::is_regular_file(file)) {
        EXPECT_EQ(ReadBytes(file), bytes);
    }

    WriteSmallDatabase(dir.File("good.dbf"));
    db.Open(dir.File("good.dbf").string());
    EXPECT_TRUE(db.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Files, StandInBadFile, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StandInUnreadableFile, IsNotOpen) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "the superuser reads every file";
    }
    TempFolder dir;
    WriteSmallDatabase(dir.File("locked.dbf"));
    fs::permissions(dir.File("locked.dbf"), fs::perms::none);
    act::Database db = NewDatabase();
    db.Open(dir.File("locked.dbf").string());
    EXPECT_FALSE(db.IsOpen());
}

} // namespace
} // namespace veltrano::ole::standin::test
