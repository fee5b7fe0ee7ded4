#pragma once

#include "platform/actole/standin/Sqlite.h"

#include <chrono>
#include <filesystem>

namespace veltrano::ole::standin {

// Opens a stand-in ACT! database of format 1 for reading and writing, after checking the whole
// file: SQLite header, application id, format version, the exact schema, SQLite's integrity
// check, foreign keys and the value rules. Never creates a file and never writes to one (SQLite
// may only roll back a transaction that a crashed writer left behind). Throws StandInError with
// the reason when the file is not such a database.
Connection OpenDatabaseFile(const std::filesystem::path& file,
                            std::chrono::milliseconds busyTimeout);

} // namespace veltrano::ole::standin
