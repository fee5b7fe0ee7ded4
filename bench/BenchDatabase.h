#pragma once

// Large stand-in ACT! databases for the benchmarks, made once per size and run.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace veltrano::bench {

// Fields per table of the three database sizes.
inline constexpr int kSmall = 250;
inline constexpr int kMedium = 2000;
inline constexpr int kLarge = 8000;

// Every user has a password, so opening asks for a login; this one is accepted.
inline constexpr std::string_view kUserName = "User 001";
inline constexpr std::string_view kPassword = "pw001";
inline constexpr int kUserCount = 500;

// One field in ten has a drop-down list of kPopupEntries entries; the first few of them have
// kLongPopupEntries, the most a list may have and still be read in full.
inline constexpr int kPopupEvery = 10;
inline constexpr int kPopupEntries = 50;
inline constexpr int kLongPopupLists = 3;
inline constexpr int kLongPopupEntries = 500;

// Both triggers of every field contain this text once, so that Replace changes every cell.
inline constexpr std::string_view kTriggerWord = "old";
inline constexpr std::string_view kTriggerWordReplaced = "new";

// Writes a new database: seven tables of fieldsPerTable fields each (IDs 1 ... fieldsPerTable,
// names in an order unlike the IDs), every field with both triggers and an initial value, the
// drop-down lists above and kUserCount users.
void WriteBenchDatabase(const std::filesystem::path& file, int fieldsPerTable);

// A temporary folder that holds one generated database per size, made when first asked for
// and removed with the folder.
class BenchDataFolder {
public:
    BenchDataFolder();
    ~BenchDataFolder();
    BenchDataFolder(const BenchDataFolder&) = delete;
    BenchDataFolder& operator=(const BenchDataFolder&) = delete;

    const std::filesystem::path& Database(int fieldsPerTable);
    // A private copy of the database of that size, for benchmarks that write into it.
    std::filesystem::path Copy(int fieldsPerTable, std::string_view name);
    const std::filesystem::path& Path() const noexcept { return folder_; }

private:
    std::filesystem::path folder_;
    std::map<int, std::filesystem::path> databases_;
};

} // namespace veltrano::bench
