// The stand-in's in-process server as registered for this user (the test fixture runs
// `act-standin register`), reached the way veltrano-cli reaches ACT!: every object of a scan
// through COM, one meeting a damaged list, is released after it, and Open("") finds nothing with
// nothing running. The tree and the reported errors through COM against the linked engine's:
// scripts/compare-windows-cli.sh; how errors cross COM: ComDispatchTest.

#include "act/ActObjects.h"
#include "platform/actole/DispatchIds.h"
#include "platform/actole/com/ComObjectFactory.h"
#include "platform/actole/standin/SampleDatabase.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TreeView.h"
#include "platform/win32/windows/WideText.h"
#include "scan/modStrukturScan.h"
#include "support/EdgeDatabase.h"
#include "support/ScriptedForms.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

namespace veltrano::testsupport {
namespace {

namespace fs = std::filesystem;

HRESULT CanUnloadStandIn() {
    const HMODULE dll = ::GetModuleHandleW(L"act-standin.dll");
    if (dll == nullptr) {
        return E_UNEXPECTED;
    }
    using CanUnload = HRESULT(STDAPICALLTYPE*)();
    const auto canUnload = reinterpret_cast<CanUnload>(
        reinterpret_cast<void*>(::GetProcAddress(dll, "DllCanUnloadNow")));
    return canUnload != nullptr ? canUnload() : E_UNEXPECTED;
}

class StandInComTest : public ::testing::Test {
protected:
    // Scans the file through COM (as the sample's user if it asks): the errors the scan reported.
    std::int32_t Scan(const fs::path& file) {
        controls::TreeView tree;
        controls::StatusBar status{{"Status"}};
        ScriptedForms forms;
        act::Database db(com.CreateDatabase());
        db.Open(win32::Narrow(file.wstring()));
        if (db.LoginRequired()) {
            db.Login(std::string(ole::standin::kSampleUserName),
                     std::string(ole::standin::kSamplePassword));
        }
        EXPECT_TRUE(db.IsOpen()) << file;
        const std::int32_t reported = scan::ScanDatabase(db, tree, status.Panels("Status"), forms);
        EXPECT_GT(tree.Count(), 10) << file;
        db.Close();
        return reported;
    }

    TempFolder temp;
    ole::com::ComObjectFactory com{ole::classid::kDatabaseClass};
};

TEST_F(StandInComTest, AScanThroughComReleasesEveryObject) {
    const auto sample = temp.Path() / L"sample \u00FC.dbf";
    ole::standin::WriteSampleDatabase(sample);
    const auto edges = temp.Path() / "edges.dbf";
    WriteEdgeDatabase(edges);

    EXPECT_EQ(Scan(sample), 0);
    EXPECT_EQ(Scan(edges), 1); // the corrupt popup list

    // No object of the scans is left: the DLL may unload, as it may not while one lives.
    EXPECT_EQ(CanUnloadStandIn(), S_OK);
    const act::Database db(com.CreateDatabase());
    EXPECT_EQ(CanUnloadStandIn(), S_FALSE);
}

TEST_F(StandInComTest, WithNothingRunningOpenFindsNoDatabase) {
    act::Database db(com.CreateDatabase());
    db.Open("");
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(db.LoginRequired());
}

} // namespace
} // namespace veltrano::testsupport
