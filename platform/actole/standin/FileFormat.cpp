#include "platform/actole/standin/FileFormat.h"

#include "platform/actole/standin/Sqlite.h"

#include <string>

namespace veltrano::ole::standin {

namespace {

constexpr std::array<std::string_view, kTableCount> kAccessorNames{
    "Contact", "Group", "NoteHistory", "Activity", "Sales", "ListTable", "Email"};

// The statements stand here exactly as the format defines them; the validation of an opened
// file compares the schema stored in it against these texts.
constexpr std::array<SchemaTable, 9> kSchemaTables{{
    {"database_info", R"(CREATE TABLE database_info (name TEXT NOT NULL))"},
    {"act_table", R"(CREATE TABLE act_table (
  accessor TEXT PRIMARY KEY CHECK (accessor IN
    ('Contact','Group','NoteHistory','Activity','Sales','ListTable','Email')),
  name TEXT NOT NULL DEFAULT ''))"},
    {"field", R"(CREATE TABLE field (
  accessor TEXT NOT NULL REFERENCES act_table(accessor),
  field_id INTEGER NOT NULL CHECK (field_id BETWEEN -32768 AND 32767),
  position INTEGER NOT NULL CHECK (position BETWEEN 0 AND 32767),
  name TEXT NOT NULL,
  type INTEGER NOT NULL DEFAULT 1 CHECK (type BETWEEN -32768 AND 32767),
  length INTEGER NOT NULL DEFAULT 0 CHECK (length BETWEEN -32768 AND 32767),
  decimal_places INTEGER NOT NULL DEFAULT 0 CHECK (decimal_places BETWEEN -32768 AND 32767),
  entry_rule INTEGER NOT NULL DEFAULT 0 CHECK (entry_rule BETWEEN -32768 AND 32767),
  entry_trigger TEXT NOT NULL DEFAULT '',
  exit_trigger TEXT NOT NULL DEFAULT '',
  initial_value TEXT NOT NULL DEFAULT '',
  is_indexed INTEGER NOT NULL DEFAULT 0, is_cut_history INTEGER NOT NULL DEFAULT 0,
  is_primary INTEGER NOT NULL DEFAULT 0, is_block_sync INTEGER NOT NULL DEFAULT 0,
  is_sortable INTEGER NOT NULL DEFAULT 0, has_popup_list INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (accessor, field_id), UNIQUE (accessor, position)))"},
    {"popup_list", R"(CREATE TABLE popup_list (accessor TEXT NOT NULL, field_id INTEGER NOT NULL,
  PRIMARY KEY (accessor, field_id), FOREIGN KEY (accessor, field_id) REFERENCES field))"},
    {"popup_item", R"(CREATE TABLE popup_item (accessor TEXT NOT NULL, field_id INTEGER NOT NULL,
  position INTEGER NOT NULL CHECK (position >= 0),
  value TEXT NOT NULL DEFAULT '', remark TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (accessor, field_id, position),
  FOREIGN KEY (accessor, field_id) REFERENCES popup_list))"},
    {"act_user", R"(CREATE TABLE act_user (position INTEGER PRIMARY KEY CHECK (position >= 0),
  name TEXT NOT NULL, unique_id TEXT NOT NULL DEFAULT '', password TEXT NOT NULL DEFAULT '',
  security INTEGER NOT NULL DEFAULT 0, access INTEGER NOT NULL DEFAULT 0))"},
    {"record", R"(CREATE TABLE record (accessor TEXT NOT NULL, unique_id TEXT NOT NULL,
  PRIMARY KEY (accessor, unique_id)))"},
    {"record_value", R"(CREATE TABLE record_value (accessor TEXT NOT NULL, unique_id TEXT NOT NULL,
  field_id INTEGER NOT NULL, value TEXT NOT NULL, PRIMARY KEY (accessor, unique_id, field_id)))"},
    {"group_member", R"(CREATE TABLE group_member (group_id TEXT NOT NULL, contact_id TEXT NOT NULL,
  PRIMARY KEY (group_id, contact_id)))"},
}};

} // namespace

std::string_view AccessorName(TableAccessor table) noexcept {
    return kAccessorNames[AccessorIndex(table)];
}

std::optional<TableAccessor> AccessorFromName(std::string_view name) noexcept {
    for (const TableAccessor table : kAllTables) {
        if (AccessorName(table) == name) {
            return table;
        }
    }
    return std::nullopt;
}

std::span<const SchemaTable> SchemaTables() noexcept {
    return kSchemaTables;
}

void CreateSchema(Connection& connection) {
    const std::string pragmas = "PRAGMA application_id = " + std::to_string(kApplicationId) +
                                "; PRAGMA user_version = " + std::to_string(kFormatVersion) + ";";
    connection.Execute(pragmas.c_str());
    for (const SchemaTable& table : kSchemaTables) {
        connection.Execute(std::string(table.createStatement).c_str());
    }
}

} // namespace veltrano::ole::standin
