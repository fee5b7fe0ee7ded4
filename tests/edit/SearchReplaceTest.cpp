// Search and Replace on the Entry and Exit Trigger cells of the Fields list.

#include "edit/SearchReplace.h"
#include "EditWindow.h"

#include <gtest/gtest.h>

namespace {

using namespace veltrano;
using forms::FormsCall;
using forms::InputCall;
using testsupport::EditWindow;

constexpr std::int32_t kEntry = 6;
constexpr std::int32_t kExit = 7;

class SearchTest : public ::testing::Test {
protected:
    SearchTest() {
        w.Fill({{"A", "x.exe", ""},
                {"B", "", ""},
                {"C", "other", "run x.exe"},
                {"D", "x.exe", "x.exe"},
                {"E", "", ""}});
    }
    std::int32_t Search(const std::string& answer) {
        w.Forms().QueueInput(answer);
        edit::SearchEntries(w.form);
        return w.form.lvACT.SelectedItem();
    }
    EditWindow w;
};

TEST_F(SearchTest, StartsAfterTheSelectedRowAndWalksFromHitToHitWithoutWrapping) {
    w.form.lvACT.SetSelectedItem(1);
    EXPECT_EQ(Search("x.exe"), 3);
    EXPECT_EQ(Search("x.exe"), 4);
    EXPECT_EQ(Search("x.exe"), 4); // nothing after row 4, no wrap to row 1
    // Without a selection the search starts at the first row.
    w.form.lvACT.SetSelectedItem(0);
    EXPECT_EQ(Search("x.exe"), 1);
}

TEST_F(SearchTest, FocusesTheListThenAsksWithTheLastSearchTextAsDefault) {
    w.form.LastSearchText = "before";
    Search("x.exe");
    Search("");
    const auto& calls = w.Forms().Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].kind, FormsCall::SetFocus);
    EXPECT_EQ(calls[0].text, "lvACT");
    EXPECT_EQ(calls[1].kind, FormsCall::InputBox);
    EXPECT_EQ(w.Forms().Inputs(), (std::vector<InputCall>{{"Suche nach:", "", "before"},
                                                          {"Suche nach:", "", "x.exe"}}));
    // A cancelled prompt keeps the last text and the selection.
    EXPECT_EQ(w.form.LastSearchText, "x.exe");
    EXPECT_EQ(w.form.lvACT.SelectedItem(), 1);
}

TEST_F(SearchTest, EntryHitStopsBeforeTheExitTriggerAndExitHitClearsTheEntryMark) {
    auto& list = w.form.lvACT;
    list.SetSubItemBold(3, kEntry, true);
    list.SetSubItemBold(4, kExit, true);
    list.SetSelectedItem(2);
    EXPECT_EQ(Search("x.exe"), 3);
    EXPECT_FALSE(w.Cell(3, kEntry).bold); // examined, no hit: mark gone, text kept
    EXPECT_EQ(w.Cell(3, kEntry).text, "other");
    EXPECT_FALSE(w.Cell(3, kExit).bold); // the hit keeps what it had
    EXPECT_EQ(Search("x.exe"), 4);
    EXPECT_TRUE(w.Cell(4, kExit).bold); // not examined after the Entry hit
}

TEST_F(SearchTest, CaseMattersAndAMissLeavesTheSelection) {
    w.form.lvACT.SetSelectedItem(2);
    EXPECT_EQ(Search("X.EXE"), 2);
}

class ReplaceTest : public ::testing::Test {
protected:
    void Replace(const std::string& search, const std::string& replacement) {
        w.Forms().QueueInput(search);
        w.Forms().QueueInput(replacement);
        edit::ReplaceEntries(w.form);
    }
    EditWindow w;
};

TEST_F(ReplaceTest, EveryOccurrenceIsReplacedAndTheCellMarkedWithItsFormerText) {
    w.Fill({{"Tool", "c:\\old\\a.exe c:\\old\\b.exe", "C:\\OLD\\c.exe"}, {"Other", "x", ""}});
    w.form.lvACT.SetSelectedItem(2);
    Replace("c:\\old", "d:\\new");
    EXPECT_EQ(w.Cell(1, kEntry).text, "d:\\new\\a.exe d:\\new\\b.exe");
    EXPECT_TRUE(w.Cell(1, kEntry).bold);
    EXPECT_EQ(w.Cell(1, kEntry).tag, "c:\\old\\a.exe c:\\old\\b.exe");
    // Case matters; and Replace starts at the top whatever is selected.
    EXPECT_EQ(w.Cell(1, kExit).text, "C:\\OLD\\c.exe");
    EXPECT_FALSE(w.Cell(1, kExit).bold);
    EXPECT_EQ(w.Forms().Inputs(),
              (std::vector<InputCall>{{"Suche nach:", "", ""}, {"Ersetze durch", "", ""}}));
}

TEST_F(ReplaceTest, OnePassTagOfTheLastReplacementAndMarksClearedByAMiss) {
    w.Fill({{"Fruit", "banana", "plain"}});
    Replace("a", "aa");
    EXPECT_EQ(w.Cell(1, kEntry).text, "baanaanaa");
    Replace("n", "N");
    EXPECT_EQ(w.Cell(1, kEntry).text, "baaNaaNaa");
    EXPECT_EQ(w.Cell(1, kEntry).tag, "baanaanaa");
    EXPECT_EQ(w.form.LastSearchText, "n");
    // A replace that misses the cell takes its mark away but keeps text and Tag.
    Replace("zzz", "y");
    EXPECT_FALSE(w.Cell(1, kEntry).bold);
    EXPECT_EQ(w.Cell(1, kEntry).text, "baaNaaNaa");
    EXPECT_EQ(w.Cell(1, kEntry).tag, "baanaanaa");
}

TEST_F(ReplaceTest, CancellingTheSecondPromptKeepsTheSearchTextAndChangesNothing) {
    w.Fill({{"F", "abc", ""}});
    w.form.LastSearchText = "old";
    Replace("abc", "");
    EXPECT_EQ(w.form.LastSearchText, "abc");
    EXPECT_EQ(w.Cell(1, kEntry).text, "abc");
    EXPECT_FALSE(w.Cell(1, kEntry).bold);
    EXPECT_EQ(w.Forms().Inputs()[0].defaultText, "old");
    // Cancelling the first prompt asks nothing more.
    w.Forms().QueueInput("");
    edit::ReplaceEntries(w.form);
    EXPECT_EQ(w.Forms().Inputs().size(), 3u);
    EXPECT_EQ(w.form.LastSearchText, "abc");
}

TEST_F(ReplaceTest, AReplacementThatLooksLikeTheSearchMarkerIsInsertedAsTyped) {
    w.Fill({{"F", "abc", ""}, {"G", "abc", ""}});
    Replace("b", "<<<EMPTY>>>");
    EXPECT_EQ(w.Cell(1, kEntry).text, "a<<<EMPTY>>>c");
    EXPECT_EQ(w.Cell(2, kEntry).text, "a<<<EMPTY>>>c");
    EXPECT_EQ(w.form.lvACT.SelectedItem(), 0);
}

TEST(ReplaceOccurrences, LeftToRightWithoutOverlapInOnePass) {
    EXPECT_EQ(edit::ReplaceOccurrences("aaaa", "aa", "b"), "bb");
    EXPECT_EQ(edit::ReplaceOccurrences("aaa", "aa", "aaa"), "aaaa");
    EXPECT_EQ(edit::ReplaceOccurrences("xyz", "q", "r"), "xyz");
    EXPECT_EQ(edit::ReplaceOccurrences("abc", "abc", "d"), "d");
}

} // namespace
