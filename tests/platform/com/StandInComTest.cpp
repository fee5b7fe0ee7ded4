// The stand-in's in-process server as registered for this user (the test fixture runs
// `act-standin register`), reached the way veltrano-cli reaches ACT!: the scan through COM gives
// the tree and the reported errors of the linked engine, every object is released after it,
// and Open("") finds nothing with nothing running. How errors cross COM: ComDispatchTest.

#include "act/ActObjects.h"
#include "platform/actole/DispatchIds.h"
#include "platform/actole/com/ComObjectFactory.h"
#include "platform/actole/standin/SampleDatabase.h"
#include "platform/actole/standin/StandInEngine.h"
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
#include <functional>

namespace veltrano::testsupport {
namespace {

namespace fs = std::filesystem;
using CreateDatabase = std::function<ole::DispatchPtr()>;

struct ScanResult {
    std::vector<std::string> nodes; // index, tag, key and text of each node
    std::vector<MessageCall> messages;
    std::int32_t reported = 0;
};

ScanResult Scan(const CreateDatabase& create, const fs::path& file, const std::string& user = {},
                const std::string& password = {}) {
    controls::TreeView tree;
    controls::StatusBar status{{"Status"}};
    ScriptedForms forms;
    ScanResult result;
    {
        act::Database db(create());
        db.Open(win32::Narrow(file.wstring()));
        if (db.LoginRequired()) {
            db.Login(user, password);
        }
        EXPECT_TRUE(db.IsOpen()) << file;
        result.reported = scan::ScanDatabase(db, tree, status.Panels("Status"), forms);
        db.Close();
    }
    for (controls::TreeView::Index node = 1; node <= tree.Count(); ++node) {
        result.nodes.push_back(std::to_string(node) + "|" + std::string(tree.Tag(node)) + "|" +
                               std::string(tree.Key(node)) + "|" + std::string(tree.Text(node)));
    }
    result.messages = forms.Messages();
    return result;
}

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
    TempFolder temp;
    ole::com::ComObjectFactory com{ole::classid::kDatabaseClass};
    CreateDatabase throughCom = [this] { return com.CreateDatabase(); };
    CreateDatabase linked = [] {
        return ole::standin::CreateStandInDatabase([] { return std::string(); });
    };
    const std::string user{ole::standin::kSampleUserName};
    const std::string password{ole::standin::kSamplePassword};
};

TEST_F(StandInComTest, ScanThroughComGivesTheTreeOfTheLinkedEngineAndReleasesEverything) {
    const auto sample = temp.Path() / L"sample \u00FC.dbf";
    ole::standin::WriteSampleDatabase(sample);
    const auto edges = temp.Path() / "edges.dbf";
    WriteEdgeDatabase(edges);

    const ScanResult viaCom = Scan(throughCom, sample, user, password);
    const ScanResult direct = Scan(linked, sample, user, password);
    EXPECT_GT(direct.nodes.size(), 100u);
    EXPECT_EQ(viaCom.nodes, direct.nodes);
    EXPECT_EQ(viaCom.messages, direct.messages);

    const ScanResult edgesViaCom = Scan(throughCom, edges);
    const ScanResult edgesDirect = Scan(linked, edges);
    EXPECT_EQ(edgesViaCom.nodes, edgesDirect.nodes);
    // The corrupt popup list is reported the same way, with the engine's number and text.
    EXPECT_EQ(edgesDirect.reported, 1);
    EXPECT_EQ(edgesViaCom.messages, edgesDirect.messages);

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
