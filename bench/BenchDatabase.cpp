#include "bench/BenchDatabase.h"

#include "platform/actole/standin/StandInDatabaseWriter.h"

#include <array>
#include <random>
#include <vector>

namespace veltrano::bench {

namespace {

using ole::standin::FieldDefinition;
using ole::standin::PopupEntry;
using ole::standin::StandInDatabaseWriter;
using ole::standin::TableAccessor;

constexpr std::array<std::string_view, 16> kWords{
    "Company",      "address", "Phone",    "Fax",       "E-mail",     "birthday",
    "Region",       "Status",  "Referred", "ID/Status", "Salutation", "web site",
    "Last Meeting", "Ticker",  "Spouse",   "City"};

std::string Padded(int number, int width) {
    std::string digits = std::to_string(number);
    return std::string(digits.size() < static_cast<std::size_t>(width)
                           ? static_cast<std::size_t>(width) - digits.size()
                           : 0,
                       '0') +
           digits;
}

FieldDefinition MakeField(int id, std::mt19937& random) {
    const std::string number = std::to_string(id);
    FieldDefinition field;
    field.id = static_cast<std::int16_t>(id);
    // A word out of order and a number, so that sorting by name really moves the rows.
    field.name = std::string(kWords[random() % kWords.size()]) + " " + number;
    field.type = static_cast<std::int16_t>(id % 16);
    field.length = static_cast<std::int16_t>(8 + id % 120);
    field.decimalPlaces = static_cast<std::int16_t>(id % 5 == 0 ? 2 : 0);
    field.entryRule = static_cast<std::int16_t>(id % 5);
    field.entryTrigger = "c:\\act\\" + std::string(kTriggerWord) + "\\entry" + number + ".exe";
    field.exitTrigger = "macro " + std::string(kTriggerWord) + "_exit_" + number;
    field.initialValue = "Value " + number;
    field.isIndexed = id % 3 == 0;
    field.isCutHistory = id % 7 == 0;
    field.isPrimary = id == 1;
    field.isBlockSync = id % 11 == 0;
    field.isSortable = id % 2 == 0;
    return field;
}

std::vector<PopupEntry> MakePopupEntries(int count) {
    std::vector<PopupEntry> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (int p = 0; p < count; ++p) {
        // Every other entry without a remark, as lists often are.
        entries.push_back({"Choice " + std::to_string(p),
                           p % 2 == 0 ? "Remark on choice " + std::to_string(p) : std::string()});
    }
    return entries;
}

void AddTable(StandInDatabaseWriter& writer, TableAccessor table, int fieldsPerTable,
              std::mt19937& random) {
    const auto shortList = MakePopupEntries(kPopupEntries);
    const auto longList = MakePopupEntries(kLongPopupEntries);
    writer.SetTableName(table, std::string(ole::standin::AccessorName(table)) + " table");
    int listsMade = 0;
    for (int id = 1; id <= fieldsPerTable; ++id) {
        writer.AddField(table, MakeField(id, random));
        if (id % kPopupEvery == 0) {
            writer.AddPopupList(table, static_cast<std::int16_t>(id),
                                listsMade++ < kLongPopupLists ? longList : shortList);
        }
    }
}

} // namespace

void WriteBenchDatabase(const std::filesystem::path& file, int fieldsPerTable) {
    StandInDatabaseWriter writer(file, "Benchmark " + std::to_string(fieldsPerTable));
    std::mt19937 random(static_cast<std::mt19937::result_type>(fieldsPerTable));
    for (const TableAccessor table : ole::standin::kAllTables) {
        AddTable(writer, table, fieldsPerTable, random);
    }
    for (int u = 1; u <= kUserCount; ++u) {
        const std::string number = Padded(u, 3);
        writer.AddUser({.name = "User " + number,
                        .uniqueId = "UID" + Padded(u, 9),
                        .password = "pw" + number,
                        .security = u % 4,
                        .access = u % 2});
    }
    writer.Commit();
}

BenchDataFolder::BenchDataFolder() {
    std::random_device random;
    // create_directory is false when the name is taken: never share a folder with another run.
    do {
        folder_ = std::filesystem::temp_directory_path() /
                  ("veltrano-bench-" + std::to_string(random()) + std::to_string(random()));
    } while (!std::filesystem::create_directory(folder_));
}

BenchDataFolder::~BenchDataFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

const std::filesystem::path& BenchDataFolder::Database(int fieldsPerTable) {
    auto found = databases_.find(fieldsPerTable);
    if (found == databases_.end()) {
        const auto file = folder_ / ("Bench" + std::to_string(fieldsPerTable) + ".dbf");
        WriteBenchDatabase(file, fieldsPerTable);
        found = databases_.emplace(fieldsPerTable, file).first;
    }
    return found->second;
}

std::filesystem::path BenchDataFolder::Copy(int fieldsPerTable, std::string_view name) {
    const auto copy = folder_ / (std::string(name) + std::to_string(fieldsPerTable) + ".dbf");
    std::filesystem::copy_file(Database(fieldsPerTable), copy,
                               std::filesystem::copy_options::overwrite_existing);
    return copy;
}

} // namespace veltrano::bench
