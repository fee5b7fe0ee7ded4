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

// Repeated clicks on one node and the Back and Forward buttons' states are checked by the detail
// list's history test.
TEST(clHistoryPuffer, MovesWithinItsEntriesAndAddsBehindTheNewest) {
    clHistoryPuffer h = With({1, 2, 3});
    for (int i = 0; i < 3; ++i) {
        h.Backward();
    }
    EXPECT_EQ(h.Value(), 1);
    h.Add(1); // the current value: nothing changes
    h.Add(4); // behind the newest, not in place of what followed
    h.Forward();
    EXPECT_EQ(Used(h), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(h.Value(), 4);
}

TEST(clHistoryPuffer, FullBufferDropsTheOldestAndClearForgetsTheFirstEntry) {
    clHistoryPuffer h = With({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    h.Backward();
    h.Add(12);
    EXPECT_EQ(Used(h), (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(h.CurrentPosition(), 9);
    h.Clear();
    h.Add(3); // the old first entry no longer counts as the current value
    EXPECT_EQ(Used(h), (std::vector<int>{3}));
}
