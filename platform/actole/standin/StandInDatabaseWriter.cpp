#include "platform/actole/standin/StandInDatabaseWriter.h"

#include "platform/actole/standin/StandInErrors.h"

#include <sqlite3.h>

#include <algorithm>

namespace veltrano::ole::standin {

template <typename Action> void StandInDatabaseWriter::Guarded(const char* what, Action action) {
    try {
        action();
    } catch (const SqliteError& error) {
        throw StandInError(std::string("Cannot ") + what + " in " + file_.string() + ": " +
                           error.what());
    }
}

Statement& StandInDatabaseWriter::Prepared(std::optional<Statement>& slot, const char* sql) {
    if (!slot) {
        slot.emplace(connection_, sql);
    }
    slot->Reset();
    return *slot;
}

void StandInDatabaseWriter::FinalizeStatements() noexcept {
    for (auto* slot : {&insertField_, &flagPopupList_, &insertPopupList_, &insertPopupItem_,
                       &insertUser_, &insertRecord_, &insertRecordValue_, &insertGroupMember_}) {
        slot->reset();
    }
}

StandInDatabaseWriter::StandInDatabaseWriter(std::filesystem::path file,
                                             const std::string& databaseName)
    : file_(std::move(file)) {
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(file_, error))) {
        throw StandInError(file_.string() + " already exists.");
    }
    try {
        Guarded("create the database", [&] {
            connection_ =
                Connection::Open(file_.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
            connection_.Execute("PRAGMA foreign_keys = ON; BEGIN IMMEDIATE;");
            CreateSchema(connection_);
            Statement info(connection_, "INSERT INTO database_info (name) VALUES (?1)");
            info.Bind(1, databaseName).Run();
            Statement table(connection_, "INSERT INTO act_table (accessor) VALUES (?1)");
            for (const TableAccessor accessor : kAllTables) {
                table.Reset();
                table.Bind(1, AccessorName(accessor)).Run();
            }
        });
    } catch (...) {
        RemoveUnfinishedFile();
        throw;
    }
}

StandInDatabaseWriter::~StandInDatabaseWriter() {
    if (!committed_) {
        RemoveUnfinishedFile();
    }
}

void StandInDatabaseWriter::RemoveUnfinishedFile() noexcept {
    FinalizeStatements();
    connection_.Close();
    std::error_code ignored;
    std::filesystem::remove(file_, ignored);
    std::filesystem::remove(std::filesystem::path(file_) += "-journal", ignored);
}

void StandInDatabaseWriter::SetTableName(TableAccessor table, const std::string& name) {
    Guarded("name a table", [&] {
        Statement update(connection_, "UPDATE act_table SET name = ?1 WHERE accessor = ?2");
        update.Bind(1, name).Bind(2, AccessorName(table)).Run();
    });
}

void StandInDatabaseWriter::AddField(TableAccessor table, const FieldDefinition& field) {
    auto& nextPosition = nextFieldPosition_[AccessorIndex(table)];
    const std::int64_t position = field.position.value_or(nextPosition);
    Guarded("add a field", [&] {
        Statement& insert = Prepared(
            insertField_, "INSERT INTO field (accessor, field_id, position, name, type, length, "
                          "decimal_places, entry_rule, entry_trigger, exit_trigger, initial_value, "
                          "is_indexed, is_cut_history, is_primary, is_block_sync, is_sortable, "
                          "has_popup_list) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, "
                          "?12, ?13, ?14, ?15, ?16, ?17)");
        insert.Bind(1, AccessorName(table)).Bind(2, field.id).Bind(3, position).Bind(4, field.name);
        insert.Bind(5, field.type).Bind(6, field.length).Bind(7, field.decimalPlaces);
        insert.Bind(8, field.entryRule).Bind(9, field.entryTrigger).Bind(10, field.exitTrigger);
        insert.Bind(11, field.initialValue).Bind(12, field.isIndexed).Bind(13, field.isCutHistory);
        insert.Bind(14, field.isPrimary).Bind(15, field.isBlockSync).Bind(16, field.isSortable);
        insert.Bind(17, field.hasPopupList);
        insert.Run();
    });
    nextPosition = std::max(nextPosition, position + 1);
}

void StandInDatabaseWriter::AddPopupList(TableAccessor table, std::int16_t fieldId,
                                         const std::vector<PopupEntry>& entries) {
    Guarded("add a drop-down list", [&] {
        Statement& flag = Prepared(flagPopupList_, "UPDATE field SET has_popup_list = 1 "
                                                   "WHERE accessor = ?1 AND field_id = ?2");
        flag.Bind(1, AccessorName(table)).Bind(2, fieldId).Run();
        if (connection_.Changes() != 1) {
            throw SqliteError(SQLITE_CONSTRAINT, "no field " + std::to_string(fieldId) +
                                                     " in table " +
                                                     std::string(AccessorName(table)));
        }
        Statement& list = Prepared(insertPopupList_,
                                   "INSERT INTO popup_list (accessor, field_id) VALUES (?1, ?2)");
        list.Bind(1, AccessorName(table)).Bind(2, fieldId).Run();
        Statement& item = Prepared(insertPopupItem_,
                                   "INSERT INTO popup_item (accessor, field_id, position, value, "
                                   "remark) VALUES (?1, ?2, ?3, ?4, ?5)");
        for (std::size_t position = 0; position < entries.size(); ++position) {
            item.Reset();
            item.Bind(1, AccessorName(table)).Bind(2, fieldId);
            item.Bind(3, static_cast<std::int64_t>(position));
            item.Bind(4, entries[position].value).Bind(5, entries[position].remark);
            item.Run();
        }
    });
}

void StandInDatabaseWriter::AddUser(const UserDefinition& user) {
    Guarded("add a user", [&] {
        Statement& insert =
            Prepared(insertUser_, "INSERT INTO act_user (position, name, unique_id, password, "
                                  "security, access) VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
        insert.Bind(1, nextUserPosition_).Bind(2, user.name).Bind(3, user.uniqueId);
        insert.Bind(4, user.password).Bind(5, user.security).Bind(6, user.access);
        insert.Run();
    });
    ++nextUserPosition_;
}

void StandInDatabaseWriter::AddRecord(TableAccessor table, const std::string& uniqueId,
                                      const RecordValues& values) {
    Guarded("add a record", [&] {
        Statement& record =
            Prepared(insertRecord_, "INSERT INTO record (accessor, unique_id) VALUES (?1, ?2)");
        record.Bind(1, AccessorName(table)).Bind(2, uniqueId).Run();
        Statement& value =
            Prepared(insertRecordValue_, "INSERT INTO record_value (accessor, unique_id, field_id, "
                                         "value) VALUES (?1, ?2, ?3, ?4)");
        for (const auto& [fieldId, text] : values) {
            value.Reset();
            value.Bind(1, AccessorName(table)).Bind(2, uniqueId).Bind(3, fieldId).Bind(4, text);
            value.Run();
        }
    });
}

void StandInDatabaseWriter::AddGroupMember(const std::string& groupId,
                                           const std::string& contactId) {
    Guarded("add a group member", [&] {
        Statement& insert = Prepared(
            insertGroupMember_, "INSERT INTO group_member (group_id, contact_id) VALUES (?1, ?2)");
        insert.Bind(1, groupId).Bind(2, contactId).Run();
    });
}

void StandInDatabaseWriter::Commit() {
    Guarded("save the database", [&] {
        FinalizeStatements();
        connection_.Execute("COMMIT");
        connection_.Close();
    });
    committed_ = true;
}

} // namespace veltrano::ole::standin
