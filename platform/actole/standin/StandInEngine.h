#pragma once

// The stand-in ACT! engine: Database objects over stand-in database files (SQLite, format 1).

#include "platform/actole/Dispatch.h"

#include <chrono>
#include <functional>
#include <string>

namespace veltrano::ole::standin {

struct StandInOptions {
    // How long BeginBatch and writes wait for another writer before they give up.
    std::chrono::milliseconds busyTimeout{std::chrono::seconds(5)};
};

// A new Database object. runningDatabasePath yields the file that a running stand-in ACT! has
// open ("" when none); Database.Open("") opens that file.
ole::DispatchPtr CreateStandInDatabase(std::function<std::string()> runningDatabasePath);
ole::DispatchPtr CreateStandInDatabase(std::function<std::string()> runningDatabasePath,
                                       StandInOptions options);

} // namespace veltrano::ole::standin
