#pragma once

// The baselines of the database benchmarks: the same raw work done straight with SQLite.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace veltrano::bench {

// Every row the scan reads, held in memory as plain values.
struct RawField {
    std::string accessor;
    std::int64_t id = 0;
    std::string name;
    std::int64_t type = 0;
    std::int64_t length = 0;
    std::int64_t decimalPlaces = 0;
    std::int64_t entryRule = 0;
    std::string entryTrigger;
    std::string exitTrigger;
    std::string initialValue;
    std::int64_t flags[6]{};
};
struct RawPopupItem {
    std::string accessor;
    std::int64_t fieldId = 0;
    std::int64_t position = 0;
    std::string value;
    std::string remark;
};
struct RawUser {
    std::string name;
    std::string uniqueId;
    std::string password;
    std::int64_t security = 0;
    std::int64_t access = 0;
};
struct RawDatabase {
    std::string name;
    std::vector<std::pair<std::string, std::string>> tables; // accessor, name
    std::vector<std::int64_t> recordCounts;
    std::vector<RawField> fields;
    std::vector<RawPopupItem> popupItems;
    std::vector<RawUser> users;
};

// Opens the file and reads all of the above with one prepared statement per table.
RawDatabase ReadRawDatabase(const std::filesystem::path& file);

// Opens the file and sets the entry triggers of the given fields of one table in one
// transaction.
void UpdateEntryTriggers(const std::filesystem::path& file, std::string_view accessor,
                         const std::vector<std::pair<std::int16_t, std::string>>& triggers);

} // namespace veltrano::bench
