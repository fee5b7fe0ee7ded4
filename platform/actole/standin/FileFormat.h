#pragma once

// Format 1 of a stand-in ACT! database file: one SQLite 3 file with this schema.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace veltrano::ole::standin {

class Connection;

inline constexpr std::int32_t kApplicationId = 1447382100; // 'VELT'
inline constexpr std::int32_t kFormatVersion = 1;          // PRAGMA user_version

enum class TableAccessor : std::uint8_t {
    Contact,
    Group,
    NoteHistory,
    Activity,
    Sales,
    ListTable,
    Email
};

inline constexpr std::size_t kTableCount = 7;
inline constexpr std::array<TableAccessor, kTableCount> kAllTables{
    TableAccessor::Contact,  TableAccessor::Group, TableAccessor::NoteHistory,
    TableAccessor::Activity, TableAccessor::Sales, TableAccessor::ListTable,
    TableAccessor::Email};

// The value of the accessor column: "Contact", "Group", ...
std::string_view AccessorName(TableAccessor table) noexcept;
std::optional<TableAccessor> AccessorFromName(std::string_view name) noexcept;
inline std::size_t AccessorIndex(TableAccessor table) noexcept {
    return static_cast<std::size_t>(table);
}

struct SchemaTable {
    std::string_view name;
    std::string_view createStatement;
};

// The CREATE TABLE statements of format 1, in creation order.
std::span<const SchemaTable> SchemaTables() noexcept;

// Writes application id, format version and all tables into an empty database.
void CreateSchema(Connection& connection);

} // namespace veltrano::ole::standin
