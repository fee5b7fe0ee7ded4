#include "app/ChangesPanel.h"
#include "app/WindowSettings.h"
#include "app/frmHaupt.h"
#include "support/NullPlatform.h"

#include <gtest/gtest.h>

namespace {

using namespace veltrano;
using app::frmHaupt;

TEST(ChangesPanelTest, UnsavedMarksThenTheCommandsNoteThenTheDatabase) {
    EXPECT_EQ(app::ChangesPanelText(2, "No further match", "s.dbf: 9 fields"),
              "2 changes not saved");
    EXPECT_EQ(app::ChangesPanelText(0, "3 cells replaced", "s.dbf: 9 fields"), "3 cells replaced");
    EXPECT_EQ(app::ChangesPanelText(0, "", "s.dbf: 9 fields"), "s.dbf: 9 fields");
    EXPECT_EQ(app::ChangesPanelText(0, "", ""), "");
}

TEST(ChangesPanelTest, SummaryNamesTheFileAndCountsFieldNodes) {
    controls::TreeView tree;
    EXPECT_EQ(app::DatabaseSummary(tree), "");
    const auto db = tree.Add(0, 4, "/home/chris/act/Sales Team.dbf", "Sales", "Datenbank");
    const auto fields = tree.Add(db, 4, "", "Fields", "Felder");
    tree.SetTag(fields, "Felder");
    for (const char* name : {"Company", "City"}) {
        tree.SetTag(tree.Add(fields, 4, "", name, "Feld"), "Feld");
    }
    EXPECT_EQ(app::DatabaseSummary(tree), "Sales Team.dbf: 2 fields");
}

TEST(WindowSettingsTest, DamagedValuesReadAsNeverSaved) {
    struct Case {
        const char* geometry;
        bool restored;
    };
    const Case cases[] = {
        {"10,20,900,600", true},   {"-1200,0,800,600", true}, // a screen left of the primary
        {"10,20,900", false},      {"10,20,900,600,5", false},   {"10,20,0,600", false},
        {"10,20,900,-600", false}, {"10, 20,900,600", false},    {"10,20,900,600,", false},
        {"a,b,c,d", false},        {"99999999999,0,1,1", false}, {"", false},
    };
    for (const Case& c : cases) {
        testsupport::ScriptedForms forms;
        forms.Settings().Save("Veltrano", "window", "geometry", c.geometry);
        EXPECT_EQ(app::LoadWindowGeometry(forms).has_value(), c.restored) << c.geometry;
    }
    testsupport::ScriptedForms forms;
    app::SaveWindowGeometry(forms, {-1200, 5, 800, 600, true});
    EXPECT_EQ(app::LoadWindowGeometry(forms), (app::WindowGeometry{-1200, 5, 800, 600, true}));
    forms.Settings().Save("Veltrano", "window", "treewidth", "0");
    EXPECT_FALSE(app::LoadTreeWidth(forms));
    app::SaveColumnWidths(forms, "Name16", {100, 0, 42});
    EXPECT_EQ(app::LoadColumnWidths(forms, "Name16"), (std::vector<int>{100, 0, 42}));
    forms.Settings().Save("Veltrano", "window", "columns.ID3", "100,-5,42");
    EXPECT_FALSE(app::LoadColumnWidths(forms, "ID3"));
    EXPECT_FALSE(forms.Settings().Get("Veltrano", "options", "geometry", "").size());
}

TEST(TreeWidthTest, TheListFollowsTheDividerWithinTheLeastPaneWidths) {
    testsupport::NullPlatform platform;
    frmHaupt form = platform.MainForm();
    form.ScaleWidth = 11595;
    struct Case {
        int asked;
        int width;
    };
    for (const Case c : {Case{5000, 5000}, Case{100, frmHaupt::kMinimumPaneWidth},
                         Case{20000, 11595 - 240 - 105 - frmHaupt::kMinimumPaneWidth}}) {
        form.SetTreeWidth(c.asked);
        EXPECT_EQ(form.tvACTRect.Width, c.width);
        EXPECT_EQ(form.lvACTRect.Left, 120 + c.width + frmHaupt::kDividerGap);
        // The list's right edge keeps its margin.
        EXPECT_EQ(form.lvACTRect.Left + form.lvACTRect.Width, form.ScaleWidth - 120);
    }
}

} // namespace
