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
    EXPECT_FALSE(HeaderItemWritten(list.ColumnHeader(1))); // the column's alignment rules
    EXPECT_EQ(ColumnFormat(list.ColumnHeader(2)), LVCFMT_RIGHT);

    struct Expected {
        int fmt0, fmt1, fmt2, image;
    };
    const auto check = [&](const Expected& e, const char* when) {
        const int fmts[] = {e.fmt0, e.fmt1, e.fmt2};
        for (int column = 0; column < 3; ++column) {
            ASSERT_TRUE(HeaderItemWritten(list.ColumnHeader(column + 1)));
            const HDITEMW item = HeaderItemOf(list.ColumnHeader(column + 1));
            EXPECT_EQ(item.mask, static_cast<UINT>(HDI_FORMAT | HDI_IMAGE)) << when;
            EXPECT_EQ(item.fmt, fmts[column]) << when << " column " << column;
            EXPECT_EQ(item.iImage, e.image) << when << " column " << column;
        }
    };
    // First click on "Length" (right-aligned): ascending, the image left of the text.
    detail::SortListView(list, 2, true, true, sortImages);
    check({HDF_STRING, HDF_STRING | HDF_RIGHT | HDF_IMAGE, HDF_STRING, 0}, "Length up");
    detail::SortListView(list, 2, true, true, sortImages);
    check({HDF_STRING, HDF_STRING | HDF_RIGHT | HDF_IMAGE, HDF_STRING, 1}, "Length down");
    // "Name" (left-aligned): a new column starts ascending, the image right of the text.
    detail::SortListView(list, 1, true, true, sortImages);
    check({HDF_STRING | HDF_IMAGE | HDF_BITMAP_ON_RIGHT, HDF_STRING | HDF_RIGHT, HDF_STRING, 0},
          "Name up");
    EXPECT_EQ(list.Text(1), "a");
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
    EXPECT_EQ(AnswerCustomDraw(list, CDDS_POSTPAINT, 0, 0).font, CellFont::Unchanged);
}

} // namespace
} // namespace veltrano::win32ui
