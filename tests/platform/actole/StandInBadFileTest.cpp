#include "StandInTestSupport.h"

#include "platform/actole/standin/FileValidation.h"
#include "platform/actole/standin/StandInErrors.h"

#include <unistd.h>

#include <functional>

namespace veltrano::ole::standin::test {
namespace {

// Damage that Open refuses; with reach, damage that opening does not look for, reported when
// reach meets the damaged part.
struct BadFile {
    const char* name;
    std::function<void(const fs::path& file)> spoil; // turns the good database into a bad one
    std::function<void(act::Database& db)> reach = {};
    const char* reported = ""; // part of the error's description
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

std::int64_t RootPage(const fs::path& file, const std::string& name) {
    Connection db = Connection::Open(file.string(), SQLITE_OPEN_READONLY);
    Statement root(db, "SELECT rootpage FROM sqlite_schema WHERE name = ?1");
    root.Bind(1, name);
    return root.Step() ? root.Int(0) : 0;
}

std::size_t BigEndian(const std::string& bytes, std::size_t at, int size) {
    std::size_t value = 0;
    for (int i = 0; i < size; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// Overwrites a page of the table or index with bytes no b-tree page holds: its root, or with
// leftmostLeaf the first child of an interior root (the smallest keys: Contact's lowest IDs).
std::function<void(const fs::path&)> SpoilPageOf(std::string name, bool leftmostLeaf = false) {
    return [name, leftmostLeaf](const fs::path& file) {
        std::string bytes = ReadBytes(file);
        const std::size_t pageSize = BigEndian(bytes, 16, 2);
        std::size_t page = RootPage(file, name);
        ASSERT_GT(page, 1U);
        if (leftmostLeaf) {
            const std::size_t start = (page - 1) * pageSize;
            ASSERT_EQ(bytes[start], 0x02) << "the index needs an interior root";
            page = BigEndian(bytes, start + BigEndian(bytes, start + 12, 2), 4);
        }
        for (std::size_t i = (page - 1) * pageSize; i < page * pageSize; ++i) {
            bytes[i] = static_cast<char>(0xA5 ^ (i & 0xFF));
        }
        WriteBytes(file, bytes);
    };
}

const auto kReadContactFields = [](act::Database& db) {
    (void)db.ContactTable().GetFields().Count();
};

const BadFile kBadFiles[] = {
    {"Folder",
     [](const fs::path& file) {
         fs::remove(file);
         fs::create_directory(file);
     }},
    {"ShortHeader", Truncate(60)},
    {"Truncated", Truncate(3 * 4096)},
    {"OtherApplicationId", Sql("PRAGMA application_id = 42")},
    {"Format2", Sql("PRAGMA user_version = 2")},
    {"WriteAheadLog", Sql("PRAGMA journal_mode = WAL")},
    {"ChangedSchema", Sql("ALTER TABLE field ADD extra")},
    {"ExtraTrigger", Sql("CREATE TRIGGER t AFTER UPDATE ON field BEGIN SELECT 1; END")},
    {"HugeSecurityCode",
     Sql("INSERT INTO act_user (position, name, security) VALUES (5, 'A', 1e10)")},
    {"FieldTablePage", SpoilPageOf("field"), kReadContactFields,
     "database disk image is malformed"},
    {"FieldIndexPageMetByWrite",
     [](const fs::path& file) {
         ExecuteSql(file, "WITH RECURSIVE n(i) AS (SELECT 100 UNION ALL SELECT i + 1 FROM n "
                          "WHERE i < 2099) INSERT INTO field (accessor, field_id, position, name) "
                          "SELECT 'Contact', i, i, 'F' || i FROM n");
         SpoilPageOf("sqlite_autoindex_field_1", true)(file);
     },
     [](act::Database& db) {
         act::Fields contact = db.ContactTable().GetFields();
         ASSERT_TRUE(contact.BeginBatch());
         // The first write of the batch succeeds; the second meets the damage and ends it.
         EXPECT_NO_THROW(db.GroupTable().GetFields().SetEntryTrigger(25, "new.exe"));
         try {
             contact.SetEntryTrigger(1, "new.exe");
         } catch (...) {
             EXPECT_FALSE(contact.EndBatch());
             throw;
         }
     },
     "database disk image is malformed"},
    {"CheckRuleBroken",
     Sql("PRAGMA ignore_check_constraints = ON; UPDATE field SET type = 40000 WHERE field_id = 1"),
     kReadContactFields, "field 1 of table Contact: the type 40000 is outside -32768 ... 32767"},
    {"FractionalFieldId", Sql("UPDATE field SET field_id = 2.5 WHERE field_id = 2"),
     kReadContactFields, "a field of table Contact: the field ID is not an integer"},
    {"FieldsWithoutTheirTable", Sql("DELETE FROM act_table WHERE accessor = 'Contact'"),
     kReadContactFields, "fields of table Contact have no row of their table"},
    {"NegativePopupPosition",
     Sql("PRAGMA ignore_check_constraints = ON; INSERT INTO popup_list VALUES ('Contact', 2); "
         "INSERT INTO popup_item VALUES ('Contact', 2, -1, 'a', '')"),
     [](act::Database& db) { (void)db.ContactTable().GetFields().GetPopupList(2).Count(); },
     "the drop-down list of field 2 of table Contact: the entry position -1 is outside"},
    {"MissingParentRow", Sql("INSERT INTO popup_item VALUES ('Contact', 1, 0, 'orphan', '')"),
     [](act::Database& db) { (void)db.ContactTable().GetFields().GetPopupList(1).Count(); },
     "the drop-down list of field 1 of table Contact: entries without the list's row"},
};

class StandInBadFile : public ::testing::TestWithParam<BadFile> {};

// Nothing is written either way, and the same object then opens a good file.
TEST_P(StandInBadFile, IsRefusedOrReportedWhenReachedAndStaysUnchanged) {
    TempFolder dir;
    const fs::path file = dir.File("bad.dbf");
    WriteSmallDatabase(file, {{.name = "Ann", .password = "pw"}});
    GetParam().spoil(file);
    const auto listing = Listing(dir.Path());
    const std::string bytes = fs::is_regular_file(file) ? ReadBytes(file) : std::string();

    act::Database db = NewDatabase();
    db.Open(file.string());
    if (GetParam().reach) {
        db.Login("Ann", "pw");
        ASSERT_TRUE(db.IsOpen());
        const AutomationError error = Raised([&] { GetParam().reach(db); });
        EXPECT_EQ(error.Number(), errors::kDamagedFile);
        EXPECT_NE(error.Description().find(GetParam().reported), std::string::npos)
            << error.Description();
    } else {
        EXPECT_FALSE(db.IsOpen());
        EXPECT_FALSE(db.LoginRequired());
        EXPECT_THROW((void)db.Name(), AutomationError);
    }
    db.Close();
    EXPECT_EQ(Listing(dir.Path()), listing);
    if (fs::is_regular_file(file)) {
        EXPECT_EQ(ReadBytes(file), bytes);
        EXPECT_FALSE(CheckDatabaseFile(file).empty());
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
