#pragma once

// The rows of a stand-in database as the engine holds them in memory, and their loaders.

#include "platform/actole/standin/FileFormat.h"
#include "platform/actole/standin/Sqlite.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace veltrano::ole::standin {

struct FieldRecord {
    std::int16_t id = 0;
    std::int16_t position = 0;
    std::string name;
    std::int16_t type = 1;
    std::int16_t length = 0;
    std::int16_t decimalPlaces = 0;
    std::int16_t entryRule = 0;
    std::string entryTrigger;
    std::string exitTrigger;
    std::string initialValue;
    bool isIndexed = false;
    bool isCutHistory = false;
    bool isPrimary = false;
    bool isBlockSync = false;
    bool isSortable = false;
    bool hasPopupList = false;
};

// One table's name and fields, the fields in position order.
class TableData {
public:
    TableData(std::string name, std::vector<FieldRecord> fields);

    const std::string& Name() const noexcept { return name_; }
    const std::vector<FieldRecord>& Fields() const noexcept { return fields_; }
    const FieldRecord* Find(std::int16_t fieldId) const noexcept;
    FieldRecord* Find(std::int16_t fieldId) noexcept;
    // False when two fields share an ID: only the first is found.
    bool HasUniqueIds() const noexcept;

private:
    std::string name_;
    std::vector<FieldRecord> fields_;
    std::unordered_map<std::int16_t, std::size_t> indexById_;
};

struct PopupEntry {
    std::string value;
    std::string remark;
};

struct UserRecord {
    std::string name;
    std::string uniqueId;
    std::string password;
    std::int32_t security = 0;
    std::int32_t access = 0;
};

// The loaders check every value they read (type and range) and throw SqliteError with
// SQLITE_CORRUPT and the bad row when one breaks the format.
std::string LoadDatabaseName(const Connection& connection);
// A table without its row in act_table reads as a table with an empty name and no fields.
TableData LoadTable(const Connection& connection, TableAccessor table);
std::int64_t CountRecords(const Connection& connection, TableAccessor table);
std::int64_t CountGroupMembers(const Connection& connection);
// The entries in position order; nullopt when the field has no popup_list row.
std::optional<std::vector<PopupEntry>> LoadPopupList(const Connection& connection,
                                                     TableAccessor table, std::int16_t fieldId);

// LoadPopupList with its statements prepared once, for reading many lists.
class PopupListReader {
public:
    explicit PopupListReader(const Connection& connection);
    std::optional<std::vector<PopupEntry>> Read(TableAccessor table, std::int16_t fieldId);

private:
    Statement list_;
    Statement items_;
};
std::vector<UserRecord> LoadUsers(const Connection& connection);

} // namespace veltrano::ole::standin
