#pragma once

// Temporary folders, stand-in database files and raw SQLite access for the engine's tests.

#include "act/ActObjects.h"
#include "platform/actole/AutomationError.h"
#include "platform/actole/standin/StandInDatabaseWriter.h"
#include "platform/actole/standin/StandInEngine.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace veltrano::ole::standin::test {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const fs::path& Path() const noexcept { return path_; }
    fs::path File(const std::string& name) const { return path_ / name; }
    // Names of the files in the folder, sorted.
    std::vector<std::string> Listing() const;

private:
    fs::path path_;
};

std::string ReadBytes(const fs::path& file);
void WriteBytes(const fs::path& file, const std::string& bytes);

// Contact: fields 1 "Company" (entry trigger "c:\act\a.exe") and 2 "Phone" at positions 0, 1;
// Group: field 25 "Group Name". The given users, none by default (so no login).
void WriteSmallDatabase(const fs::path& file, const std::vector<UserDefinition>& users = {});

// Runs SQL on the file through a connection of its own (no validation, no foreign keys).
void ExecuteSql(const fs::path& file, const std::string& sql);

// A Database object of the stand-in engine with a short busy timeout.
act::Database NewDatabase(std::string runningDatabase = {},
                          std::chrono::milliseconds busyTimeout = std::chrono::milliseconds(200));

} // namespace veltrano::ole::standin::test
