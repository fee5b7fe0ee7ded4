#include "platform/actole/standin/StoredData.h"

#include "platform/actole/standin/Sqlite.h"

namespace veltrano::ole::standin {

namespace {

// Values were range-checked when the file was opened.
std::int16_t Int16(const Statement& statement, int column) {
    return static_cast<std::int16_t>(statement.Int(column));
}

} // namespace

TableData::TableData(std::string name, std::vector<FieldRecord> fields)
    : name_(std::move(name)), fields_(std::move(fields)) {
    indexById_.reserve(fields_.size());
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        indexById_.emplace(fields_[i].id, i);
    }
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
    Statement statement(connection, "SELECT name FROM database_info LIMIT 1");
    return statement.Step() ? statement.Text(0) : std::string();
}

TableData LoadTable(const Connection& connection, TableAccessor table) {
    const std::string_view accessor = AccessorName(table);
    Statement nameQuery(connection, "SELECT name FROM act_table WHERE accessor = ?1");
    nameQuery.Bind(1, accessor);
    std::string name = nameQuery.Step() ? nameQuery.Text(0) : std::string();

    Statement fieldQuery(connection,
                         "SELECT field_id, position, name, type, length, decimal_places, "
                         "entry_rule, entry_trigger, exit_trigger, initial_value, is_indexed, "
                         "is_cut_history, is_primary, is_block_sync, is_sortable, has_popup_list "
                         "FROM field WHERE accessor = ?1 ORDER BY position");
    fieldQuery.Bind(1, accessor);
    std::vector<FieldRecord> fields;
    while (fieldQuery.Step()) {
        FieldRecord& field = fields.emplace_back();
        field.id = Int16(fieldQuery, 0);
        field.position = Int16(fieldQuery, 1);
        field.name = fieldQuery.Text(2);
        field.type = Int16(fieldQuery, 3);
        field.length = Int16(fieldQuery, 4);
        field.decimalPlaces = Int16(fieldQuery, 5);
        field.entryRule = Int16(fieldQuery, 6);
        field.entryTrigger = fieldQuery.Text(7);
        field.exitTrigger = fieldQuery.Text(8);
        field.initialValue = fieldQuery.Text(9);
        field.isIndexed = fieldQuery.Int(10) != 0;
        field.isCutHistory = fieldQuery.Int(11) != 0;
        field.isPrimary = fieldQuery.Int(12) != 0;
        field.isBlockSync = fieldQuery.Int(13) != 0;
        field.isSortable = fieldQuery.Int(14) != 0;
        field.hasPopupList = fieldQuery.Int(15) != 0;
    }
    return TableData(std::move(name), std::move(fields));
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
      items_(connection, "SELECT value, remark FROM popup_item "
                         "WHERE accessor = ?1 AND field_id = ?2 ORDER BY position") {}

std::optional<std::vector<PopupEntry>> PopupListReader::Read(TableAccessor table,
                                                             std::int16_t fieldId) {
    const std::string_view accessor = AccessorName(table);
    list_.Reset();
    list_.Bind(1, accessor).Bind(2, fieldId);
    const bool exists = list_.Step();
    list_.Reset();
    if (!exists) {
        return std::nullopt;
    }
    items_.Reset();
    items_.Bind(1, accessor).Bind(2, fieldId);
    std::vector<PopupEntry> entries;
    while (items_.Step()) {
        entries.push_back({items_.Text(0), items_.Text(1)});
    }
    items_.Reset();
    return entries;
}

std::vector<UserRecord> LoadUsers(const Connection& connection) {
    Statement statement(connection, "SELECT name, unique_id, password, security, access "
                                    "FROM act_user ORDER BY position");
    std::vector<UserRecord> users;
    while (statement.Step()) {
        users.push_back({statement.Text(0), statement.Text(1), statement.Text(2),
                         static_cast<std::int32_t>(statement.Int(3)),
                         static_cast<std::int32_t>(statement.Int(4))});
    }
    return users;
}

} // namespace veltrano::ole::standin
