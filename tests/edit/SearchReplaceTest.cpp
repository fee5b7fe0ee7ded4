// Search and Replace on the Entry and Exit Trigger cells of a Fields list filled directly.

#include "edit/SearchReplace.h"
#include "app/frmHaupt.h"
#include "support/NullPlatform.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace {

using namespace veltrano;
using testsupport::FormsCall;
using testsupport::InputCall;

constexpr std::int32_t kEntry = 6;
constexpr std::int32_t kExit = 7;
using CellState = std::tuple<std::string, bool, std::string>; // text, mark, former text

class SearchReplaceTest : public ::testing::Test {
protected:
    SearchReplaceTest() { form.Load(); }

    // The sixteen columns and one row per field {name, entry, exit} with the IDs 1, 2, ...
    void Fill(const std::vector<std::array<std::string, 3>>& rows) {
        for (int c = 0; c < 16; ++c) {
            list.ColumnHeadersAdd({}, "C" + std::to_string(c));
        }
        for (const auto& [name, entry, exit] : rows) {
            const auto row = list.ListItemsAdd({}, name);
            list.SetSubItemText(row, 1, app::PadNumericText(std::to_string(row)));
            list.SetSubItemText(row, kEntry, entry);
            list.SetSubItemText(row, kExit, exit);
        }
    }
    std::int32_t Search(const std::string& answer) {
        Forms().QueueInput(answer);
        edit::SearchEntries(form);
        return list.SelectedItem();
    }
    std::vector<edit::ChangedCell> Replace(const std::string& search,
                                           const std::string& replacement) {
        Forms().QueueInput(search);
        Forms().QueueInput(replacement);
        return edit::ReplaceEntries(form);
    }
    const controls::ListView::SubItem& Cell(std::int32_t row, std::int32_t sub) const {
        return list.GetSubItem(row, sub);
    }
    CellState State(std::int32_t row, std::int32_t sub) const {
        return {Cell(row, sub).text, Cell(row, sub).bold, Cell(row, sub).tag};
    }
    testsupport::ScriptedForms& Forms() { return platform.forms; }

    testsupport::NullPlatform platform;
    app::frmHaupt form{platform.Get()};
    controls::ListView& list = form.lvACT;
};

class SearchTest : public SearchReplaceTest {
protected:
    SearchTest() {
        Fill({{"A", "x.exe", ""},
              {"B", "", ""},
              {"C", "other", "run x.exe"},
              {"D", "x.exe", "x.exe"},
              {"E", "", ""}});
    }
};

TEST_F(SearchTest, StartsAfterTheSelectedRowAndWalksFromHitToHitWithoutWrappingCaseSensitive) {
    list.SetSelectedItem(1);
    EXPECT_EQ(Search("x.exe"), 3);
    EXPECT_EQ(Search("x.exe"), 4);
    EXPECT_EQ(Search("x.exe"), 4); // nothing after row 4, no wrap to row 1
    list.SetSelectedItem(0);       // without a selection from the first row
    EXPECT_EQ(Search("x.exe"), 1);
    EXPECT_EQ(Search("X.EXE"), 1); // a miss leaves the selection
}

TEST_F(SearchTest, FocusesTheListThenAsksWithTheLastSearchTextAsDefault) {
    form.LastSearchText = "before";
    Search("x.exe");
    Search("");
    const auto& calls = Forms().Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].kind, FormsCall::SetFocus);
    EXPECT_EQ(calls[0].text, "lvACT");
    EXPECT_EQ(calls[1].kind, FormsCall::InputBox);
    EXPECT_EQ(Forms().Inputs(), (std::vector<InputCall>{{"Suche nach:", "", "before"},
                                                        {"Suche nach:", "", "x.exe"}}));
    // A cancelled prompt keeps the last text and the selection.
    EXPECT_EQ(form.LastSearchText, "x.exe");
    EXPECT_EQ(list.SelectedItem(), 1);
}

TEST_F(SearchTest, EntryHitStopsBeforeTheExitTriggerAndExitHitClearsTheEntryMark) {
    list.SetSubItemBold(3, kEntry, true);
    list.SetSubItemBold(4, kExit, true);
    list.SetSelectedItem(2);
    EXPECT_EQ(Search("x.exe"), 3);
    EXPECT_EQ(State(3, kEntry), CellState("other", false, "")); // examined, no hit: mark gone
    EXPECT_FALSE(Cell(3, kExit).bold);                          // the hit keeps what it had
    EXPECT_EQ(Search("x.exe"), 4);
    EXPECT_TRUE(Cell(4, kExit).bold); // not examined after the Entry hit
}

TEST_F(SearchReplaceTest, EveryOccurrenceIsReplacedAndTheCellMarkedWithItsFormerText) {
    Fill({{"Tool", "c:\\old\\a.exe c:\\old\\b.exe", "C:\\OLD\\c.exe"}, {"Other", "x", ""}});
    list.SetSelectedItem(2);
    EXPECT_EQ(Replace("c:\\old", "d:\\new"),
              (std::vector<edit::ChangedCell>{
                  {1, kEntry, "c:\\old\\a.exe c:\\old\\b.exe", "d:\\new\\a.exe d:\\new\\b.exe"}}));
    EXPECT_EQ(State(1, kEntry),
              CellState("d:\\new\\a.exe d:\\new\\b.exe", true, "c:\\old\\a.exe c:\\old\\b.exe"));
    // Case matters; and Replace starts at the top whatever is selected.
    EXPECT_EQ(State(1, kExit), CellState("C:\\OLD\\c.exe", false, ""));
    EXPECT_EQ(Forms().Inputs(),
              (std::vector<InputCall>{{"Suche nach:", "", ""}, {"Ersetze durch", "", ""}}));
}

TEST_F(SearchReplaceTest, OnePassTagOfTheLastReplacementAndMarksClearedByAMiss) {
    Fill({{"Fruit", "banana", "plain"}});
    Replace("a", "aa");
    EXPECT_EQ(Cell(1, kEntry).text, "baanaanaa");
    Replace("n", "N");
    EXPECT_EQ(State(1, kEntry), CellState("baaNaaNaa", true, "baanaanaa"));
    EXPECT_EQ(form.LastSearchText, "n");
    EXPECT_TRUE(Replace("zzz", "y").empty()); // takes the mark away, keeps text and Tag
    EXPECT_EQ(State(1, kEntry), CellState("baaNaaNaa", false, "baanaanaa"));
}

TEST_F(SearchReplaceTest, CancelledPromptsChangeNothingButTheSearchTextStays) {
    Fill({{"F", "abc", ""}});
    form.LastSearchText = "old";
    EXPECT_TRUE(Replace("abc", "").empty());
    EXPECT_EQ(form.LastSearchText, "abc");
    EXPECT_EQ(State(1, kEntry), CellState("abc", false, ""));
    EXPECT_EQ(Forms().Inputs()[0].defaultText, "old");
    Forms().QueueInput(""); // cancelling the first prompt asks nothing more
    edit::ReplaceEntries(form);
    EXPECT_EQ(Forms().Inputs().size(), 3u);
    EXPECT_EQ(form.LastSearchText, "abc");
}

TEST_F(SearchReplaceTest, AReplacementThatLooksLikeTheSearchMarkerIsInsertedAsTyped) {
    Fill({{"F", "abc", ""}, {"G", "abc", ""}});
    Replace("b", "<<<EMPTY>>>");
    EXPECT_EQ(Cell(1, kEntry).text, "a<<<EMPTY>>>c");
    EXPECT_EQ(Cell(2, kEntry).text, "a<<<EMPTY>>>c");
    EXPECT_EQ(list.SelectedItem(), 0);
}

TEST(ReplaceOccurrences, LeftToRightWithoutOverlapInOnePass) {
    EXPECT_EQ(edit::ReplaceOccurrences("aaaa", "aa", "b"), "bb");
    EXPECT_EQ(edit::ReplaceOccurrences("aaa", "aa", "aaa"), "aaaa");
    EXPECT_EQ(edit::ReplaceOccurrences("xyz", "q", "r"), "xyz");
    EXPECT_EQ(edit::ReplaceOccurrences("abc", "abc", "d"), "d");
}

} // namespace
