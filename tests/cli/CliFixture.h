#pragma once

// End-to-end cases of veltrano-cli: a temporary folder with its databases, and the built program
// run in it with a clean environment: the login variables, the settings folder and the folder of
// running ACT! programs are only what a test sets.

#include "platform/actole/standin/SampleDatabase.h"
#include "platform/actole/standin/StandInDatabaseWriter.h"
#include "support/BinDir.h"
#include "tools/ChildProcess.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace veltrano::testsupport {

using Args = std::vector<std::string>;

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline Args operator+(Args a, const Args& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline const Args kTeamLogin{"--user", "Chris", "--password", "pw"};
inline const Args kSampleLogin{"--user", std::string(ole::standin::kSampleUserName), "--password",
                               std::string(ole::standin::kSamplePassword)};

// "Team": Contact fields 25 "Name" (entry trigger) and 9 "Phone" (exit trigger, a popup
// list of two), table name "Contacts"; users "Chris" (password "pw") and "Pat" ("pat").
struct Team {
    std::string phoneName = "Phone";
    std::string nameTrigger = R"(c:\old\a.exe c:\old\b.exe)";
    std::vector<ole::standin::FieldDefinition> moreFields{};
};

class CliTest : public ::testing::Test {
protected:
    // Runs the program through env(1), which drops the inherited login and folder variables.
    CliResult Run(const Args& args) const {
        Args command{"env",  "-u", "VELTRANO_USER",   "-u", "VELTRANO_PASSWORD", "-u",
                     "HOME", "-u", "XDG_CONFIG_HOME", "-u", "XDG_RUNTIME_DIR"};
        for (const auto& [name, value] : environment) {
            command.push_back(name + "=" + value);
        }
        const auto out = stdoutTo.empty() ? temp.Path() / "stdout.txt" : stdoutTo;
        const auto err = temp.Path() / "stderr.txt";
        const int status =
            ChildProcess(command + Args{BinDir() + "/veltrano-cli"} + args, out, err).Wait();
        return {status, stdoutTo.empty() ? ReadBytes(out) : "", ReadBytes(err)};
    }

    fs::path WriteTeamDatabase(const std::string& name = "Team", const Team& s = {}) {
        using namespace ole::standin;
        const auto file = temp.Path() / (name + ".dbf");
        StandInDatabaseWriter db(file, "Team");
        const auto contact = TableAccessor::Contact;
        db.SetTableName(contact, "Contacts");
        db.AddField(
            contact,
            {.id = 25, .name = "Name", .length = 40, .entryTrigger = s.nameTrigger, .position = 0});
        db.AddField(contact, {.id = 9,
                              .name = s.phoneName,
                              .length = 20,
                              .exitTrigger = R"(c:\old\dial.exe)",
                              .position = 1});
        db.AddPopupList(contact, 9, {{"A", "first"}, {"B", ""}});
        for (const auto& field : s.moreFields) {
            db.AddField(contact, field);
        }
        db.AddUser({.name = "Chris", .uniqueId = "U1", .password = "pw", .security = 1});
        db.AddUser({.name = "Pat", .password = "pat", .security = 2});
        db.Commit();
        return file;
    }
    fs::path WriteSample() {
        const auto file = temp.Path() / "sample.dbf";
        ole::standin::WriteSampleDatabase(file);
        return file;
    }

    TempFolder temp;
    // Where Run sends standard output instead of a file it reads back (/dev/full).
    fs::path stdoutTo;
    // The settings and running-ACT! folders: the test's own folder (mode 700).
    std::map<std::string, std::string> environment{{"HOME", temp.Path().string()},
                                                   {"XDG_CONFIG_HOME", temp.Path().string()},
                                                   {"XDG_RUNTIME_DIR", temp.Path().string()}};
};

} // namespace veltrano::testsupport
