#include "platform/actole/standin/StoredData.h"

#include "platform/actole/standin/Sqlite.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>

namespace veltrano::ole::standin {

namespace {

// Opening checks only the header and the schema, so every value is checked as it is read. A
// bad value is reported as SQLite reports a damaged page: the file is corrupt.
[[noreturn]] void Damaged(const std::string& what) {
    throw SqliteError(SQLITE_CORRUPT, "the file is damaged: " + what);
}

template <typename Row>
std::int64_t CheckedInt(const Statement& statement, int column, std::int64_t min, std::int64_t max,
                        const char* name, const Row& row) {
    if (statement.Type(column) != SQLITE_INTEGER) {
        Damaged(row() + ": the " + name + " is not an integer");
    }
    const std::int64_t value = statement.Int(column);
    if (value < min || value > max) {
        Damaged(row() + ": the " + name + " " + std::to_string(value) + " is outside " +
                std::to_string(min) + " ... " + std::to_string(max));
    }
    return value;
}

template <typename Row>
std::int16_t CheckedInt16(const Statement& statement, int column, const char* name,
                          const Row& row) {
    return static_cast<std::int16_t>(
        CheckedInt(statement, column, INT16_MIN, INT16_MAX, name, row));
}

template <typename Row>
bool CheckedFlag(const Statement& statement, int column, const char* name, const Row& row) {
    return CheckedInt(statement, column, INT64_MIN, INT64_MAX, name, row) != 0;
}

template <typename Row>
std::string_view CheckedText(const Statement& statement, int column, const char* name,
                             const Row& row) {
    if (statement.Type(column) != SQLITE_TEXT) {
        Damaged(row() + ": the " + name + " is not a text");
    }
    return statement.TextView(column);
}

std::string TableText(std::string_view accessor) {
    return "table " + std::string(accessor);
}

} // namespace

TableData::TableData(std::string name, std::vector<FieldRecord> fields)
    : name_(std::move(name)), fields_(std::move(fields)) {
    indexById_.reserve(fields_.size());
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        indexById_.emplace(fields_[i].id, i);
    }
}

bool TableData::HasUniqueIds() const noexcept {
    return indexById_.size() == fields_.size();
}

const FieldRecord* TableData::Find(std::int16_t fieldId) const noexcept {
    const auto it = indexById_.find(fieldId);
    return it != indexById_.end() ? &fields_[it->second] : nullptr;
}

FieldRecord* TableData::Find(std::int16_t fieldId) noexcept {
    const auto it = indexById_.find(fieldId);
    return it != indexById_.end() ? &fields_[it->second] : nullptr;
}

std::string LoadDatabaseName(const Connection& connection) {
    Statement statement(connection, "SELECT name FROM database_info LIMIT 2");
    const auto row = [] { return std::string("the database name"); };
    if (!statement.Step()) {
        Damaged("the database name is missing");
    }
    std::string name(CheckedText(statement, 0, "value", row));
    if (statement.Step()) {
        Damaged("it holds two database names");
    }
    return name;
}

TableData LoadTable(const Connection& connection, TableAccessor table) {
    const std::string_view accessor = AccessorName(table);
    Statement nameQuery(connection, "SELECT name FROM act_table WHERE accessor = ?1");
    nameQuery.Bind(1, accessor);
    const bool listed = nameQuery.Step();
    std::string name;
    if (listed) {
        name = CheckedText(nameQuery, 0, "name", [&] { return TableText(accessor); });
    }

    Statement fieldQuery(connection,
                         "SELECT field_id, position, name, type, length, decimal_places, "
                         "entry_rule, entry_trigger, exit_trigger, initial_value, is_indexed, "
                         "is_cut_history, is_primary, is_block_sync, is_sortable, has_popup_list "
                         "FROM field WHERE accessor = ?1 ORDER BY position");
    fieldQuery.Bind(1, accessor);
    std::vector<FieldRecord> fields;
    std::int64_t lastPosition = -1;
    while (fieldQuery.Step()) {
        FieldRecord& field = fields.emplace_back();
        field.id = CheckedInt16(fieldQuery, 0, "field ID",
                                [&] { return "a field of " + TableText(accessor); });
        const auto row = [&] {
            return "field " + std::to_string(field.id) + " of " + TableText(accessor);
        };
        const std::int64_t position = CheckedInt(fieldQuery, 1, 0, INT16_MAX, "position", row);
        if (position <= lastPosition) {
            Damaged(row() + ": the positions are out of order");
        }
        lastPosition = position;
        field.position = static_cast<std::int16_t>(position);
        field.name = CheckedText(fieldQuery, 2, "name", row);
        field.type = CheckedInt16(fieldQuery, 3, "type", row);
        field.length = CheckedInt16(fieldQuery, 4, "length", row);
        field.decimalPlaces = CheckedInt16(fieldQuery, 5, "decimal places", row);
        field.entryRule = CheckedInt16(fieldQuery, 6, "entry rule", row);
        field.entryTrigger = CheckedText(fieldQuery, 7, "entry trigger", row);
        field.exitTrigger = CheckedText(fieldQuery, 8, "exit trigger", row);
        field.initialValue = CheckedText(fieldQuery, 9, "initial value", row);
        field.isIndexed = CheckedFlag(fieldQuery, 10, "indexed flag", row);
        field.isCutHistory = CheckedFlag(fieldQuery, 11, "cut-history flag", row);
        field.isPrimary = CheckedFlag(fieldQuery, 12, "primary flag", row);
        field.isBlockSync = CheckedFlag(fieldQuery, 13, "block-sync flag", row);
        field.isSortable = CheckedFlag(fieldQuery, 14, "sortable flag", row);
        field.hasPopupList = CheckedFlag(fieldQuery, 15, "drop-down list flag", row);
    }
    if (!listed && !fields.empty()) {
        Damaged("fields of " + TableText(accessor) + " have no row of their table");
    }
    if (fields.size() > INT16_MAX) {
        Damaged(TableText(accessor) + " has more than 32767 fields");
    }
    TableData data(std::move(name), std::move(fields));
    if (!data.HasUniqueIds()) {
        Damaged(TableText(accessor) + " has two fields with the same ID");
    }
    return data;
}

std::int64_t CountRecords(const Connection& connection, TableAccessor table) {
    Statement statement(connection, "SELECT count(*) FROM record WHERE accessor = ?1");
    statement.Bind(1, AccessorName(table));
    return statement.Step() ? statement.Int(0) : 0;
}

std::int64_t CountGroupMembers(const Connection& connection) {
    Statement statement(connection, "SELECT count(*) FROM group_member");
    return statement.Step() ? statement.Int(0) : 0;
}

std::optional<std::vector<PopupEntry>> LoadPopupList(const Connection& connection,
                                                     TableAccessor table, std::int16_t fieldId) {
    return PopupListReader(connection).Read(table, fieldId);
}

PopupListReader::PopupListReader(const Connection& connection)
    : list_(connection, "SELECT 1 FROM popup_list WHERE accessor = ?1 AND field_id = ?2"),
      items_(connection, "SELECT position, value, remark FROM popup_item "
                         "WHERE accessor = ?1 AND field_id = ?2 ORDER BY position") {}

std::optional<std::vector<PopupEntry>> PopupListReader::Read(TableAccessor table,
                                                             std::int16_t fieldId) {
    const std::string_view accessor = AccessorName(table);
    list_.Reset();
    list_.Bind(1, accessor).Bind(2, fieldId);
    const bool exists = list_.Step();
    list_.Reset();
    const auto row = [&] {
        return "the drop-down list of field " + std::to_string(fieldId) + " of " +
               TableText(accessor);
    };
    items_.Reset();
    items_.Bind(1, accessor).Bind(2, fieldId);
    std::vector<PopupEntry> entries;
    while (items_.Step()) {
        if (!exists) {
            Damaged(row() + ": entries without the list's row");
        }
        CheckedInt(items_, 0, 0, INT64_MAX, "entry position", row);
        entries.push_back({std::string(CheckedText(items_, 1, "entry value", row)),
                           std::string(CheckedText(items_, 2, "entry remark", row))});
    }
    items_.Reset();
    if (!exists) {
        return std::nullopt;
    }
    return entries;
}

std::vector<UserRecord> LoadUsers(const Connection& connection) {
    Statement statement(connection, "SELECT position, name, unique_id, password, security, "
                                    "access FROM act_user ORDER BY position");
    std::vector<UserRecord> users;
    while (statement.Step()) {
        const auto row = [&] { return "user " + std::to_string(users.size()); };
        CheckedInt(statement, 0, 0, INT64_MAX, "position", row);
        UserRecord user{std::string(CheckedText(statement, 1, "name", row)),
                        std::string(CheckedText(statement, 2, "unique ID", row)),
                        std::string(CheckedText(statement, 3, "password", row)),
                        static_cast<std::int32_t>(
                            CheckedInt(statement, 4, INT32_MIN, INT32_MAX, "security", row)),
                        static_cast<std::int32_t>(
                            CheckedInt(statement, 5, INT32_MIN, INT32_MAX, "access", row))};
        users.push_back(std::move(user));
        if (users.size() > INT16_MAX) {
            Damaged("it has more than 32767 users");
        }
    }
    return users;
}

} // namespace veltrano::ole::standin
