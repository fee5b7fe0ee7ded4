#include "DetailFixture.h"

#include "detail/NodeProperty.h"

#include <gtest/gtest.h>

namespace {

using namespace veltrano;
using namespace veltrano::testsupport;
using Strings = std::vector<std::string>;

TEST(NodePropertyTest, ValueIsEverythingAfterTheFirstSeparator) {
    TreeView tree;
    TreeBuilder b(tree);
    const Index field = b.Node(0, "Feld", "Company", "Contact 25");
    b.Property(field, "InitialValue", "a = b = c");
    b.Property(field, "ExitTrigger", "run.exe");
    b.Node(field, "PopupListe", "PopupList"); // no " = ": never a property

    EXPECT_EQ(detail::GetNodeProperty(tree, field, "InitialValue"), "a = b = c");
    EXPECT_EQ(detail::GetNodeProperty(tree, field, "ExitTrigger"), "run.exe");
    EXPECT_EQ(detail::GetNodeProperty(tree, field, "exittrigger"), "");
    EXPECT_EQ(detail::GetNodeProperty(tree, field, "PopupList"), "");
    EXPECT_EQ(detail::GetNodeProperty(tree, field, "Initial"), "");
    EXPECT_EQ(detail::GetNodeProperty(tree, tree.Child(field), "X"), ""); // no children

    EXPECT_EQ(detail::SecondWord("Contact 25"), "25");
    EXPECT_EQ(detail::SecondWord("nd 57 x"), "57");
    EXPECT_EQ(detail::SecondWord("Contact"), "");
}

class DetailListTest : public ::testing::Test {
protected:
    DetailWindow w;
    SampleTree t{w.Tree()};
    ListView& list = w.List();
};

TEST_F(DetailListTest, FieldsListShowsEveryFieldInSixteenColumns) {
    w.Click(t.contactFields);

    const Strings headers = {"Name",           "ID",
                             "Type",           "Length",
                             "Decimal Places", "Entry Rule",
                             "Entry Trigger",  "Exit Trigger",
                             "Initial Value",  "Is Block Sync",
                             "Is Cut History", "Is Indexed",
                             "Is Primary",     "Is Sortable",
                             "Has Popuplist",  "Popup Count"};
    ASSERT_EQ(list.ColumnCount(), 16);
    for (int c = 1; c <= 16; ++c) {
        const auto& column = list.ColumnHeader(c);
        EXPECT_EQ(column.text, headers[c - 1]);
        EXPECT_EQ(column.key, headers[c - 1]);
        const bool right = c == 2 || c == 4 || c == 5 || c == 16;
        EXPECT_EQ(column.alignment, right ? ListView::lvwColumnRight : ListView::lvwColumnLeft)
            << column.text;
        EXPECT_EQ(column.width, ListView::kAutoSizeUseHeader) << column.text;
    }
    // Sorted ascending by name, the list's initial sort state.
    ASSERT_EQ(list.RowCount(), 3);
    EXPECT_EQ(w.Row(1), (Strings{"City", "    9", "String", "   30", "    0", "Only drop-down list",
                                 "", "C:\\trig\\city.exe", "", "False", "False", "False", "False",
                                 "True", "True", "   12"}));
    EXPECT_EQ(w.Row(2),
              (Strings{"Company", "   25", "String", "   40", "    0", "No rules", "", "", "a = b",
                       "False", "False", "True", "False", "True", "False", "   -1"}));
    EXPECT_EQ(w.Row(3)[6], "phone.exe");
    EXPECT_EQ(list.Item(2).key, "nd " + std::to_string(w.Tree().Child(t.company)));
    EXPECT_TRUE(list.Sorted());
    EXPECT_TRUE(list.FullRowSelect());
}

TEST_F(DetailListTest, FieldsListShowsBusyAndItsStatusWhileFilling) {
    w.Forms().SetMousePointer(forms::vbDefault);
    w.Click(t.contactFields);
    EXPECT_EQ(w.status.texts, (Strings{"Reading field structures...", ""}));
    EXPECT_EQ(w.Forms().MousePointers(),
              (std::vector<int>{forms::vbDefault, forms::vbHourglass, forms::vbDefault}));
    EXPECT_TRUE(w.Tree().Enabled());
    EXPECT_TRUE(list.Enabled());
    EXPECT_EQ(w.Forms().DoEventsCount(), 3u); // SetReady twice and once after filling
}

TEST_F(DetailListTest, AFailureWhileFillingLeavesTheWindowReady) {
    struct FailingView final : ListView::Listener {
        void RowsInserted() override { throw controls::ControlError(7, "Out of memory"); }
    } view;
    list.SetListener(&view);
    w.Click(t.contactFields);
    list.SetListener(nullptr);

    EXPECT_EQ(w.Forms().Messages().size(), 1u); // reported by the window's dispatch
    EXPECT_EQ(w.status.texts, (Strings{"Reading field structures...", ""}));
    EXPECT_EQ(w.Forms().MousePointers(), (std::vector<int>{forms::vbHourglass, forms::vbDefault}));
    EXPECT_TRUE(w.Tree().Enabled());
    EXPECT_TRUE(list.Enabled());
    EXPECT_TRUE(w.form->Toolbar.Enabled());
}

TEST_F(DetailListTest, FieldsNodeWithoutFieldsShowsTheColumnsAndNoRows) {
    w.Click(t.contactFields);
    w.Click(t.groupFields);
    EXPECT_EQ(list.ColumnCount(), 16);
    EXPECT_EQ(list.RowCount(), 0);
}

TEST_F(DetailListTest, TablePropertiesListIsUnsortedAndUnpadded) {
    list.SetSortKey(1);
    w.Click(t.contact);
    ASSERT_EQ(list.ColumnCount(), 2);
    EXPECT_EQ(list.ColumnHeader(1).text, "Property");
    EXPECT_EQ(list.ColumnHeader(2).text, "Value");
    EXPECT_EQ(list.ColumnHeader(2).alignment, ListView::lvwColumnLeft);
    EXPECT_EQ(w.Column(0), (Strings{"Name", "Field Count", "Record Count"}));
    EXPECT_EQ(w.Column(1), (Strings{"Contact", "3", "1250"}));
    EXPECT_FALSE(list.Sorted());
    EXPECT_EQ(list.ColumnHeader(1).width, -1);
    EXPECT_EQ(list.Item(1).key, "");
    EXPECT_EQ(w.status.texts, (Strings{"Reading table properties...", ""}));
    EXPECT_EQ(w.Forms().MousePointers(), (std::vector<int>{forms::vbHourglass, forms::vbDefault}));

    w.Click(t.group); // empty name: no "Name" node, no row
    EXPECT_EQ(w.Column(0), (Strings{"Field Count", "Record Count"}));
}

TEST_F(DetailListTest, UsersListSkipsTheCountAndLeavesAbsentPropertiesEmpty) {
    w.Click(t.users);
    ASSERT_EQ(list.ColumnCount(), 5);
    EXPECT_EQ(list.RowCount(), 2);
    EXPECT_EQ(w.Row(1), (Strings{"Chris", "1", "2", "U-1", "secret"}));
    EXPECT_EQ(w.Row(2), (Strings{"Dana", "0", "3", "", ""}));
    EXPECT_FALSE(list.Sorted());
    EXPECT_EQ(w.status.texts, (Strings{"Reading userlist...", ""}));
    EXPECT_EQ(w.Forms().MousePointers(), (std::vector<int>{forms::vbHourglass, forms::vbDefault}));
}

TEST_F(DetailListTest, PopupListSortsPaddedPositionsByValueWithoutGoingBusy) {
    w.form->StatusPanel->SetText("before");
    w.status.texts.clear();
    w.Click(t.cityPopup);
    ASSERT_EQ(list.ColumnCount(), 3);
    EXPECT_EQ(list.ColumnHeader(1).text, "ID");
    EXPECT_EQ(list.ColumnHeader(1).alignment, ListView::lvwColumnLeft);
    ASSERT_EQ(list.RowCount(), 12);
    EXPECT_EQ(w.Row(1), (Strings{"    0", "Town 0", "r"}));
    EXPECT_EQ(w.Row(4), (Strings{"    3", "Town 3", ""}));
    EXPECT_EQ(w.Row(11), (Strings{"   10", "Town 10", "r"}));
    EXPECT_TRUE(list.Sorted());
    EXPECT_TRUE(list.FullRowSelect());
    // No busy state and no status text of its own, but it ends like the other layouts.
    EXPECT_EQ(w.status.texts, (Strings{""}));
    EXPECT_EQ(w.Forms().MousePointers(), (std::vector<int>{forms::vbDefault}));
}

TEST_F(DetailListTest, PopupListWithoutEntriesHasTheColumnsAndNoRows) {
    TreeBuilder b(w.Tree());
    const Index empty = b.Node(t.phone, "PopupListe", "PopupList");
    w.Click(empty);
    EXPECT_EQ(list.ColumnCount(), 3);
    EXPECT_EQ(list.RowCount(), 0);
}

TEST_F(DetailListTest, OtherNodesEmptyTheListAndTouchNothingElse) {
    const Index tablesNode = w.Tree().Child(t.database);
    for (const Index node : {t.database, tablesNode, t.company, w.Tree().Child(t.company),
                             w.Tree().Child(t.users), w.Tree().Child(t.cityPopup)}) {
        w.Click(t.contactFields);
        w.form->StatusPanel->SetText("kept");
        w.status.texts.clear();
        const auto pointers = w.Forms().MousePointers().size();

        w.Click(node);
        EXPECT_EQ(list.ColumnCount(), 0) << node;
        EXPECT_EQ(list.RowCount(), 0) << node;
        EXPECT_TRUE(list.Sorted()) << node;
        EXPECT_TRUE(w.status.texts.empty()) << node;
        EXPECT_EQ(w.form->StatusPanel->Text(), "kept");
        EXPECT_EQ(w.Forms().MousePointers().size(), pointers) << node;
    }
}

TEST_F(DetailListTest, NodeClicksRecordTheHistoryOnceAndBackReturns) {
    w.Click(t.contact);
    w.Click(t.contact);
    EXPECT_EQ(w.form->History.Count(), 1);
    EXPECT_FALSE(w.form->Toolbar.ByKey("Back").enabled);

    w.Click(t.users);
    EXPECT_EQ(w.form->History.Count(), 2);
    EXPECT_TRUE(w.form->Toolbar.ByKey("Back").enabled);
    EXPECT_FALSE(w.form->Toolbar.ByKey("For").enabled);

    w.form->OnButtonClick("Back");
    EXPECT_EQ(w.Tree().SelectedItem(), t.contact);
    EXPECT_EQ(list.ColumnHeader(1).text, "Property");
    EXPECT_EQ(w.form->History.Count(), 2);
    EXPECT_FALSE(w.form->Toolbar.ByKey("Back").enabled);
    EXPECT_TRUE(w.form->Toolbar.ByKey("For").enabled);

    w.form->OnButtonClick("For");
    EXPECT_EQ(w.Tree().SelectedItem(), t.users);
    EXPECT_EQ(list.ColumnCount(), 5);
}

TEST_F(DetailListTest, NoSelectedNodeDoesNothing) {
    w.form->OnNodeClick();
    EXPECT_EQ(w.form->History.Count(), 0);
    EXPECT_EQ(list.ColumnCount(), 0);
}

TEST_F(DetailListTest, DoubleClickRevealsTheFieldsFirstPropertyNode) {
    std::vector<Index> scrolledTo;
    struct ScrollRecorder final : TreeView::Listener {
        explicit ScrollRecorder(std::vector<Index>& to) : to(to) {}
        void ScrollToRequested(Index node) override { to.push_back(node); }
        std::vector<Index>& to;
    } recorder(scrolledTo);
    w.Tree().SetListener(&recorder);

    w.Click(t.contactFields);
    list.SetSelectedItem(2); // "Company"
    const auto before = detail::ListViewToText(list);
    w.form->OnListDoubleClick();

    const Index firstProperty = w.Tree().Child(t.company);
    EXPECT_EQ(scrolledTo, std::vector<Index>{firstProperty});
    for (const Index n :
         {t.company, t.contactFields, t.contact, w.Tree().Child(t.database), t.database}) {
        EXPECT_TRUE(w.Tree().Expanded(n)) << n;
    }
    EXPECT_FALSE(w.Tree().Expanded(t.city));
    EXPECT_EQ(w.Tree().SelectedItem(), t.contactFields);
    EXPECT_EQ(detail::ListViewToText(list), before);
    EXPECT_EQ(list.SelectedItem(), 2);
    w.Tree().SetListener(nullptr);
}

TEST_F(DetailListTest, DoubleClickElsewhereDoesNothing) {
    w.form->OnListDoubleClick(); // right after start: no node, no row
    w.Click(t.contactFields);
    w.form->OnListDoubleClick(); // no row selected
    w.Click(t.contact);
    list.SetSelectedItem(1);
    w.form->OnListDoubleClick(); // table properties list
    w.Click(t.users);
    list.SetSelectedItem(1);
    w.form->OnListDoubleClick(); // users list
    for (Index n = 1; n <= w.Tree().Count(); ++n) {
        EXPECT_FALSE(w.Tree().Expanded(n)) << n;
    }
}

} // namespace
