#pragma once

// End-to-end cases of veltrano-cli: a temporary folder with its databases, and the built program
// run in it with a clean environment: the login variables, the settings folder and the folder of
// running ACT! programs are only what a test sets.

#include "platform/actole/standin/SampleDatabase.h"
#include "platform/actole/standin/StandInDatabaseWriter.h"
#include "support/BinDir.h"
#include "support/FileBytes.h"
#include "tools/StandInProcess.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
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

using testsupport::ReadBytes;

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
    std::string tableName = "Contacts";
    std::string phoneName = "Phone";
    std::string nameTrigger = R"(c:\old\a.exe c:\old\b.exe)";
    std::vector<ole::standin::PopupEntry> phoneList{{"A", "first"}, {"B", ""}};
    std::vector<ole::standin::FieldDefinition> moreFields{};
    bool phoneFirst = false;
    std::string firstUser = "Chris";
    bool record = false;
};

class CliTest : public ::testing::Test {
protected:
    // Runs the program through env(1), which drops the inherited login and folder variables.
    CliResult Run(const Args& args) const {
        std::string command = "env -u VELTRANO_USER -u VELTRANO_PASSWORD -u HOME -u "
                              "XDG_CONFIG_HOME -u XDG_RUNTIME_DIR";
        for (const auto& [name, value] : environment) {
            command += " " + Quoted(name + "=" + value);
        }
        for (const auto& arg : Args{BinDir() + "/veltrano-cli"} + args) {
            command += " " + Quoted(arg);
        }
        const auto out = stdoutTo.empty() ? temp.Path() / "stdout.txt" : stdoutTo;
        const auto err = temp.Path() / "stderr.txt";
        const int status =
            std::system((command + " </dev/null >" + Quoted(out) + " 2>" + Quoted(err)).c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
                stdoutTo.empty() ? ReadBytes(out) : "", ReadBytes(err)};
    }
    static std::string Quoted(const std::string& text) {
        std::string quoted = "'";
        for (const char c : text) {
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        }
        return quoted + "'";
    }

    fs::path WriteTeamDatabase(const std::string& name = "Team", const Team& s = {}) {
        using namespace ole::standin;
        const auto file = temp.Path() / (name + ".dbf");
        StandInDatabaseWriter db(file, "Team");
        const auto contact = TableAccessor::Contact;
        db.SetTableName(contact, s.tableName);
        db.AddField(contact, {.id = 25,
                              .name = "Name",
                              .length = 40,
                              .entryTrigger = s.nameTrigger,
                              .position = std::int16_t(s.phoneFirst ? 1 : 0)});
        db.AddField(contact, {.id = 9,
                              .name = s.phoneName,
                              .length = 20,
                              .exitTrigger = R"(c:\old\dial.exe)",
                              .position = std::int16_t(s.phoneFirst ? 0 : 1)});
        db.AddPopupList(contact, 9, s.phoneList);
        for (const auto& field : s.moreFields) {
            db.AddField(contact, field);
        }
        db.AddUser({.name = s.firstUser, .uniqueId = "U1", .password = "pw", .security = 1});
        db.AddUser({.name = "Pat", .password = "pat", .security = 2});
        if (s.record) {
            db.AddRecord(contact, "R1");
        }
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
