// The list's drawing decisions: the header item record of each column as the sort writes it,
// and the font of every cell in custom draw.

#include "detail/modListviewSort.h"
#include "platform/win32ui/CellFonts.h"
#include "platform/win32ui/HeaderItems.h"

#include <gtest/gtest.h>

namespace veltrano::win32ui {
namespace {

using controls::ListView;

class ListDrawingTest : public ::testing::Test {
protected:
    ListDrawingTest() {
        list.ColumnHeadersAdd("Name", "Name");
        list.ColumnHeadersAdd("Length", "Length");
        list.ColumnHeadersAdd("Entry Trigger", "Entry Trigger");
        list.SetColumnAlignment(2, ListView::lvwColumnRight);
        for (const char* name : {"b", "a"}) {
            const auto row = list.ListItemsAdd("", name);
            list.SetSubItemText(row, 1, "   40");
            list.SetSubItemText(row, 2, "c:\\x.exe");
        }
    }

    ListView list;
    controls::ImageList sortImages{9, 5, {"Aufsteigend", "Absteigend"}};
};

TEST_F(ListDrawingTest, HeaderItemsCarryTheSortImageBitsOfTheModel) {
    // "Length", then "Name" twice: "Name" descending, its image right of the text, the image
    // gone from "Length". Which bits each click sets: ListSortTest.
    for (const int column : {2, 1, 1}) {
        detail::SortListView(list, column, true, true, sortImages);
    }
    const int fmts[] = {HDF_STRING | HDF_IMAGE | HDF_BITMAP_ON_RIGHT, HDF_STRING | HDF_RIGHT,
                        HDF_STRING};
    for (int column = 0; column < 3; ++column) {
        ASSERT_TRUE(HeaderItemWritten(list.ColumnHeader(column + 1)));
        const HDITEMW item = HeaderItemOf(list.ColumnHeader(column + 1));
        EXPECT_EQ(item.mask, static_cast<UINT>(HDI_FORMAT | HDI_IMAGE));
        EXPECT_EQ(item.fmt, fmts[column]) << column;
        EXPECT_EQ(item.iImage, 1) << column;
    }
}

TEST_F(ListDrawingTest, EveryCellNamesItsFontAndOnlyBoldSubItemsAreBold) {
    list.SetSubItemBold(2, 2, true);
    EXPECT_EQ(AnswerCustomDraw(list, CDDS_PREPAINT, 0, 0).result, CDRF_NOTIFYITEMDRAW);
    EXPECT_EQ(AnswerCustomDraw(list, CDDS_ITEMPREPAINT, 0, 0).result, CDRF_NOTIFYSUBITEMDRAW);
    struct Case {
        DWORD_PTR item;
        int sub;
        CellFont font;
    };
    for (const Case& c : {Case{1, 2, CellFont::Bold}, Case{1, 1, CellFont::Normal},
                          Case{0, 2, CellFont::Normal}, Case{1, 0, CellFont::Normal},
                          Case{7, 2, CellFont::Normal}, Case{1, 9, CellFont::Normal}}) {
        const CustomDrawAnswer answer =
            AnswerCustomDraw(list, CDDS_ITEMPREPAINT | CDDS_SUBITEM, c.item, c.sub);
        EXPECT_EQ(answer.result, CDRF_NEWFONT) << c.item << "/" << c.sub;
        EXPECT_EQ(answer.font, c.font) << c.item << "/" << c.sub;
    }
}

} // namespace
} // namespace veltrano::win32ui
