#pragma once

// Stand-in ACT! databases in a temporary folder, scanned into a fresh tree.

#include "TreeText.h"
#include "act/ActObjects.h"
#include "platform/actole/standin/StandInDatabaseWriter.h"
#include "platform/actole/standin/StandInEngine.h"
#include "platform/controls/StatusBar.h"
#include "platform/forms/ScriptedForms.h"
#include "scan/modStrukturScan.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>

namespace veltrano::scan::testing {

using ole::standin::FieldDefinition;
using ole::standin::StandInDatabaseWriter;
using ole::standin::TableAccessor;
using ole::standin::UserDefinition;

class StandInScan : public ::testing::Test {
protected:
    StandInScan() {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() /
                  ("veltrano-scan-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directory(folder_);
    }
    ~StandInScan() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // A new database file named after the test, filled by fill.
    std::filesystem::path Build(const std::function<void(StandInDatabaseWriter&)>& fill,
                                const std::string& name = "Test") {
        const auto file = folder_ / (name + std::to_string(++built_) + ".dbf");
        StandInDatabaseWriter writer(file, name);
        fill(writer);
        writer.Commit();
        return file;
    }

    const std::filesystem::path& Folder() const noexcept { return folder_; }

    // Opens the file (logging in when asked), scans it and closes it again, as the command does.
    void Scan(const std::filesystem::path& file, const std::string& user = {},
              const std::string& password = {}) {
        act::Database db(ole::standin::CreateStandInDatabase([] { return std::string(); }));
        db.Open(file.string());
        if (db.LoginRequired()) {
            db.Login(user, password);
        }
        ASSERT_TRUE(db.IsOpen()) << file;
        ScanDatabase(db, tree, status.Panels("Status"), forms);
        db.Close();
    }

    // The property texts, popup list and items under the field with this key.
    std::vector<std::string> FieldChildren(std::string_view key) const {
        return ChildTexts(tree, tree.ByKey(key));
    }

    controls::TreeView tree;
    controls::StatusBar status{{"Status"}};
    forms::ScriptedForms forms;

private:
    std::filesystem::path folder_;
    int built_ = 0;
};

} // namespace veltrano::scan::testing
