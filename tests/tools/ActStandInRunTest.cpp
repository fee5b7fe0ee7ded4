#include "ChildProcess.h"

#include "act/clACTApplication.h"
#include "platform/actole/AutomationError.h"
#include "platform/actole/standin/SampleDatabase.h"
#include "platform/actole/standin/application/LinuxObjectFactory.h"
#include "platform/win32/linux/RegisteredWindows.h"
#include "support/ScriptedForms.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>

namespace veltrano {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testsupport::ChildProcess;

class ActStandInRunTest : public ::testing::Test {
protected:
    ActStandInRunTest() { ole::standin::WriteSampleDatabase(database); }

    std::unique_ptr<ChildProcess> Start(const fs::path& file) {
        auto logs = temp.Path() / ("logs" + std::to_string(++started));
        fs::create_directory(logs);
        auto process = std::make_unique<ChildProcess>(runtime, file, logs);
        EXPECT_TRUE(process->WaitRegistered()) << testsupport::ReadBytes(logs / "stderr.txt");
        return process;
    }
    // "number description" of the error creating the object raises, "" when it succeeds.
    std::string CreationError(std::string_view progId) {
        try {
            return factory.CreateObject(progId) ? "" : "(no object)";
        } catch (const ole::AutomationError& error) {
            return std::to_string(error.Number()) + " " + error.Description();
        }
    }

    testsupport::TempFolder temp;
    testsupport::TempFolder runtimeFolder;
    const fs::path runtime = runtimeFolder.Path();
    const fs::path folder = runtime / "act-standin";
    const fs::path database = temp.Path() / "sales.dbf";
    int started = 0;

    ole::standin::LinuxObjectFactory factory{folder, {.replyTimeout = 10s}};
    win32::RegisteredWindows windows{folder};
    testsupport::ScriptedForms forms;
    act::clACTApplication application{factory, windows, forms};
};

// Its database and Open("") of it are walked by veltrano-cli's tests, the entries a killed one
// leaves behind by the registration tests.
TEST_F(ActStandInRunTest, RunsUntilStoppedAndLeavesNoTrace) {
    EXPECT_FALSE(application.ACTgestartet());
    auto standIn = Start(database);
    EXPECT_TRUE(application.ACTgestartet());
    EXPECT_EQ(standIn->Stop(SIGTERM), 0);
    EXPECT_FALSE(application.ACTgestartet());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_TRUE(fs::exists(folder / ".lock"));
    EXPECT_EQ(CreationError("ACTOLE.APPOBJECT"), "429 ActiveX component can't create object");
}

TEST_F(ActStandInRunTest, TheLaterRegisteredServesTheApplicationAndEveryFileIsKnownByIdentity) {
    const fs::path other = temp.Path() / "other.dbf";
    ole::standin::WriteSampleDatabase(other);
    auto first = Start(database);
    auto second = Start(other);
    EXPECT_EQ(application.ACTDatenbank(), other.string());
    EXPECT_EQ(CreationError("actole.appobject"), "");

    fs::create_symlink(database, temp.Path() / "symlink.dbf");
    fs::create_hard_link(other, temp.Path() / "hardlink.dbf");
    fs::copy_file(database, temp.Path() / "copy.dbf");
    const std::pair<fs::path, bool> cases[] = {{database, true},
                                               {temp.Path() / "symlink.dbf", true},
                                               {temp.Path() / "hardlink.dbf", true},
                                               {temp.Path() / "copy.dbf", false},
                                               {temp.Path() / "missing.dbf", false}};
    for (const auto& [path, open] : cases) {
        EXPECT_EQ(application.HasDatabaseOpen(path.string()), open) << path;
    }
    EXPECT_EQ(second->Stop(SIGINT), 0);
    EXPECT_EQ(application.ACTDatenbank(), database.string());
    EXPECT_FALSE(application.HasDatabaseOpen((temp.Path() / "hardlink.dbf").string()));
    EXPECT_EQ(first->Stop(SIGTERM), 0);
}

TEST_F(ActStandInRunTest, RefusesAFileThatIsNoDatabase) {
    const fs::path junk = temp.Path() / "junk.dbf";
    std::ofstream(junk) << "not a database";
    ChildProcess standIn(runtime, junk, temp.Path());
    EXPECT_EQ(standIn.Wait(), 1);
    const auto err = testsupport::ReadBytes(temp.Path() / "stderr.txt");
    EXPECT_NE(err.find("is not a stand-in ACT! database"), std::string::npos) << err;
}

} // namespace
} // namespace veltrano
