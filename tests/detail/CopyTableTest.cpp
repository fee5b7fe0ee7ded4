// Copy Table: the clipboard text of each layout, byte for byte.

#include "DetailFixture.h"

namespace {

using namespace veltrano;
using namespace veltrano::testsupport;

const std::string kFieldsHeader =
    "Name\tID\tType\tLength\tDecimal Places\tEntry Rule\tEntry Trigger\tExit Trigger\t"
    "Initial Value\tIs Block Sync\tIs Cut History\tIs Indexed\tIs Primary\tIs Sortable\t"
    "Has Popuplist\tPopup Count\t\r\n";

class CopyTableTest : public ::testing::Test {
protected:
    std::string Copy() {
        w.form.OnButtonClick("CopyTable");
        return w.Forms().ClipboardText();
    }
    DetailWindow w;
};

TEST_F(CopyTableTest, EachLayoutInTheOrderShownWithItsPadding) {
    const std::pair<const char*, std::string> cases[] = {
        {"Tables/Contact",
         "Property\tValue\t\r\nName\tContact\t\r\nField Count\t3\t\r\nRecord Count\t2\t\r\n"},
        {"Tables/Group", "Property\tValue\t\r\nField Count\t0\t\r\nRecord Count\t0\t\r\n"},
        // Sorted by name; a value holding " = " whole; absent properties as empty cells.
        {"Tables/Contact/Fields",
         kFieldsHeader +
             "City\t    9\tString\t   30\t    0\tOnly drop-down list\t\tC:\\city.exe\t\tFalse\t"
             "False\tFalse\tFalse\tFalse\tTrue\t    6\t\r\n"
             "Company\t   25\tString\t   40\t    0\tNo rules\t\t\ta = b\tFalse\tFalse\tTrue\t"
             "False\tFalse\tFalse\t   -1\t\r\n"
             "Phone\t  100\tPhone\t    5\t    0\tNo rules\tphone.exe\t\t\tFalse\tFalse\tFalse\t"
             "False\tFalse\tFalse\t   -1\t\r\n"},
        {"Tables/Group/Fields", kFieldsHeader},
        {"Users", "Name\tSecurity\tAccess\tUniqueID\tPassword\t\r\n"
                  "Chris\t1\t0\tU-1\tsecret\t\r\nDana\t0\t3\t\t\t\r\n"},
        {"Tables/Contact/Fields/City/PopupList",
         "ID\tValue\tRemark\t\r\n"
         "    0\tTown 0\tr\t\r\n    1\tTown 1\tr\t\r\n    2\tTown 2\tr\t\r\n"
         "    3\tTown 3\t\t\r\n    4\t\tr\t\r\n    5\tTown 5\tr\t\r\n"},
        {"Tables/Sales/Fields/Stage/PopupList", "ID\tValue\tRemark\t\r\n"},
    };
    for (const auto& [path, text] : cases) {
        w.Click(path);
        EXPECT_EQ(Copy(), text) << path;
    }
}

TEST_F(CopyTableTest, ConfirmsEvenForAnEmptyListAndCopiesCellsUnchanged) {
    EXPECT_EQ(Copy(), "\r\n");
    EXPECT_EQ(w.Forms().Messages(),
              (std::vector<testsupport::MessageCall>{
                  {"The current table is now in the clipboard.", forms::vbInformation, ""}}));

    auto& list = w.List();
    for (const char* header : {"A", "B", "C"}) {
        list.ColumnHeadersAdd("", header);
    }
    list.SetSubItemText(list.ListItemsAdd("", "x\ty"), 2, "line\r\nbreak");
    EXPECT_EQ(Copy(), "A\tB\tC\t\r\nx\ty\t\tline\r\nbreak\t\r\n");
}

} // namespace
