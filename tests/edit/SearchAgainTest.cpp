// F3 (Search again without the prompt) and what Search and Replace leave in the second panel.

#include "app/frmHaupt.h"
#include "support/NullPlatform.h"

#include <gtest/gtest.h>

namespace {

using namespace veltrano;

TEST(SearchAgainTest, RepeatsTheLastTextAndNotesTheEnd) {
    testsupport::NullPlatform platform;
    app::frmHaupt form = platform.MainForm();
    form.Load();
    auto& tree = form.tvACT;
    const auto db = tree.Add(0, 4, "/data/x.dbf", "x", "Datenbank");
    const auto fields = tree.Add(db, 4, "", "Fields", "Felder");
    tree.SetTag(fields, "Felder");
    tree.SetTag(tree.Add(fields, 4, "Contact 1", "Company", "Feld"), "Feld");
    tree.SetSelected(fields);
    form.SetListSource(fields);
    for (int c = 0; c < 16; ++c) {
        form.lvACT.ColumnHeadersAdd({}, "C" + std::to_string(c));
    }
    for (const char* entry : {"c:\\a.exe", "", "C:\\A.EXE", "c:\\a.exe /q"}) {
        form.lvACT.SetSubItemText(form.lvACT.ListItemsAdd({}, "f"), 6, entry);
    }
    const auto panel = [&] { return form.StatusBar.Panels("Changes").Text(); };
    auto& forms = platform.forms;

    forms.QueueInput("a.exe"); // nothing remembered yet: F3 asks as Search does
    form.OnSearchAgain();
    EXPECT_EQ(form.lvACT.SelectedItem(), 1);
    EXPECT_EQ(panel(), "x.dbf: 1 fields");
    form.OnSearchAgain(); // case-sensitive, as Search: row 3 does not match
    EXPECT_EQ(form.lvACT.SelectedItem(), 4);
    EXPECT_EQ(forms.Inputs().size(), 1u);
    form.OnSearchAgain();
    EXPECT_EQ(form.lvACT.SelectedItem(), 4);
    EXPECT_EQ(panel(), "No further match");

    forms.QueueInput("a.exe");
    forms.QueueInput("b.exe");
    form.OnButtonClick("Replace");
    EXPECT_EQ(panel(), "2 changes not saved"); // the marks win over "2 cells replaced"
    forms.QueueInput("zzz");
    forms.QueueInput("y");
    form.OnButtonClick("Replace"); // clears the marks of the cells it examined
    EXPECT_EQ(panel(), "0 cells replaced");
    form.OnButtonClick("CopyTable"); // any later command ends the note
    EXPECT_EQ(panel(), "x.dbf: 1 fields");
    EXPECT_EQ(forms.PendingAnswers(), 0u);
}

} // namespace
