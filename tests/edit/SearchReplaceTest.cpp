// Search, Search again (F3) and Replace on the Entry and Exit Trigger cells of a Fields list filled
// directly, and what they leave in the second panel.

#include "edit/SearchReplace.h"
#include "app/frmHaupt.h"
#include "support/NullPlatform.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace {

using namespace veltrano;
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
    app::frmHaupt form = platform.MainForm();
    controls::ListView& list = form.lvACT;
};

TEST_F(SearchReplaceTest, SearchWalksFromHitToHitAfterTheSelectedRowAndClearsTheMarksItPasses) {
    Fill({{"A", "x.exe", ""},
          {"B", "", ""},
          {"C", "other", "run x.exe"},
          {"D", "x.exe", "x.exe"},
          {"E", "", ""}});
    form.LastSearchText = "before";
    list.SetSubItemBold(3, kEntry, true);
    list.SetSubItemBold(4, kExit, true);
    list.SetSelectedItem(1);
    EXPECT_EQ(Search("x.exe"), 3);
    EXPECT_EQ(State(3, kEntry), CellState("other", false, "")); // examined, no hit: mark gone
    EXPECT_EQ(Search("x.exe"), 4);
    EXPECT_TRUE(Cell(4, kExit).bold); // not examined after the Entry hit
    EXPECT_EQ(Search("x.exe"), 4);    // nothing after row 4, no wrap to row 1
    list.SetSelectedItem(0);          // without a selection from the first row
    EXPECT_EQ(Search("x.exe"), 1);
    EXPECT_EQ(Search("X.EXE"), 1); // a miss leaves the selection
    EXPECT_EQ(Search(""), 1);      // so does a cancelled prompt, which keeps the last text
    EXPECT_EQ(form.LastSearchText, "X.EXE");
    EXPECT_EQ(Forms().Focus(), "lvACT");
    EXPECT_EQ(Forms().Inputs()[0], (InputCall{"Suche nach:", "", "before"}));
    EXPECT_EQ(Forms().Inputs()[1].defaultText, "x.exe");
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

TEST_F(SearchReplaceTest, CancelledPromptsOnePassTagOfTheLastReplacementAndMarksClearedByAMiss) {
    Fill({{"Fruit", "banana", "plain"}});
    form.LastSearchText = "old";
    EXPECT_TRUE(Replace("a", "").empty()); // changes nothing, but the search text stays
    EXPECT_EQ(form.LastSearchText, "a");
    EXPECT_EQ(State(1, kEntry), CellState("banana", false, ""));
    EXPECT_EQ(Forms().Inputs()[0].defaultText, "old");
    Forms().QueueInput(""); // cancelling the first prompt asks nothing more
    edit::ReplaceEntries(form);
    EXPECT_EQ(Forms().Inputs().size(), 3u);

    Replace("a", "aa");
    EXPECT_EQ(Cell(1, kEntry).text, "baanaanaa");
    Replace("n", "N");
    EXPECT_EQ(State(1, kEntry), CellState("baaNaaNaa", true, "baanaanaa"));
    EXPECT_EQ(form.LastSearchText, "n");
    EXPECT_TRUE(Replace("zzz", "y").empty()); // takes the mark away, keeps text and Tag
    EXPECT_EQ(State(1, kEntry), CellState("baaNaaNaa", false, "baanaanaa"));
    EXPECT_EQ(edit::ReplaceOccurrences("aaaa", "aa", "b"), "bb"); // left to right, no overlap
}

TEST_F(SearchReplaceTest, SearchAgainRepeatsTheLastTextAndThePanelNotesWhatHappened) {
    Fill({{"A", "c:\\a.exe", ""}, {"B", "", ""}, {"C", "c:\\a.exe /q", ""}});
    auto& tree = form.tvACT;
    const auto fields =
        tree.Add(tree.Add(0, 4, "/data/x.dbf", "x", "Datenbank"), 4, "", "Fields", "Felder");
    tree.SetTag(fields, "Felder");
    tree.SetTag(tree.Add(fields, 4, "Contact 1", "Company", "Feld"), "Feld");
    tree.SetSelected(fields);
    form.SetListSource(fields);
    const auto panel = [&] { return form.StatusBar.Panels("Changes").Text(); };

    Forms().QueueInput("a.exe"); // nothing remembered yet: F3 asks as Search does
    form.OnSearchAgain();
    EXPECT_EQ(panel(), "x.dbf: 1 fields");
    form.OnSearchAgain();
    EXPECT_EQ(list.SelectedItem(), 3);
    form.OnSearchAgain();
    EXPECT_EQ(list.SelectedItem(), 3);
    EXPECT_EQ(Forms().Inputs().size(), 1u);
    EXPECT_EQ(panel(), "No further match");

    Forms().QueueInput("a.exe");
    Forms().QueueInput("b.exe");
    form.OnButtonClick("Replace");
    EXPECT_EQ(panel(), "2 changes not saved"); // the marks win over "2 cells replaced"
    Forms().QueueInput("zzz");
    Forms().QueueInput("y");
    form.OnButtonClick("Replace"); // clears the marks of the cells it examined
    EXPECT_EQ(panel(), "0 cells replaced");
    form.OnButtonClick("CopyTable"); // any later command ends the note
    EXPECT_EQ(panel(), "x.dbf: 1 fields");
}

} // namespace
