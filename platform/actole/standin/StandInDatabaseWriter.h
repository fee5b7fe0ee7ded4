#pragma once

// Builds a new stand-in ACT! database file (format 1). Used by the sample database, the tests
// and the benchmarks' data generators.

#include "platform/actole/standin/FileFormat.h"
#include "platform/actole/standin/Sqlite.h"
#include "platform/actole/standin/StoredData.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace veltrano::ole::standin {

struct FieldDefinition {
    std::int16_t id = 0;
    std::string name{};
    std::int16_t type = 1;
    std::int16_t length = 0;
    std::int16_t decimalPlaces = 0;
    std::int16_t entryRule = 0;
    std::string entryTrigger{};
    std::string exitTrigger{};
    std::string initialValue{};
    bool isIndexed = false;
    bool isCutHistory = false;
    bool isPrimary = false;
    bool isBlockSync = false;
    bool isSortable = false;
    // AddPopupList sets the flag; setting it here without a list makes a corrupt list.
    bool hasPopupList = false;
    // Default: the position after the table's last field.
    std::optional<std::int16_t> position{};
};

struct UserDefinition {
    std::string name{};
    std::string uniqueId{};
    std::string password{};
    std::int32_t security = 0;
    std::int32_t access = 0;
};

using RecordValues = std::vector<std::pair<std::int16_t, std::string>>;

class StandInDatabaseWriter {
public:
    // Creates the file, which must not exist yet, with all seven tables (empty names, no
    // fields). Nothing is visible to readers before Commit; without Commit the file is removed.
    StandInDatabaseWriter(std::filesystem::path file, const std::string& databaseName);
    ~StandInDatabaseWriter();
    StandInDatabaseWriter(const StandInDatabaseWriter&) = delete;
    StandInDatabaseWriter& operator=(const StandInDatabaseWriter&) = delete;

    void SetTableName(TableAccessor table, const std::string& name);
    void AddField(TableAccessor table, const FieldDefinition& field);
    // The field must exist; its HasPopupList flag is set.
    void AddPopupList(TableAccessor table, std::int16_t fieldId,
                      const std::vector<PopupEntry>& entries);
    // Users take the positions 0, 1, 2 ... in the order they are added.
    void AddUser(const UserDefinition& user);
    void AddRecord(TableAccessor table, const std::string& uniqueId,
                   const RecordValues& values = {});
    void AddGroupMember(const std::string& groupId, const std::string& contactId);

    void Commit();

private:
    template <typename Action> void Guarded(const char* what, Action action);
    // Statements are prepared once and reused: generators add thousands of rows.
    Statement& Prepared(std::optional<Statement>& slot, const char* sql);
    void FinalizeStatements() noexcept;
    void RemoveUnfinishedFile() noexcept;

    std::filesystem::path file_;
    Connection connection_;
    bool committed_ = false;
    std::int64_t nextUserPosition_ = 0;
    std::array<std::int64_t, kTableCount> nextFieldPosition_{};
    std::optional<Statement> insertField_;
    std::optional<Statement> flagPopupList_;
    std::optional<Statement> insertPopupList_;
    std::optional<Statement> insertPopupItem_;
    std::optional<Statement> insertUser_;
    std::optional<Statement> insertRecord_;
    std::optional<Statement> insertRecordValue_;
    std::optional<Statement> insertGroupMember_;
};

} // namespace veltrano::ole::standin
