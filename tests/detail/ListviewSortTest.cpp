// Sorting the detail list by a click on a column header, and the header's sort triangles.

#include "DetailFixture.h"

namespace {

using namespace veltrano;
using namespace veltrano::testsupport;

constexpr int kString = ListView::HDF_STRING;
constexpr int kRight = ListView::HDF_RIGHT;
constexpr int kImage = ListView::HDF_IMAGE;
constexpr int kOnRight = ListView::HDF_BITMAP_ON_RIGHT;

class ListSortTest : public ::testing::Test {
protected:
    std::vector<int> Formats() const {
        std::vector<int> formats;
        for (int c = 1; c <= list.ColumnCount(); ++c) {
            formats.push_back(list.ColumnHeader(c).headerFormat);
        }
        return formats;
    }
    int SortImage() const { return list.ColumnHeader(list.SortKey() + 1).headerImage; }
    void ClickHeader(int column) { w.form.OnColumnClick(column); }

    DetailWindow w;
    ListView& list = w.List();
};

TEST_F(ListSortTest, ClicksAlternateTheOrderANewColumnStartsAscendingAndTheOrderCarriesOn) {
    // A list shown unsorted sorts on a click inside its columns.
    w.Click("Users");
    EXPECT_EQ(Formats(), std::vector<int>(5, kString)); // as added: no indicator written
    ClickHeader(0);
    ClickHeader(6);
    EXPECT_FALSE(list.Sorted());
    ClickHeader(3);
    ClickHeader(3); // Access descending
    EXPECT_EQ(w.Column(0), (Strings{"Dana", "Chris"}));
    EXPECT_EQ(Formats(),
              (std::vector<int>{kString, kString, kString | kImage | kOnRight, kString, kString}));
    EXPECT_EQ(SortImage(), detail::kImageDescending);

    w.Click("Tables/Contact/Fields");
    const Strings ascending{"    5", "   30", "   40"};
    const Strings descending{"   40", "   30", "    5"};
    for (const bool up : {true, false, true}) {
        ClickHeader(4); // "Length", right-aligned: triangle left of the text
        EXPECT_EQ(w.Column(3), up ? ascending : descending);
        EXPECT_EQ(Formats()[3], kString | kRight | kImage);
        EXPECT_EQ(SortImage(), up ? detail::kImageAscending : detail::kImageDescending);
    }
    ClickHeader(4); // descending
    ClickHeader(3); // Type
    EXPECT_EQ(list.SortOrder(), ListView::lvwAscending);
    std::vector<int> expected(16, kString);
    for (int right : {1, 3, 4, 15}) {
        expected[right] |= kRight;
    }
    expected[2] |= kImage | kOnRight;
    EXPECT_EQ(Formats(), expected);

    // The next list keeps the order; the padded IDs sort by value.
    ClickHeader(2);
    ClickHeader(2);
    w.Click("Tables/Contact");
    w.Click("Tables/Contact/Fields");
    EXPECT_EQ(w.Column(1), (Strings{"  100", "   25", "    9"}));
    EXPECT_EQ(SortImage(), detail::kImageDescending);

    // A sort column beyond the next list's columns: no triangle.
    ClickHeader(16);
    w.Click("Tables/Contact/Fields/City/PopupList");
    EXPECT_EQ(Formats(), (std::vector<int>{kString, kString, kString}));
}

} // namespace
