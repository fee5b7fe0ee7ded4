#include "DetailFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace veltrano;
using namespace veltrano::testsupport;
using Strings = std::vector<std::string>;

constexpr int kString = ListView::HDF_STRING;
constexpr int kRight = ListView::HDF_RIGHT;
constexpr int kImage = ListView::HDF_IMAGE;
constexpr int kOnRight = ListView::HDF_BITMAP_ON_RIGHT;

class ListSortTest : public ::testing::Test {
protected:
    // Header formats of all columns, and the image number of the sort column.
    std::vector<int> Formats() const {
        std::vector<int> formats;
        for (int c = 1; c <= list.ColumnCount(); ++c) {
            formats.push_back(list.ColumnHeader(c).headerFormat);
        }
        return formats;
    }
    int SortImage() const { return list.ColumnHeader(list.SortKey() + 1).headerImage; }

    DetailWindow w;
    SampleTree t{w.Tree()};
    ListView& list = w.List();
};

TEST_F(ListSortTest, ClicksOnOneColumnAlternateTheOrderStartingAscending) {
    w.Click(t.contactFields);
    const Strings ascending{"    5", "   30", "   40"};
    const Strings descending{"   40", "   30", "    5"};

    w.form->OnColumnClick(4); // "Length", right-aligned: triangle left of the text
    EXPECT_EQ(list.SortKey(), 3);
    EXPECT_EQ(list.SortOrder(), ListView::lvwAscending);
    EXPECT_EQ(w.Column(3), ascending);
    EXPECT_EQ(Formats()[3], kString | kRight | kImage);
    EXPECT_EQ(SortImage(), detail::kImageAscending);

    w.form->OnColumnClick(4);
    EXPECT_EQ(w.Column(3), descending);
    EXPECT_EQ(SortImage(), detail::kImageDescending);

    w.form->OnColumnClick(4);
    EXPECT_EQ(w.Column(3), ascending);
    EXPECT_EQ(SortImage(), detail::kImageAscending);
}

TEST_F(ListSortTest, ANewColumnStartsAscendingAndMovesTheTriangle) {
    w.Click(t.contactFields);
    w.form->OnColumnClick(4);
    w.form->OnColumnClick(4); // Length descending
    w.form->OnColumnClick(3); // Type
    EXPECT_EQ(list.SortKey(), 2);
    EXPECT_EQ(list.SortOrder(), ListView::lvwAscending);
    // Stable: the two "String" fields keep their order by length descending.
    EXPECT_EQ(w.Column(0), (Strings{"Phone", "Company", "City"}));

    std::vector<int> expected(16, kString);
    for (int right : {1, 3, 4, 15}) {
        expected[right] |= kRight;
    }
    expected[2] |= kImage | kOnRight;
    EXPECT_EQ(Formats(), expected);
    EXPECT_EQ(SortImage(), detail::kImageAscending);
}

TEST_F(ListSortTest, PaddedIdsSortByValue) {
    w.Click(t.contactFields);
    w.form->OnColumnClick(2);
    EXPECT_EQ(w.Column(1), (Strings{"    9", "   25", "  100"}));
    EXPECT_EQ(Formats()[1], kString | kRight | kImage);
}

TEST_F(ListSortTest, SortStateCarriesToTheNextList) {
    w.Click(t.contactFields);
    w.form->OnColumnClick(2);
    w.form->OnColumnClick(2); // ID descending
    w.Click(t.contact);
    w.Click(t.contactFields);
    EXPECT_EQ(w.Column(1), (Strings{"  100", "   25", "    9"}));
    EXPECT_EQ(SortImage(), detail::kImageDescending);
}

TEST_F(ListSortTest, NoTriangleWhenTheSortColumnIsBeyondTheList) {
    w.Click(t.contactFields);
    w.form->OnColumnClick(16);
    w.Click(t.cityPopup);
    EXPECT_EQ(list.SortKey(), 15);
    EXPECT_EQ(Formats(), (std::vector<int>{kString, kString, kString}));
    EXPECT_EQ(w.Column(0).front(), "    0"); // tree order kept
}

TEST_F(ListSortTest, UnsortedListsSortOnTheirFirstClick) {
    w.Click(t.users);
    EXPECT_EQ(Formats(), std::vector<int>(5, kString)); // as added: no indicator written
    w.form->OnColumnClick(3);                           // Access
    w.form->OnColumnClick(3);
    EXPECT_EQ(w.Column(0), (Strings{"Dana", "Chris"}));
    EXPECT_EQ(Formats(),
              (std::vector<int>{kString, kString, kString | kImage | kOnRight, kString, kString}));
    EXPECT_EQ(SortImage(), detail::kImageDescending);
}

TEST_F(ListSortTest, ClicksOutsideTheColumnsAreIgnored) {
    w.Click(t.contact);
    w.form->OnColumnClick(0);
    w.form->OnColumnClick(3);
    EXPECT_FALSE(list.Sorted());
    EXPECT_EQ(list.SortKey(), 0);
}

TEST_F(ListSortTest, WithoutIndicatorsOrImagesOnlyTheSortChanges) {
    w.Click(t.contact);
    detail::SortListView(list, 2, true, false, w.form->ilSortierung);
    EXPECT_EQ(Formats(), std::vector<int>(2, kString));
    EXPECT_EQ(w.Column(1), (Strings{"1250", "3", "Contact"}));

    const controls::ImageList noImages{9, 5, {}};
    detail::SortListView(list, 2, false, true, noImages); // no toggle, and nothing to draw
    EXPECT_EQ(list.SortOrder(), ListView::lvwAscending);
    EXPECT_EQ(Formats(), std::vector<int>(2, kString));
}

} // namespace
