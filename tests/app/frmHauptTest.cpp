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
        commands.SurveyDatabase = [this](frmHaupt&) { ran.push_back("SurveyDatabase"); };
        commands.NodeClick = [this](frmHaupt&) { ran.push_back("NodeClick"); };
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
    clickAll(); // no list shown yet
    const auto db = Node(0, "x", "Datenbank");
    const auto fields = Node(db, "Fields", "Felder");
    form->SetListSource(db);
    form->tvACT.SetSelected(fields);
    clickAll(); // the list shown decides, not the tree's selection
    EXPECT_TRUE(ran.empty());

    form->SetListSource(fields);
    form->tvACT.SetSelected(db);
    clickAll();
    EXPECT_EQ(ran, (std::vector<std::string>{"Search", "Replace", "Save"}));

    ran.clear();
    form->tvACT.Clear(); // a new survey: the same index names a node of another tree
    ASSERT_EQ(Node(Node(0, "x", "Datenbank"), "Fields", "Felder"), fields);
    clickAll();
    EXPECT_TRUE(ran.empty());
}

// The panel texts are checked by the Search again test.
TEST_F(frmHauptTest, UnsavedMarksAskBeforeANodeClickASurveyAndClosing) {
    const auto db = Node(0, "x", "Datenbank");
    const auto fields = Node(db, "Fields", "Felder");
    form->SetListSource(fields);
    for (int c = 0; c < 8; ++c) {
        form->lvACT.ColumnHeadersAdd("", "");
    }
    form->lvACT.ListItemsAdd("", "Company");
    form->lvACT.SetSubItemBold(1, 6, true);
    form->lvACT.SetSubItemBold(1, 7, true);
    for (const int answer : {forms::vbNo, forms::vbYes}) {
        form->tvACT.SetSelected(db);
        platform.forms.QueueMsgBoxResult(answer);
        form->OnNodeClick();
        // On No the tree goes back to the node the marked list belongs to.
        EXPECT_EQ(form->tvACT.SelectedItem(), answer == forms::vbYes ? db : fields);
        platform.forms.QueueMsgBoxResult(answer);
        form->OnButtonClick("SurveyDatabase");
        platform.forms.QueueMsgBoxResult(answer);
        EXPECT_EQ(form->QueryUnload(), answer == forms::vbYes);
    }
    EXPECT_EQ(ran, (std::vector<std::string>{"NodeClick", "SurveyDatabase"}));
    const testsupport::MessageCall question{
        "2 changes have not been saved. Discard them?",
        forms::vbYesNo | forms::vbQuestion | forms::vbDefaultButton2, ""};
    EXPECT_EQ(platform.forms.Messages(), std::vector<testsupport::MessageCall>(6, question));
}

// The margins and the pixel placements are checked by both windows' layout tests.
TEST_F(frmHauptTest, AMinimisedWindowIsLeftAsItIsAndASmallOneGrows) {
    form->State = app::WindowState::Minimized;
    form->Width = form->Height = 0;
    form->OnResize();
    EXPECT_EQ(form->Width, 0);
    form->State = app::WindowState::Normal;
    form->OnResize();
    EXPECT_EQ(form->Width, frmHaupt::kMinimumOuterSize);
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
