#include "history/clHistoryPuffer.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

using veltrano::history::clHistoryPuffer;

namespace {

clHistoryPuffer With(std::initializer_list<int> values) {
    clHistoryPuffer h;
    for (int v : values) {
        h.Add(v);
    }
    return h;
}

std::vector<int> Used(const clHistoryPuffer& h) {
    std::vector<int> values;
    for (int i = 0; i < h.Count(); ++i) {
        values.push_back(h.Slot(i));
    }
    return values;
}

} // namespace

// Repeated clicks on one node and the Back and Forward buttons are checked by the detail list.
TEST(clHistoryPuffer, MovesWithinItsEntriesOnly) {
    clHistoryPuffer h = With({1, 2, 3});
    for (int i = 0; i < 3; ++i) {
        h.Backward();
    }
    EXPECT_EQ(h.Value(), 1);
    EXPECT_TRUE(h.BOH() && !h.BackwardIsPossible());
    for (int i = 0; i < 3; ++i) {
        h.Forward();
    }
    EXPECT_EQ(h.Value(), 3);
    EXPECT_TRUE(h.EOH() && !h.ForwardIsPossible());
}

TEST(clHistoryPuffer, AddingTheCurrentValueChangesNothingAnyOtherGoesBehindTheNewest) {
    clHistoryPuffer h = With({7, 7, 8, 7});
    // Re-selecting the node reached by Back records nothing.
    h.Backward();
    h.Add(8);
    EXPECT_EQ(h.CurrentPosition(), 1);
    h.Add(4); // appended behind the newest, not in place of what followed
    EXPECT_EQ(Used(h), (std::vector<int>{7, 8, 7, 4}));
    EXPECT_EQ(h.CurrentPosition(), 3);
}

TEST(clHistoryPuffer, FullBufferDropsTheOldestAndClearForgetsTheFirstEntry) {
    clHistoryPuffer h = With({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    EXPECT_EQ(Used(h), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    h.Backward();
    h.Backward();
    h.Add(12);
    EXPECT_EQ(Used(h), (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(h.CurrentPosition(), 9);
    h.Clear();
    EXPECT_EQ(h.Count(), 0);
    EXPECT_EQ(h.Value(), 0);
    h.Add(3); // the old first entry no longer counts as the current value
    EXPECT_EQ(Used(h), (std::vector<int>{3}));
}
