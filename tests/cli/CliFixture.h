#pragma once

// End-to-end cases of veltrano-cli: a temporary folder with its databases, and the program run
// in it.

#include "CliProcess.h"
#include "platform/actole/standin/SampleDatabase.h"
#include "platform/actole/standin/StandInDatabaseWriter.h"
#include "tools/StandInProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrano::testsupport {

class CliTest : public ::testing::Test {
protected:
    // "Team": Contact fields 25 "Name" (entry trigger) and 9 "Phone" (exit trigger, a popup
    // list of two), table name "Contacts"; users "Chris" (password "pw") and "Pat".
    std::filesystem::path WriteTeamDatabase() {
        using namespace ole::standin;
        const auto file = temp.Path() / "Team.dbf";
        StandInDatabaseWriter db(file, "Team");
        db.SetTableName(TableAccessor::Contact, "Contacts");
        db.AddField(TableAccessor::Contact, {.id = 25,
                                             .name = "Name",
                                             .length = 40,
                                             .entryTrigger = R"(c:\old\a.exe c:\old\b.exe)"});
        db.AddField(TableAccessor::Contact,
                    {.id = 9, .name = "Phone", .length = 20, .exitTrigger = R"(c:\old\dial.exe)"});
        db.AddPopupList(TableAccessor::Contact, 9, {{"A", "first"}, {"B", ""}});
        db.AddUser(
            {.name = "Chris", .uniqueId = "U1", .password = "pw", .security = 1, .access = 255});
        db.AddUser({.name = "Pat", .security = 2, .access = 3});
        db.Commit();
        return file;
    }

    std::filesystem::path WriteSample() {
        const auto file = temp.Path() / "sample.dbf";
        ole::standin::WriteSampleDatabase(file);
        return file;
    }

    CliResult Run(const std::vector<std::string>& args) const { return cli.Run(args); }

    TempFolder temp;
    CliProcess cli{temp.Path()};
};

inline const std::vector<std::string> kTeamLogin{"--user", "Chris", "--password", "pw"};
inline const std::vector<std::string> kSampleLogin{
    "--user", std::string(ole::standin::kSampleUserName), "--password",
    std::string(ole::standin::kSamplePassword)};

inline std::vector<std::string> operator+(std::vector<std::string> a,
                                          const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace veltrano::testsupport
