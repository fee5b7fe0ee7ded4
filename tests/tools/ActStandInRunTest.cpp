#include "ChildProcess.h"

#include "act/ActObjects.h"
#include "act/clACTApplication.h"
#include "platform/actole/AutomationError.h"
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
    ActStandInRunTest() { testsupport::WriteRunDatabase(database, "Sales Team"); }

    std::unique_ptr<ChildProcess> Start(const fs::path& file) {
        auto logs = temp.Path() / ("logs" + std::to_string(++started));
        fs::create_directory(logs);
        auto process = std::make_unique<ChildProcess>(runtime, file, logs);
        EXPECT_TRUE(process->WaitRegistered()) << process->Stderr();
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
    testsupport::WriteRunDatabase(other, "Other");
    auto first = Start(database);
    auto second = Start(other);
    EXPECT_EQ(application.ACTDatenbank(), other.string());
    EXPECT_EQ(CreationError("actole.appobject"), "");
    EXPECT_EQ(CreationError("Excel.Application").substr(0, 4), "429 ");

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
    EXPECT_NE(standIn.Stderr().find("is not a stand-in ACT! database"), std::string::npos)
        << standIn.Stderr();
}

TEST_F(ActStandInRunTest, ContactAndGroupViewsWorkOnTheFile) {
    auto standIn = Start(database);
    EXPECT_EQ(application.AktuellerViewTyp(), 1);
    EXPECT_EQ(application.AktuelleKontaktID(), "C00000000001");
    EXPECT_EQ(application.AktuellerBenutzerName(), "Chris");
    EXPECT_EQ(application.AktuelleBenutzerID(), "U00000000001");
    EXPECT_FALSE(application.ACTVersion().empty());

    EXPECT_TRUE(application.setFeldwert(2, "555-9"));
    EXPECT_EQ(application.getFeldwert(2), "555-9");
    EXPECT_EQ(application.AktuelleFeldID(), 2);
    EXPECT_EQ(application.getIDsAktuelleSuche(), "AcmeBoltCrane"); // field 1 is the company

    EXPECT_TRUE(application.GroupExist("Staff"));
    EXPECT_TRUE(application.AddGroup("Support"));
    EXPECT_EQ(application.AktuellerViewTyp(), 3);
    EXPECT_TRUE(application.ShowGroupByUniqueID("G00000000002", true));
    EXPECT_EQ(application.AktuelleGruppenID(), "G00000000002"); // its view became active
    EXPECT_TRUE(application.ShowGroupByName("sta", 0));         // begins with, any letter case
    EXPECT_FALSE(application.ShowGroupByName("nobody", 0));
    EXPECT_TRUE(application.ShowGroupRegister("Notes"));

    act::Database db(factory.CreateDatabase());
    db.Open(database.string());
    EXPECT_EQ(db.GroupTable().RecordCount(), 3);
    db.Close();

    EXPECT_TRUE(application.CloseDatenbank());
    EXPECT_EQ(application.ACTDatenbank(), "");
    EXPECT_TRUE(application.ACTgestartet()); // ACT! runs on without a database
    EXPECT_EQ(application.AktuellerViewTyp(), -1);
    application.OpenDatenbank(database.string());
    EXPECT_EQ(application.ACTDatenbank(), database.string());
    EXPECT_TRUE(forms.Messages().empty());
    EXPECT_EQ(standIn->Stop(SIGTERM), 0);
}

} // namespace
} // namespace veltrano
