#include "app/frmHaupt.h"
#include "support/NullPlatform.h"
#include "support/ScriptedForms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace veltrano;
using app::frmHaupt;

class frmHauptTest : public ::testing::Test {
protected:
    frmHauptTest() {
        commands.Search = [this](frmHaupt&) { ran.push_back("Search"); };
        commands.Replace = [this](frmHaupt&) { ran.push_back("Replace"); };
        commands.Save = [this](frmHaupt&) { ran.push_back("Save"); };
        commands.NodeClick = [this](frmHaupt& f) {
            ran.push_back("NodeClick " + std::to_string(f.tvACT.SelectedItem()));
            f.SetListSource(f.tvACT.SelectedItem());
        };
        commands.SurveyDatabase = [this](frmHaupt&) { ran.push_back("SurveyDatabase"); };
        form = std::make_unique<frmHaupt>(platform.Get(), commands);
        form->Load();
    }

    // A child of parent (0: a root) whose tag names its kind, as the survey tags it.
    controls::TreeView::Index Node(controls::TreeView::Index parent, const char* text,
                                   const char* tag) {
        const auto node = form->tvACT.Add(parent, 4, parent ? "" : "x.dbf", text, tag);
        form->tvACT.SetTag(node, tag);
        return node;
    }

    testsupport::NullPlatform platform;
    app::Commands commands;
    std::unique_ptr<frmHaupt> form;
    std::vector<std::string> ran;
};

TEST_F(frmHauptTest, EditCommandsRunOnlyOnTheFieldsListShown) {
    form->Load(); // a second load replaces the buttons instead of adding more
    EXPECT_EQ(form->Toolbar.Count(), 8);
    const auto clickAll = [&] {
        for (const char* key : {"Search", "Replace", "Save", "Unknown"}) {
            form->OnButtonClick(key);
        }
    };
    clickAll(); // empty tree
    const auto db = Node(0, "x", "Datenbank");
    const auto fields = Node(db, "Fields", "Felder");
    clickAll(); // nothing selected
    form->tvACT.SetSelected(db);
    clickAll(); // not a Felder node
    form->tvACT.SetSelected(fields);
    clickAll(); // selected, but its list was never built
    EXPECT_TRUE(ran.empty());

    form->SetListSource(fields);
    form->tvACT.SetSelected(db); // the tree moved on; the list shown is still the Fields list
    clickAll();
    EXPECT_EQ(ran, (std::vector<std::string>{"Search", "Replace", "Save"}));

    ran.clear();
    form->tvACT.Clear(); // a new survey: the same index names a node of another tree
    ASSERT_EQ(Node(Node(0, "x", "Datenbank"), "Fields", "Felder"), fields);
    clickAll();
    EXPECT_TRUE(ran.empty());
}

// The panel texts are checked by the Search again test, the box's answers by the Qt window's.
TEST_F(frmHauptTest, UnsavedMarksAreDroppedOnlyWhenTheUserAgrees) {
    const auto db = Node(0, "x", "Datenbank");
    const auto fields = Node(db, "Fields", "Felder");
    const auto table = Node(db, "Contact", "Tabelle");
    form->tvACT.SetSelected(fields);
    form->OnNodeClick();
    for (int c = 0; c < 8; ++c) {
        form->lvACT.ColumnHeadersAdd("", "");
    }
    form->lvACT.ListItemsAdd("", "Company");
    form->lvACT.SetSubItemBold(1, 6, true);
    form->lvACT.SetSubItemBold(1, 7, true);
    ran.clear();

    // No: the tree goes back to the list's node, and no command runs.
    const testsupport::MessageCall question{
        "2 changes have not been saved. Discard them?",
        forms::vbYesNo | forms::vbQuestion | forms::vbDefaultButton2, ""};
    form->tvACT.SetSelected(table);
    platform.forms.QueueMsgBoxResult(forms::vbNo);
    form->OnNodeClick();
    EXPECT_EQ(form->tvACT.SelectedItem(), fields);
    platform.forms.QueueMsgBoxResult(forms::vbNo);
    form->OnButtonClick("SurveyDatabase");
    platform.forms.QueueMsgBoxResult(forms::vbNo);
    EXPECT_FALSE(form->QueryUnload());
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(platform.forms.Messages(), std::vector<testsupport::MessageCall>(3, question));

    // Yes: the command goes on, and its new list has no marks to ask about.
    form->tvACT.SetSelected(table);
    platform.forms.QueueMsgBoxResult(forms::vbYes);
    form->OnNodeClick();
    EXPECT_EQ(ran, std::vector<std::string>{"NodeClick " + std::to_string(table)});
    EXPECT_TRUE(form->QueryUnload());
    EXPECT_EQ(platform.forms.Messages().size(), 4u);
}

// The report's layout is checked by the Survey Database and Save tests.
TEST_F(frmHauptTest, AFailingCommandIsReportedAndTheWindowLivesOn) {
    // Not even something that is no exception class ends the program.
    form->Handlers().Info = [](frmHaupt&) { throw 42; };
    form->OnButtonClick("Info");
    EXPECT_EQ(
        platform.forms.Messages(),
        (std::vector<testsupport::MessageCall>{
            {"Fehlernummer: 51\r\nFehlerbeschreibung: Internal error", forms::vbExclamation, ""}}));
}

} // namespace
