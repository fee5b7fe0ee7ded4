#include "platform/controls/TreeFind.h"

#include <gtest/gtest.h>

namespace {

using namespace veltrano::controls;

TEST(TreeFindTest, WalksInDisplayOrderBothWaysAndWraps) {
    // Display order 1 Sample, 2 Tables, 3 Contact, 7 Chris, 4 Company, 5 Group, 6 Users:
    // Chris was added last, before Company.
    TreeView tree;
    tree.Add(0, TreeView::tvwChild, "db", "Sample", {});
    tree.Add(1, TreeView::tvwChild, {}, "Tables", {});
    tree.Add(2, TreeView::tvwChild, {}, "Contact", {});
    tree.Add(3, TreeView::tvwChild, {}, "Company = ACME", {});
    tree.Add(2, TreeView::tvwChild, {}, "Group", {});
    tree.Add(1, TreeView::tvwChild, {}, "Users", {});
    tree.Add(4, TreeView::tvwPrevious, {}, "Chris", {});
    constexpr auto F = FindDirection::Forward;
    constexpr auto B = FindDirection::Backward;
    EXPECT_EQ(FindNodeContaining(tree, "c", 3, F, false), 7);  // Chris, added last, before Company
    EXPECT_EQ(FindNodeContaining(tree, "co", 4, B, false), 3); // backwards past Chris
    EXPECT_EQ(FindNodeContaining(tree, "users", 1, B, false), 6); // before the first: the last
    EXPECT_EQ(FindNodeContaining(tree, "group", 99, F, true), 5); // unknown start: the tree's start
}

} // namespace
