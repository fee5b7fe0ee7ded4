#include "DetailFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace veltrano;
using namespace veltrano::testsupport;

class CopyTableTest : public ::testing::Test {
protected:
    std::string Copy() {
        w.form->OnButtonClick("CopyTable");
        return w.Forms().ClipboardText();
    }

    DetailWindow w;
    SampleTree t{w.Tree()};
};

TEST_F(CopyTableTest, TablePropertiesList) {
    w.Click(t.contact);
    EXPECT_EQ(Copy(), "Property\tValue\t\r\n"
                      "Name\tContact\t\r\n"
                      "Field Count\t3\t\r\n"
                      "Record Count\t1250\t\r\n");
}

TEST_F(CopyTableTest, FieldsListInTheOrderShownWithItsPadding) {
    w.Click(t.contactFields);
    w.form->OnColumnClick(2);
    w.form->OnColumnClick(2); // ID descending
    EXPECT_EQ(Copy(), "Name\tID\tType\tLength\tDecimal Places\tEntry Rule\tEntry Trigger\t"
                      "Exit Trigger\tInitial Value\tIs Block Sync\tIs Cut History\tIs Indexed\t"
                      "Is Primary\tIs Sortable\tHas Popuplist\tPopup Count\t\r\n"
                      "Phone\t  100\tPhone\t    5\t    0\tNo rules\tphone.exe\t\t\tFalse\tFalse\t"
                      "False\tFalse\tTrue\tFalse\t   -1\t\r\n"
                      "Company\t   25\tString\t   40\t    0\tNo rules\t\t\ta = b\tFalse\tFalse\t"
                      "True\tFalse\tTrue\tFalse\t   -1\t\r\n"
                      "City\t    9\tString\t   30\t    0\tOnly drop-down list\t\t"
                      "C:\\trig\\city.exe\t\tFalse\tFalse\tFalse\tFalse\tTrue\tTrue\t   12\t\r\n");
}

TEST_F(CopyTableTest, UsersAndPopupLists) {
    w.Click(t.users);
    EXPECT_EQ(Copy(), "Name\tSecurity\tAccess\tUniqueID\tPassword\t\r\n"
                      "Chris\t1\t2\tU-1\tsecret\t\r\n"
                      "Dana\t0\t3\t\t\t\r\n");
    w.Click(t.cityPopup);
    EXPECT_EQ(Copy(), "ID\tValue\tRemark\t\r\n"
                      "    0\tTown 0\tr\t\r\n    1\tTown 1\tr\t\r\n    2\tTown 2\tr\t\r\n"
                      "    3\tTown 3\t\t\r\n    4\tTown 4\tr\t\r\n    5\tTown 5\tr\t\r\n"
                      "    6\tTown 6\tr\t\r\n    7\tTown 7\tr\t\r\n    8\tTown 8\tr\t\r\n"
                      "    9\tTown 9\tr\t\r\n   10\tTown 10\tr\t\r\n   11\tTown 11\tr\t\r\n");
}

TEST_F(CopyTableTest, CellsAreCopiedUnchanged) {
    auto& list = w.List();
    list.ColumnHeadersAdd("", "A");
    list.ColumnHeadersAdd("", "B");
    list.ColumnHeadersAdd("", "C");
    list.SetSubItemText(list.ListItemsAdd("", "x\ty"), 2, "line\r\nbreak");
    EXPECT_EQ(detail::ListViewToText(list), "A\tB\tC\t\r\nx\ty\t\tline\r\nbreak\t\r\n");
}

TEST_F(CopyTableTest, EmptyListGivesALineEndAndStillConfirms) {
    EXPECT_EQ(Copy(), "\r\n");
    using forms::FormsCall;
    EXPECT_EQ(w.Forms().CallKinds(),
              (std::vector<FormsCall>{FormsCall::ClipboardClear, FormsCall::ClipboardSetText,
                                      FormsCall::MsgBox}));
    EXPECT_EQ(w.Forms().Messages(),
              (std::vector<forms::MessageCall>{
                  {"The current table is now in the clipboard.", forms::vbInformation, ""}}));

    w.Click(t.database); // no columns after a node without a layout
    EXPECT_EQ(Copy(), "\r\n");
    EXPECT_EQ(w.Forms().Messages().size(), 2u);
}

} // namespace
