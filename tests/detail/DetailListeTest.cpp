// The detail list's layouts beyond their cells: columns, keys, sort and busy states, the history
// of node clicks, and the double click.

#include "DetailFixture.h"
#include "detail/NodeProperty.h"

namespace {

using namespace veltrano;
using namespace veltrano::testsupport;

TEST(NodePropertyTest, ValueIsEverythingAfterTheFirstSeparatorOfTheExactLabel) {
    TreeView tree;
    const Index field = tree.Add(0, TreeView::tvwLast, "Contact 25", "Company", "Feld");
    for (const char* text : {"InitialValue = a = b = c", "ExitTrigger = run.exe", "PopupList"}) {
        tree.Add(field, TreeView::tvwChild, {}, text, "Eigenschaft");
    }
    EXPECT_EQ(detail::GetNodeProperty(tree, field, "InitialValue"), "a = b = c");
    for (const char* absent : {"exittrigger", "PopupList", "Initial"}) {
        EXPECT_EQ(detail::GetNodeProperty(tree, field, absent), "") << absent;
    }
    EXPECT_EQ(detail::SecondWord("Contact"), "");
}

TEST(DetailListStates, EachLayoutSetsItsStatusBusyStateAndSort) {
    const struct {
        const char* path;
        Strings status;
        bool busy;
        bool sorted; // and full-row select
    } cases[] = {
        {"Tables/Contact/Fields", {"Reading field structures...", ""}, true, true},
        {"Tables/Contact", {"Reading table properties...", ""}, true, false},
        {"Users", {"Reading userlist...", ""}, true, false},
        // No busy state and no status text of its own, but it ends like the other layouts.
        {"Tables/Contact/Fields/City/PopupList", {""}, false, true},
    };
    for (const auto& c : cases) {
        DetailWindow w;
        w.List().SetSortKey(1);
        w.form.StatusPanel->SetText("before");
        w.statusTexts.clear();
        w.Click(c.path);
        const auto& list = w.List();
        EXPECT_EQ(w.statusTexts, c.status) << c.path;
        const auto pointers = c.busy ? std::vector<int>{forms::vbHourglass, forms::vbDefault}
                                     : std::vector<int>{forms::vbDefault};
        EXPECT_EQ(w.Forms().MousePointers(), pointers) << c.path;
        EXPECT_TRUE(w.Tree().Enabled() && list.Enabled() && w.form.Toolbar.Enabled());
        EXPECT_EQ(list.Sorted(), c.sorted) << c.path;
        EXPECT_EQ(list.FullRowSelect(), c.sorted) << c.path;
    }
}

TEST(DetailListStates, AFailureWhileFillingLeavesTheWindowReady) {
    DetailWindow w;
    struct FailingView final : ListView::Listener {
        void RowsInserted() override { throw controls::ControlError(7, "Out of memory"); }
    } view;
    w.List().SetListener(&view);
    w.Click("Tables/Contact/Fields");
    w.List().SetListener(nullptr);
    EXPECT_EQ(w.Forms().Messages().size(), 1u); // reported by the window's dispatch
    EXPECT_EQ(w.statusTexts, (Strings{"Reading field structures...", ""}));
    EXPECT_TRUE(w.Tree().Enabled() && w.List().Enabled() && w.form.Toolbar.Enabled());
}

class DetailListTest : public ::testing::Test {
protected:
    DetailWindow w;
    ListView& list = w.List();
};

TEST_F(DetailListTest, OtherNodesEmptyTheListAndTouchNothingElse) {
    for (const char* path : {"", "Tables", "Tables/Contact/Fields/Company",
                             "Tables/Contact/Fields/Company/Type = String", "Users/Chris",
                             "Tables/Contact/Fields/City/PopupList/Item 0"}) {
        w.Click("Tables/Contact/Fields");
        w.statusTexts.clear();
        const auto pointers = w.Forms().MousePointers().size();
        ASSERT_NE(w.At(path), 0) << path;
        w.Click(path);
        EXPECT_EQ(list.ColumnCount() + list.RowCount(), 0) << path;
        EXPECT_TRUE(list.Sorted()) << path;
        EXPECT_TRUE(w.statusTexts.empty()) << path;
        EXPECT_EQ(w.Forms().MousePointers().size(), pointers) << path;
    }
}

TEST_F(DetailListTest, NodeClicksRecordTheHistoryOnceAndBackAndForwardReturn) {
    w.form.OnNodeClick(); // no node selected: nothing
    EXPECT_EQ(w.form.History.Count(), 0);

    const Index contact = w.At("Tables/Contact");
    const Index users = w.At("Users");
    auto& toolbar = w.form.Toolbar;
    w.Click(contact);
    EXPECT_FALSE(toolbar.ByKey("Back").enabled);
    w.Click(users);
    EXPECT_TRUE(toolbar.ByKey("Back").enabled);
    EXPECT_FALSE(toolbar.ByKey("For").enabled);

    w.form.OnButtonClick("Back");
    EXPECT_EQ(w.Tree().SelectedItem(), contact);
    EXPECT_TRUE(w.Tree().Expanded(w.At("Tables"))); // made visible
    EXPECT_EQ(list.ColumnHeader(1).text, "Property");
    EXPECT_EQ(w.form.History.Count(), 2);
    EXPECT_FALSE(toolbar.ByKey("Back").enabled);
    EXPECT_TRUE(toolbar.ByKey("For").enabled);
    w.form.OnButtonClick("For");
    EXPECT_EQ(w.Tree().SelectedItem(), users);
    EXPECT_EQ(list.ColumnCount(), 5);
}

TEST_F(DetailListTest, DoubleClickOnAFieldsRowRevealsTheFieldsFirstPropertyNodeOnly) {
    struct ScrollRecorder final : TreeView::Listener {
        void ScrollToRequested(Index node) override { to.push_back(node); }
        std::vector<Index> to;
    } scrolled;
    w.Tree().SetListener(&scrolled);
    w.form.OnListDoubleClick(); // right after start: no node, no row
    w.Click("Tables/Contact/Fields");
    w.form.OnListDoubleClick(); // no row selected
    w.Click("Users");           // a row of another list
    list.SetSelectedItem(1);
    w.form.OnListDoubleClick();
    EXPECT_TRUE(scrolled.to.empty());

    const Index fields = w.At("Tables/Contact/Fields");
    w.Click(fields);
    list.SetSelectedItem(2); // "Company"
    w.form.OnListDoubleClick();
    w.Tree().SetListener(nullptr);
    EXPECT_EQ(scrolled.to,
              std::vector<Index>{w.Tree().Child(w.At("Tables/Contact/Fields/Company"))});
    for (const char* path : {"Tables/Contact/Fields/Company", "Tables/Contact/Fields",
                             "Tables/Contact", "Tables", ""}) {
        EXPECT_TRUE(w.Tree().Expanded(w.At(path))) << path;
    }
    EXPECT_FALSE(w.Tree().Expanded(w.At("Tables/Contact/Fields/City")));
    EXPECT_EQ(w.Tree().SelectedItem(), fields);
    EXPECT_EQ(list.SelectedItem(), 2);
    EXPECT_TRUE(w.Forms().Messages().empty());
}

} // namespace
