#include "platform/controls/TreeView.h"
#include "ControlTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using veltrano::controls::ControlError;
using veltrano::controls::TreeView;

namespace {

std::string TextsOf(const TreeView& tree, TreeView::Index parent) {
    std::string texts;
    for (std::int32_t row = 0; TreeView::Index n = tree.ChildAt(parent, row); ++row) {
        EXPECT_EQ(tree.Row(n), row);
        texts += std::string(tree.Text(n)) + " ";
    }
    return texts;
}

struct Recorder : TreeView::Listener {
    const TreeView* tree = nullptr;
    std::string log;
    void TreeAboutToClear() override { Note(log, "aboutToClear", tree->Count()); }
    void TreeCleared() override { Note(log, "cleared", tree->Count()); }
    void NodeAboutToBeAdded(TreeView::Index parent, std::int32_t row) override {
        Note(log, "aboutToAdd", parent, row, tree->Count());
    }
    void NodeAdded(TreeView::Index node) override { Note(log, "added", node); }
    void NodeChanged(TreeView::Index node) override { Note(log, "changed", node); }
    void SelectionChanged(TreeView::Index node) override { Note(log, "sel", node); }
    void ExpandedChanged(TreeView::Index node, bool on) override { Note(log, "exp", node, on); }
    void ScrollToRequested(TreeView::Index node) override { Note(log, "scroll", node); }
};

} // namespace

TEST(TreeView, IndicesKeysAndErrors) {
    TreeView tree;
    const auto db = tree.Add(0, TreeView::tvwChild, "/data/x.dbf", "x", "Datenbank");
    const auto tables = tree.Add(db, TreeView::tvwChild, "", "Tables", "Tabellen");
    const auto field = tree.Add(tables, TreeView::tvwChild, "Contact 25", "Company", "Feld");
    tree.Add(tables, TreeView::tvwChild, "", "unkeyed");
    EXPECT_EQ(field, 3);
    EXPECT_EQ(tree.ByKey("Contact 25"), field);
    EXPECT_EQ(tree.Find("contact 25"), 0);
    EXPECT_EQ(tree.Parent(field), tables);

    try {
        tree.Add(db, TreeView::tvwChild, "Contact 25", "again");
        FAIL() << "duplicate key accepted";
    } catch (const ControlError& e) {
        EXPECT_EQ(e.Number(), 35602);
        EXPECT_EQ(e.Description(), "Key is not unique in collection");
    }
    EXPECT_EQ(tree.Count(), 4);
    for (TreeView::Index bad : {0, 5}) {
        EXPECT_EQ(ErrorOf([&] { tree.Text(bad); }), 35600) << bad;
    }
    EXPECT_EQ(ErrorOf([&] { tree.Add(9, TreeView::tvwChild, "", "x"); }), 35600);
    EXPECT_EQ(ErrorOf([&] { tree.Add(1, 5, "", "x"); }), 380);
    EXPECT_EQ(ErrorOf([&] { tree.ByKey("Group 25"); }), 35601);
}

TEST(TreeView, SiblingPlacementKeepsRowsAndChildAtRight) {
    TreeView tree;
    const auto p = tree.Add(0, 0, "", "P");
    const auto b = tree.Add(p, TreeView::tvwChild, "", "b");
    const auto d = tree.Add(b, TreeView::tvwLast, "", "d");
    const auto a = tree.Add(d, TreeView::tvwFirst, "", "a");
    const auto c = tree.Add(b, TreeView::tvwNext, "", "c");
    const auto e = tree.Add(d, TreeView::tvwNext, "", "e");
    tree.Add(a, TreeView::tvwPrevious, "", "0");
    EXPECT_EQ(TextsOf(tree, p), "0 a b c d e ");
    EXPECT_EQ(tree.Children(p), 6);
    EXPECT_EQ(tree.FirstSibling(c), 7);
    EXPECT_EQ(tree.LastSibling(a), e);
    EXPECT_EQ(tree.Previous(c), b);
    EXPECT_EQ((std::vector{tree.Next(e), tree.ChildAt(p, 6), tree.ChildAt(p, -1)}),
              std::vector(3, 0));
    // Out-of-order access after the cursor has moved, also through another parent.
    EXPECT_EQ(tree.ChildAt(p, 4), d);
    EXPECT_EQ(tree.ChildAt(p, 1), a);
    EXPECT_EQ(tree.ChildAt(0, 0), p);
    EXPECT_EQ(tree.ChildAt(p, 4), d);
    tree.Add(a, TreeView::tvwNext, "", "a2"); // rows behind a move on
    EXPECT_EQ(TextsOf(tree, p), "0 a a2 b c d e ");
    EXPECT_EQ(tree.ChildAt(p, 4), c);
    const auto q = tree.Add(p, TreeView::tvwNext, "", "Q");
    EXPECT_EQ(tree.RootCount(), 2);
    EXPECT_EQ(tree.ChildAt(0, 1), q);
    EXPECT_EQ(tree.Row(q), 1);
}

TEST(TreeView, TextsTakenFromTheTreeSurviveItsGrowth) {
    TreeView tree;
    const auto first = tree.Add(0, 0, "k0", "a text longer than any short-string buffer");
    for (int i = 1; i < 2000; ++i) {
        const auto n = tree.Add(first, TreeView::tvwChild, "", tree.Text(first));
        ASSERT_EQ(tree.Text(n), tree.Text(first));
    }
    tree.SetText(first, "short");
    tree.SetText(first, std::string(100, 'x'));
    tree.SetText(2, tree.Text(first).substr(10));
    EXPECT_EQ(tree.Text(2), std::string(90, 'x'));
    EXPECT_EQ(tree.Text(3), "a text longer than any short-string buffer");
}

// More nodes than a 16-bit index holds.
TEST(TreeView, ClearResetsABigTree) {
    TreeView tree;
    for (int i = 0; i < 40000; ++i) {
        tree.Add(0, 0, "key " + std::to_string(i), "node");
    }
    EXPECT_EQ(tree.ByKey("key 39999"), 40000);
    EXPECT_EQ(tree.ChildAt(0, 39999), 40000);
    tree.SetSelected(7);
    const auto filled = tree.MemoryUsage();
    tree.Clear();
    EXPECT_EQ((std::vector{tree.Count(), tree.SelectedItem(), tree.Root(), tree.Find("key 7")}),
              std::vector(4, 0));
    EXPECT_LT(tree.MemoryUsage(), filled / 10);
    EXPECT_EQ(tree.Add(0, 0, "key 7", "again"), 1);
    EXPECT_EQ(tree.ChildAt(0, 0), 1);
}

TEST(TreeView, ListenerHearsEveryChangeInBrackets) {
    TreeView tree;
    Recorder rec;
    rec.tree = &tree;
    tree.SetListener(&rec);
    Recorder second;
    EXPECT_EQ(ErrorOf([&] { tree.SetListener(&second); }), 380); // the first keeps hearing
    tree.SetListener(&rec);
    tree.Add(0, 0, "", "root");
    tree.Add(1, TreeView::tvwChild, "", "a");
    tree.Add(2, TreeView::tvwChild, "", "leaf");
    tree.Add(2, TreeView::tvwFirst, "", "before a");
    tree.SetText(3, "leaf");
    tree.SetText(3, "Leaf");
    tree.SetTag(3, "Feld");
    tree.SetSelected(3);
    tree.SetSelected(3);
    tree.EnsureVisible(3);
    tree.Clear();
    EXPECT_EQ(rec.log, "aboutToAdd(0,0,0) added(1) aboutToAdd(1,0,1) added(2) "
                       "aboutToAdd(2,0,2) added(3) aboutToAdd(1,0,3) added(4) "
                       "changed(3) changed(3) sel(3) exp(1,1) exp(2,1) scroll(3) "
                       "aboutToClear(4) cleared(0) ");
    EXPECT_EQ(ErrorOf([&] { tree.EnsureVisible(1); }), 35600);
}
