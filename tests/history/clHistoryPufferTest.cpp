#include "history/clHistoryPuffer.h"

#include <gtest/gtest.h>

#include <vector>

using veltrano::history::clHistoryPuffer;

namespace {

std::vector<int> Used(const clHistoryPuffer& h) {
    std::vector<int> values;
    for (int i = 0; i < h.Count(); ++i) {
        values.push_back(h.Slot(i));
    }
    return values;
}

} // namespace

TEST(clHistoryPuffer, NewAndSingleEntryAllowNoMovement) {
    clHistoryPuffer h;
    EXPECT_TRUE(h.BOH() && h.EOH());
    EXPECT_FALSE(h.BackwardIsPossible() || h.ForwardIsPossible());
    EXPECT_EQ(h.Value(), 0);
    h.Add(5);
    EXPECT_EQ(h.Count(), 1);
    EXPECT_EQ(h.Value(), 5);
    EXPECT_FALSE(h.BackwardIsPossible() || h.ForwardIsPossible());
}

TEST(clHistoryPuffer, MovesWithinItsEntriesOnly) {
    clHistoryPuffer h;
    for (int v : {1, 2, 3}) {
        h.Add(v);
    }
    EXPECT_EQ(h.CurrentPosition(), 2);
    h.Backward();
    h.Backward();
    EXPECT_EQ(h.Value(), 1);
    EXPECT_TRUE(h.BOH());
    h.Backward();
    EXPECT_EQ(h.CurrentPosition(), 0);
    h.Forward();
    h.Forward();
    h.Forward();
    EXPECT_EQ(h.Value(), 3);
    EXPECT_TRUE(h.EOH());
}

TEST(clHistoryPuffer, AddingTheCurrentValueChangesNothing) {
    clHistoryPuffer h;
    h.Add(7);
    h.Add(7);
    EXPECT_EQ(Used(h), (std::vector<int>{7}));
    h.Add(8);
    h.Add(7);
    EXPECT_EQ(Used(h), (std::vector<int>{7, 8, 7}));
    // Re-selecting the node reached by Back records nothing.
    h.Backward();
    h.Add(8);
    EXPECT_EQ(Used(h), (std::vector<int>{7, 8, 7}));
    EXPECT_EQ(h.CurrentPosition(), 1);
}

TEST(clHistoryPuffer, AddAfterGoingBackAppendsBehindTheNewest) {
    clHistoryPuffer h;
    for (int v : {1, 2, 3}) {
        h.Add(v);
    }
    h.Backward();
    h.Add(4);
    EXPECT_EQ(Used(h), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(h.Value(), 4);
    h.Backward();
    EXPECT_EQ(h.Value(), 3);
}

TEST(clHistoryPuffer, FullBufferDropsTheOldest) {
    clHistoryPuffer h;
    for (int v = 1; v <= 11; ++v) {
        h.Add(v);
    }
    EXPECT_EQ(Used(h), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(h.CurrentPosition(), 9);
    h.Backward();
    h.Backward();
    h.Add(12);
    EXPECT_EQ(Used(h), (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(h.CurrentPosition(), 9);
}

TEST(clHistoryPuffer, ClearForgetsTheOldFirstEntry) {
    clHistoryPuffer h;
    h.Add(4);
    h.Add(9);
    h.Clear();
    EXPECT_EQ(h.Count(), 0);
    EXPECT_EQ(h.Value(), 0);
    EXPECT_EQ(h.Slot(1), 0);
    h.Add(4);
    EXPECT_EQ(Used(h), (std::vector<int>{4}));
}
