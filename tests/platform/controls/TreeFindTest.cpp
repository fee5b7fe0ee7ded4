#include "platform/controls/TreeFind.h"

#include <gtest/gtest.h>

namespace {

using namespace veltrano::controls;
using Index = TreeView::Index;

// Display order: 1 db, 2 Tables, 3 Contact, 4 Company, 5 Group, 6 Users, 7 Chris (added last
// under Tables' first child so that index order and display order differ).
class TreeFindTest : public ::testing::Test {
protected:
    TreeFindTest() {
        tree.Add(0, TreeView::tvwChild, "db", "Sample", {});
        tree.Add(1, TreeView::tvwChild, {}, "Tables", {});
        tree.Add(2, TreeView::tvwChild, {}, "Contact", {});
        tree.Add(3, TreeView::tvwChild, {}, "Company = ACME", {});
        tree.Add(2, TreeView::tvwChild, {}, "Group", {});
        tree.Add(1, TreeView::tvwChild, {}, "Users", {});
        tree.Add(3, TreeView::tvwFirst, {}, "Chris", {}); // 7: before Company, under Contact
    }
    TreeView tree;
};

TEST_F(TreeFindTest, WalksInDisplayOrderBothWaysAndWraps) {
    struct Case {
        const char* text;
        Index from;
        FindDirection direction;
        bool includeFrom;
        Index expected;
    };
    constexpr auto F = FindDirection::Forward;
    constexpr auto B = FindDirection::Backward;
    const Case cases[] = {
        {"co", 0, F, false, 3},     // Contact, from the start
        {"CO", 3, F, true, 3},      // case ignored; the node itself answers while typing
        {"co", 3, F, false, 4},     // past Chris, which holds no "co", to Company
        {"acme", 0, F, false, 4},   // the value of a property node
        {"co", 4, B, false, 3},     // backwards skips Chris
        {"us", 6, F, false, 6},     // the only match, found again after wrapping
        {"sample", 6, F, false, 1}, // past the end: round to the first node
        {"users", 1, B, false, 6},  // before the first: round to the last
        {"zebra", 3, F, false, 0},  // no match anywhere
        {"", 3, F, true, 0},        // nothing to find
        {"group", 99, F, true, 5},  // an unknown start is the start of the tree
    };
    for (const Case& c : cases) {
        const Index found = FindNodeContaining(tree, c.text, c.from, c.direction, c.includeFrom);
        EXPECT_EQ(found, c.expected) << c.text << " from " << c.from;
    }
}

TEST(ContainsIgnoringCaseTest, FoldsAsciiOnly) {
    EXPECT_TRUE(ContainsIgnoringCase("EntryTrigger = C:\\A.EXE", "c:\\a.exe"));
    EXPECT_TRUE(ContainsIgnoringCase("abc", ""));
    EXPECT_FALSE(ContainsIgnoringCase("ab", "abc"));
    EXPECT_FALSE(ContainsIgnoringCase("aab", "abb"));           // a restart after a partial match
    EXPECT_FALSE(ContainsIgnoringCase("\xc3\xa4", "\xc3\x84")); // beyond ASCII as it is
}

} // namespace
