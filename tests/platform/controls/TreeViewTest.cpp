#include "platform/controls/TreeView.h"
#include "ControlTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

} // namespace

TEST(TreeView, IndicesKeysAndErrors) {
    TreeView tree;
    const auto db = tree.Add(0, TreeView::tvwChild, "/data/x.dbf", "x", "Datenbank");
    const auto tables = tree.Add(db, TreeView::tvwChild, "", "Tables", "Tabellen");
    tree.Add(tables, TreeView::tvwChild, "Contact 25", "Company", "Feld");
    tree.Add(tables, TreeView::tvwChild, "", "unkeyed");
    EXPECT_EQ(tree.Find("contact 25"), 0); // keys match exactly; found ones: the scan tests
    EXPECT_EQ(ErrorOf([&] { tree.Add(db, TreeView::tvwChild, "Contact 25", "again"); }), 35602);
    EXPECT_EQ(tree.Count(), 4);
    for (TreeView::Index bad : {0, 5}) {
        EXPECT_EQ(ErrorOf([&] { tree.Text(bad); }), 35600) << bad;
    }
    EXPECT_EQ(ErrorOf([&] { tree.Add(9, TreeView::tvwChild, "", "x"); }), 35600);
    EXPECT_EQ(ErrorOf([&] { tree.Add(1, 5, "", "x"); }), 380);
    EXPECT_EQ(ErrorOf([&] { tree.ByKey("Group 25"); }), 35601);
}

// Rows, counts and siblings of placed nodes are re-read through the Qt tree model's tester.
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
    EXPECT_EQ(tree.ChildAt(0, 1), q);
    EXPECT_EQ(tree.Row(q), 1);
}

// Texts filling a chunk to its end, crossing into the next and longer than a chunk.
TEST(TreeView, TextsOfEveryLengthAreKeptInChunksWithLittleUnused) {
    TreeView tree;
    std::vector<std::string> texts;
    std::size_t bytes = 0;
    for (const std::size_t length : {4096, 4097, 65535, 65536, 70000, 1, 0, 3, 60000, 5000}) {
        for (int copy = 0; copy < 20; ++copy) {
            texts.push_back(std::string(length, static_cast<char>('a' + texts.size() % 26)));
            const std::string key = "k" + std::to_string(texts.size());
            tree.Add(0, TreeView::tvwLast, key, texts.back());
            bytes += length + key.size();
        }
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto node = tree.ByKey("k" + std::to_string(i + 1));
        ASSERT_EQ(tree.Text(node), texts[i]) << i;
    }
    // Unused: the ends of the two shared chunks, one node block, the key index.
    EXPECT_LE(tree.MemoryUsage(), bytes + 2 * 65536 + 1024 * 64 + 8192);
}

// More nodes than a 16-bit index holds, each with a text taken from the tree while it grows.
// Indices starting again at 1 after Clear: the frmHaupt tests.
TEST(TreeView, ABigTreeKeepsTextsTakenFromItselfAndClearResetsIt) {
    TreeView tree;
    const auto first = tree.Add(0, 0, "k0", "a text longer than any short-string buffer");
    for (int i = 1; i < 40000; ++i) {
        const auto n =
            tree.Add(first, TreeView::tvwChild, "k" + std::to_string(i), tree.Text(first));
        ASSERT_EQ(tree.Text(n), tree.Text(first));
    }
    EXPECT_EQ(tree.ByKey("k39999"), 40000);
    EXPECT_EQ(tree.ChildAt(first, 39998), 40000);
    tree.SetText(first, "short");
    tree.SetText(first, std::string(100, 'x'));
    tree.SetText(2, tree.Text(first).substr(10));
    EXPECT_EQ(tree.Text(2), std::string(90, 'x'));
    EXPECT_EQ(tree.Text(3), "a text longer than any short-string buffer");

    tree.SetSelected(7);
    const auto filled = tree.MemoryUsage();
    tree.Clear();
    EXPECT_EQ((std::vector{tree.Count(), tree.SelectedItem(), tree.Root(), tree.Find("k7")}),
              std::vector(4, 0));
    EXPECT_LT(tree.MemoryUsage(), filled / 10);
}

// One slot for the view, as in every control: a second listener is refused, not swapped in.
TEST(TreeView, ASecondListenerIsRefused) {
    TreeView tree;
    TreeView::Listener first;
    TreeView::Listener second;
    tree.SetListener(&first);
    EXPECT_EQ(ErrorOf([&] { tree.SetListener(&second); }), 380);
    tree.SetListener(&first); // the same one again is no replacement
    tree.SetListener(nullptr);
    tree.SetListener(&second);
}
