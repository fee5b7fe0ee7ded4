#pragma once

// Stand-in database files and raw SQLite access for the engine's tests.

#include "act/ActObjects.h"
#include "platform/actole/AutomationError.h"
#include "platform/actole/standin/Sqlite.h"
#include "platform/actole/standin/StandInDatabaseWriter.h"
#include "platform/actole/standin/StandInEngine.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace veltrano::ole::standin::test {

namespace fs = std::filesystem;
using testsupport::TempFolder;

using testsupport::ReadBytes;
using testsupport::WriteBytes;

// Names of the files in the folder, sorted.
inline std::vector<std::string> Listing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Contact: fields 1 "Company" (entry trigger "c:\act\a.exe") and 2 "Phone" at positions 0, 1;
// Group: field 25 "Group Name". The given users, none by default (so no login).
inline void WriteSmallDatabase(const fs::path& file,
                               const std::vector<UserDefinition>& users = {}) {
    StandInDatabaseWriter db(file, "Small");
    db.SetTableName(TableAccessor::Contact, "Contacts");
    db.AddField(TableAccessor::Contact,
                {.id = 1, .name = "Company", .entryTrigger = R"(c:\act\a.exe)"});
    db.AddField(TableAccessor::Contact, {.id = 2, .name = "Phone", .type = 14});
    db.AddField(TableAccessor::Group, {.id = 25, .name = "Group Name"});
    for (const UserDefinition& user : users) {
        db.AddUser(user);
    }
    db.Commit();
}

// Runs SQL on the file through a connection of its own (no validation, no foreign keys).
inline void ExecuteSql(const fs::path& file, const std::string& sql) {
    Connection::Open(file.string(), SQLITE_OPEN_READWRITE).Execute(sql.c_str());
}

// A Database object of the stand-in engine with a short busy timeout; runningDatabase is the
// file an empty path opens.
inline act::Database NewDatabase(std::string runningDatabase = {}) {
    return act::Database(CreateStandInDatabase([path = std::move(runningDatabase)] { return path; },
                                               StandInOptions{std::chrono::milliseconds(200)}));
}

// The error the call raises; a failure of the test when it raises none.
template <typename Call> AutomationError Raised(Call call) {
    try {
        call();
    } catch (const AutomationError& error) {
        return error;
    }
    ADD_FAILURE() << "no AutomationError";
    return AutomationError(0, "");
}

} // namespace veltrano::ole::standin::test
