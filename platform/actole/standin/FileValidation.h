#pragma once

#include "platform/actole/standin/Sqlite.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace veltrano::ole::standin {

// Opens a stand-in ACT! database of format 1 for reading and writing, after the checks that cost
// little: SQLite header, application id, format version and the exact schema. Rows are checked
// as they are read (StoredData.h), damaged pages by SQLite as it reads them. Never creates a file
// and never writes to one (SQLite may only roll back a transaction that a crashed writer left
// behind). Throws StandInError with the reason when the file is not such a database.
Connection OpenDatabaseFile(const std::filesystem::path& file,
                            std::chrono::milliseconds busyTimeout);

// The whole-file check, on demand: the opening checks, then SQLite's integrity check, the
// foreign keys and the value rules over every row. Opens the file read-only; an empty result
// means no findings.
std::vector<std::string> CheckDatabaseFile(const std::filesystem::path& file);

} // namespace veltrano::ole::standin
