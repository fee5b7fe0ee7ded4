#pragma once

// Stand-in ACT! databases in a temporary folder, scanned into a fresh tree.

#include "act/ActObjects.h"
#include "platform/actole/standin/StandInDatabaseWriter.h"
#include "platform/actole/standin/StandInEngine.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TreeView.h"
#include "scan/modStrukturScan.h"
#include "support/ScriptedForms.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace veltrano::scan::testing {

using ole::standin::StandInDatabaseWriter;
using ole::standin::TableAccessor;
using Texts = std::vector<std::string>;

inline Texts ChildTexts(const TreeView& tree, TreeView::Index parent) {
    Texts texts;
    for (TreeView::Index child = tree.Child(parent); child != 0; child = tree.Next(child)) {
        texts.emplace_back(tree.Text(child));
    }
    return texts;
}

class StandInScan : public ::testing::Test {
protected:
    // A new database file, filled by fill.
    std::filesystem::path Build(const std::function<void(StandInDatabaseWriter&)>& fill,
                                const std::string& name = "Test") {
        const auto file = folder_.File(name + ".dbf");
        StandInDatabaseWriter writer(file, name);
        fill(writer);
        writer.Commit();
        return file;
    }

    // Opens the file, scans it (progress in the second panel) and closes it again.
    void Scan(const std::filesystem::path& file,
              ScanEvents::Clock::duration interval = ScanEvents::kDefaultInterval) {
        act::Database db(ole::standin::CreateStandInDatabase([] { return std::string(); }));
        db.Open(file.string());
        ASSERT_TRUE(db.IsOpen()) << file;
        reported = ScanDatabase(db, tree, status.Panels("Status"), forms,
                                &status.Panels("Progress"), interval);
        db.Close();
    }

    testsupport::TempFolder folder_;
    TreeView tree;
    controls::StatusBar status{{"Status", "Progress"}};
    testsupport::ScriptedForms forms;
    std::int32_t reported = -1; // failures the last scan reported
};

} // namespace veltrano::scan::testing
