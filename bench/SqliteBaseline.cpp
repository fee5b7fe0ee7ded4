#include "bench/SqliteBaseline.h"

#include "platform/actole/standin/Sqlite.h"

#include <sqlite3.h>

namespace veltrano::bench {

namespace {

using ole::standin::Connection;
using ole::standin::Statement;

} // namespace

RawDatabase ReadRawDatabase(const std::filesystem::path& file) {
    Connection db = Connection::Open(file.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX);
    RawDatabase raw;

    Statement info(db, "SELECT name FROM database_info");
    if (info.Step()) {
        raw.name = info.Text(0);
    }
    Statement tables(db, "SELECT accessor, name FROM act_table");
    while (tables.Step()) {
        raw.tables.emplace_back(tables.Text(0), tables.Text(1));
    }
    Statement records(db, "SELECT count(*) FROM record GROUP BY accessor");
    while (records.Step()) {
        raw.recordCounts.push_back(records.Int(0));
    }
    Statement fields(db, "SELECT accessor, field_id, name, type, length, decimal_places, "
                         "entry_rule, entry_trigger, exit_trigger, initial_value, is_indexed, "
                         "is_cut_history, is_primary, is_block_sync, is_sortable, has_popup_list "
                         "FROM field ORDER BY accessor, position");
    while (fields.Step()) {
        RawField& f = raw.fields.emplace_back();
        f.accessor = fields.Text(0);
        f.id = fields.Int(1);
        f.name = fields.Text(2);
        f.type = fields.Int(3);
        f.length = fields.Int(4);
        f.decimalPlaces = fields.Int(5);
        f.entryRule = fields.Int(6);
        f.entryTrigger = fields.Text(7);
        f.exitTrigger = fields.Text(8);
        f.initialValue = fields.Text(9);
        for (int i = 0; i < 6; ++i) {
            f.flags[i] = fields.Int(10 + i);
        }
    }
    Statement items(db, "SELECT accessor, field_id, position, value, remark FROM popup_item "
                        "ORDER BY accessor, field_id, position");
    while (items.Step()) {
        raw.popupItems.push_back(
            {items.Text(0), items.Int(1), items.Int(2), items.Text(3), items.Text(4)});
    }
    Statement users(db, "SELECT name, unique_id, password, security, access FROM act_user "
                        "ORDER BY position");
    while (users.Step()) {
        raw.users.push_back(
            {users.Text(0), users.Text(1), users.Text(2), users.Int(3), users.Int(4)});
    }
    return raw;
}

void UpdateEntryTriggers(const std::filesystem::path& file, std::string_view accessor,
                         const std::vector<std::pair<std::int16_t, std::string>>& triggers) {
    Connection db = Connection::Open(file.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX);
    db.Execute("BEGIN IMMEDIATE");
    Statement update(db, "UPDATE field SET entry_trigger = ?1 WHERE accessor = ?2 AND "
                         "field_id = ?3");
    for (const auto& [id, text] : triggers) {
        update.Reset();
        update.Bind(1, text).Bind(2, accessor).Bind(3, id);
        update.Run();
    }
    update.Reset();
    db.Execute("COMMIT");
}

} // namespace veltrano::bench
