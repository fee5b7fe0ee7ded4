#include "platform/actole/standin/Session.h"

#include "base/AsciiCase.h"
#include "platform/actole/standin/FileValidation.h"
#include "platform/actole/standin/StandInErrors.h"
#include "platform/actole/standin/Utf8Path.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>

namespace veltrano::ole::standin {

namespace {

std::string FieldText(TableAccessor table, std::int16_t fieldId) {
    return "field " + std::to_string(fieldId) + " of table " + std::string(AccessorName(table));
}

[[noreturn]] void ThrowNoSuchField(TableAccessor table, std::int16_t fieldId) {
    throw AutomationError(errors::kNoSuchField, "Table " + std::string(AccessorName(table)) +
                                                    " has no field with the ID " +
                                                    std::to_string(fieldId) + ".");
}

bool IsDamage(const SqliteError& error) noexcept {
    const int primary = error.Code() & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

[[noreturn]] void ThrowStorageError(const char* action, const SqliteError& error) {
    if (IsDamage(error)) {
        throw AutomationError(errors::kDamagedFile,
                              std::string("Could not ") + action +
                                  ", the ACT! database is damaged: " + error.what() + ".");
    }
    throw AutomationError(errors::kStorageFailed,
                          std::string("Could not ") + action + ": " + error.what() + ".");
}

} // namespace

Session::Session(std::function<std::string()> runningDatabasePath, StandInOptions options)
    : runningDatabasePath_(std::move(runningDatabasePath)), options_(options) {}

Session::~Session() {
    Close();
}

void Session::Open(const std::string& path) noexcept {
    Close();
    openError_.clear();
    try {
        // "" means the database that the running stand-in ACT! has open; its user is logged in.
        const bool running = path.empty();
        const std::string target =
            running ? (runningDatabasePath_ ? runningDatabasePath_() : std::string()) : path;
        if (target.empty()) {
            return;
        }
        const std::filesystem::path file =
            std::filesystem::absolute(PathFromUtf8(target)).lexically_normal();
        Connection connection = OpenDatabaseFile(file, options_.busyTimeout);
        std::string name = LoadDatabaseName(connection);
        auto users = std::make_shared<const std::vector<UserRecord>>(LoadUsers(connection));

        const bool passwords = std::any_of(users->begin(), users->end(),
                                           [](const UserRecord& u) { return !u.password.empty(); });
        connection_ = std::move(connection);
        filePath_ = file.string();
        name_ = std::move(name);
        users_ = std::move(users);
        fileLoaded_ = true;
        loginRequired_ = passwords && !running;
        isOpen_ = !loginRequired_;
        ++generation_;
    } catch (const std::exception& error) {
        Close();
        RememberOpenError(error.what());
    } catch (...) {
        Close();
    }
}

void Session::RememberOpenError(const char* reason) noexcept {
    try {
        // The reasons are phrases ("the file does not exist"); the message shows a sentence.
        openError_ = reason;
        if (!openError_.empty() && openError_.front() >= 'a' && openError_.front() <= 'z') {
            openError_.front() = static_cast<char>(openError_.front() - 'a' + 'A');
        }
        openError_ += '.';
    } catch (...) {
        // Without memory for the reason, the open fails without one.
    }
}

void Session::Login(const std::string& userName, const std::string& password) {
    if (!fileLoaded_) {
        throw AutomationError(errors::kDatabaseNotOpen,
                              "No ACT! database has been opened to log in to.");
    }
    const bool accepted = std::any_of(users_->begin(), users_->end(), [&](const UserRecord& user) {
        return base::EqualsIgnoringAsciiCase(user.name, userName) && user.password == password;
    });
    loginFailed_ = !accepted;
    if (accepted) {
        isOpen_ = true;
    }
}

void Session::Close() noexcept {
    RollBackBatch();
    updateEntryTrigger_.reset();
    updateExitTrigger_.reset();
    popupListReader_.reset();
    connection_.Close();
    ForgetLoadedTables();
    users_.reset();
    filePath_.clear();
    name_.clear();
    fileLoaded_ = false;
    loginRequired_ = false;
    loginFailed_ = false;
    isOpen_ = false;
    batchLost_ = false;
    lastError_ = 0;
    ++generation_;
}

void Session::RequireOpen(std::uint64_t generation) const {
    if (!isOpen_ || generation != generation_) {
        throw AutomationError(errors::kDatabaseNotOpen, "The ACT! database is not open.");
    }
}

TableData& Session::LoadedTable(TableAccessor table) {
    auto& slot = tables_[AccessorIndex(table)];
    if (!slot) {
        try {
            slot = std::make_unique<TableData>(LoadTable(connection_, table));
        } catch (const SqliteError& error) {
            ThrowStorageError("read the table", error);
        }
    }
    return *slot;
}

const TableData& Session::Table(TableAccessor table) {
    return LoadedTable(table);
}

const FieldRecord& Session::Field(TableAccessor table, std::int16_t fieldId) {
    if (lastField_ && lastField_->table == table && lastField_->fieldId == fieldId) {
        return *lastField_->field;
    }
    FieldRecord* field = LoadedTable(table).Find(fieldId);
    if (field == nullptr) {
        ThrowNoSuchField(table, fieldId);
    }
    lastField_ = FoundField{table, fieldId, field};
    return *field;
}

std::int64_t Session::RecordCount(TableAccessor table) {
    try {
        return CountRecords(connection_, table);
    } catch (const SqliteError& error) {
        ThrowStorageError("count the records", error);
    }
}

std::shared_ptr<const std::vector<PopupEntry>> Session::PopupList(TableAccessor table,
                                                                  std::int16_t fieldId) {
    const FieldRecord& field = Field(table, fieldId);
    if (lastPopupList_ && lastPopupList_->table == table && lastPopupList_->fieldId == fieldId) {
        return lastPopupList_->entries;
    }
    std::optional<std::vector<PopupEntry>> entries;
    try {
        if (!popupListReader_) {
            popupListReader_.emplace(connection_);
        }
        entries = popupListReader_->Read(table, fieldId);
    } catch (const SqliteError& error) {
        ThrowStorageError("read the drop-down list", error);
    }
    if (entries) {
        lastPopupList_ = ReadPopupList{
            table, fieldId, std::make_shared<const std::vector<PopupEntry>>(std::move(*entries))};
        return lastPopupList_->entries;
    }
    if (field.hasPopupList) {
        throw AutomationError(errors::kCorruptPopupList,
                              "The drop-down list of " + FieldText(table, fieldId) + " (\"" +
                                  field.name + "\") is corrupt: the list is missing.");
    }
    throw AutomationError(errors::kNoPopupList, "The " + FieldText(table, fieldId) + " (\"" +
                                                    field.name + "\") has no drop-down list.");
}

void Session::WriteTrigger(TableAccessor table, std::int16_t fieldId, Trigger trigger,
                           const std::string& text) {
    // A write needs no table read: the update finds the field or changes no row. A table read
    // before gets the new text too.
    TableData* loaded = tables_[AccessorIndex(table)].get();
    FieldRecord* field = loaded != nullptr ? loaded->Find(fieldId) : nullptr;
    if (loaded != nullptr && field == nullptr) {
        ThrowNoSuchField(table, fieldId);
    }
    if (batchLost_) {
        throw AutomationError(errors::kStorageFailed,
                              "The batch was rolled back after a failed write; end it first.");
    }
    std::optional<Statement>& update =
        trigger == Trigger::Entry ? updateEntryTrigger_ : updateExitTrigger_;
    try {
        if (!update) {
            update.emplace(connection_,
                           trigger == Trigger::Entry
                               ? "UPDATE field SET entry_trigger = ?1 WHERE accessor = ?2 "
                                 "AND field_id = ?3"
                               : "UPDATE field SET exit_trigger = ?1 WHERE accessor = ?2 "
                                 "AND field_id = ?3");
        }
        update->Reset();
        update->Bind(1, text).Bind(2, AccessorName(table)).Bind(3, fieldId);
        update->Run();
        update->Reset();
        if (loaded == nullptr && connection_.Changes() == 0) {
            ThrowNoSuchField(table, fieldId);
        }
    } catch (const SqliteError& error) {
        if (batchActive_ && (IsDamage(error) || connection_.IsAutocommit())) {
            // Some failures make SQLite roll back the whole transaction; on a damaged file no
            // write of the batch may stay. Either way the batch is gone.
            RollBackBatch();
            batchLost_ = true;
        }
        RecordFailure(error.Code());
        ThrowStorageError("write the trigger", error);
    }
    if (field != nullptr) {
        (trigger == Trigger::Entry ? field->entryTrigger : field->exitTrigger) = text;
    }
}

bool Session::BeginBatch() noexcept {
    if (batchActive_ || batchLost_) {
        RecordFailure(SQLITE_MISUSE);
        return false;
    }
    try {
        // IMMEDIATE takes the write lock now, waiting up to the busy timeout for another writer.
        connection_.Execute("BEGIN IMMEDIATE");
    } catch (const SqliteError& error) {
        RecordFailure(error.Code());
        return false;
    }
    batchActive_ = true;
    lastError_ = 0;
    return true;
}

bool Session::EndBatch() noexcept {
    if (batchLost_) {
        batchLost_ = false;
        return false; // lastError_ holds the failure that ended the batch
    }
    if (!batchActive_) {
        RecordFailure(SQLITE_MISUSE);
        return false;
    }
    try {
        connection_.Execute("COMMIT");
    } catch (const SqliteError& error) {
        RecordFailure(error.Code());
        RollBackBatch();
        return false;
    }
    batchActive_ = false;
    lastError_ = 0;
    return true;
}

void Session::RollBackBatch() noexcept {
    if (!batchActive_) {
        return;
    }
    batchActive_ = false;
    if (!connection_.IsAutocommit()) {
        // A failed ROLLBACK leaves the journal behind, and SQLite restores the file from it.
        sqlite3_exec(connection_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
    ForgetLoadedTables();
}

void Session::ForgetLoadedTables() noexcept {
    lastField_.reset();
    for (auto& table : tables_) {
        table.reset();
    }
    lastPopupList_.reset();
}

void Session::RecordFailure(int sqliteCode) noexcept {
    // LastError is SQLite's primary result code (5 = another writer holds the file).
    lastError_ = static_cast<std::int16_t>(sqliteCode & 0xff);
}

} // namespace veltrano::ole::standin
