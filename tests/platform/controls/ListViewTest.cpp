#include "platform/controls/ListView.h"
#include "ControlTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using veltrano::controls::ListView;

namespace {

// Three columns and a row per text, with the keys "r0", "r1", ...
ListView ThreeColumns(const std::vector<std::string>& texts) {
    ListView list;
    for (const char* name : {"Name", "ID", "Type"}) {
        list.ColumnHeadersAdd(name, name);
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        list.ListItemsAdd("r" + std::to_string(i), texts[i]);
    }
    return list;
}

std::string Keys(const ListView& list) {
    std::string keys;
    for (std::int32_t r = 1; r <= list.RowCount(); ++r) {
        keys += list.Item(r).key + " ";
    }
    return keys;
}

} // namespace

// Padded numbers and a sort column beyond the list are sorted through the detail list's headers.
TEST(ListView, StableTextSortBothWaysAndTheSelectionFollowsItsRow) {
    ListView list = ThreeColumns({"b", "A", "a", "B", "c"});
    list.SetSelectedItem(1);
    list.SetSorted(true);
    EXPECT_EQ(Keys(list), "r1 r2 r0 r3 r4 ");
    EXPECT_EQ(list.SelectedItem(), 3);
    list.SetSortOrder(ListView::lvwDescending);
    EXPECT_EQ(Keys(list), "r4 r0 r3 r1 r2 ");
    // Rows added while sorted go behind their equals; a duplicate key is refused.
    EXPECT_EQ(list.ListItemsAdd("k", "C"), 2);
    EXPECT_EQ(Keys(list), "r4 k r0 r3 r1 r2 ");
    EXPECT_EQ(list.SelectedItem(), 3);
    EXPECT_EQ(ErrorOf([&] { list.ListItemsAdd("k", "z"); }), 35602);
    EXPECT_EQ(list.RowCount(), 6);
    list.SetSelectedItem(1);
    EXPECT_FALSE(list.Item(3).selected);
    list.ListItemsClear();
    EXPECT_EQ(list.SelectedItem(), 0);
    EXPECT_EQ(ErrorOf([&] { list.SetSelectedItem(1); }), 35600);
}

// Texts and marks of cells are read back by the Search and Replace tests, header formats by the
// detail list's sort.
TEST(ListView, BoundsKeysAndNewColumnsStartingEmpty) {
    ListView list = ThreeColumns({"row"});
    list.SetSubItemText(1, 2, "Entry");
    for (int sub : {0, 3, -1}) {
        EXPECT_EQ(ErrorOf([&] { list.SetSubItemText(1, sub, "x"); }), 380) << sub;
    }
    EXPECT_EQ(ErrorOf([&] { list.GetSubItem(2, 1); }), 35600);
    EXPECT_EQ(ErrorOf([&] { list.ColumnIndexByKey("type"); }), 35601);
    EXPECT_EQ(ErrorOf([&] { list.ColumnHeadersAdd("ID", "again"); }), 35602);
    EXPECT_EQ(ErrorOf([&] { list.ColumnHeader(4); }), 35600);
    EXPECT_EQ(ErrorOf([&] { list.SetColumnAlignment(1, ListView::lvwColumnRight); }), 380);
    EXPECT_EQ(ErrorOf([&] { list.SetHeaderItem(3, 0, 0); }), 35600); // counts from 0
    list.ColumnHeadersClear();
    for (const char* name : {"A", "B", "C"}) {
        list.ColumnHeadersAdd("", name);
    }
    EXPECT_EQ(list.CellText(1, 2), "");
}
