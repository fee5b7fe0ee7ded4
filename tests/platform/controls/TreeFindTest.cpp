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
    const struct {
        const char* text;
        TreeView::Index from;
        FindDirection direction;
        bool includeFrom;
        TreeView::Index expected;
    } cases[] = {
        {"CO", 3, F, true, 3},     // the node itself answers while typing
        {"c", 3, F, false, 7},     // Chris comes before Company
        {"co", 4, B, false, 3},    // backwards past Chris
        {"users", 1, B, false, 6}, // before the first: round to the last
        {"us", 6, F, false, 6},    // the only match, again after a round
        {"zebra", 3, F, false, 0}, {"", 3, F, true, 0},
        {"group", 99, F, true, 5}, // an unknown start is the tree's start
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindNodeContaining(tree, c.text, c.from, c.direction, c.includeFrom), c.expected)
            << c.text << " from " << c.from;
    }
    EXPECT_FALSE(ContainsIgnoringCase("aab", "abb"));           // a restart after a partial match
    EXPECT_FALSE(ContainsIgnoringCase("\xc3\xa4", "\xc3\x84")); // beyond ASCII as it is
}

} // namespace
