// The detail lists of a tree scanned from the stand-in sample database.

#include "DetailFixture.h"

#include "act/ActObjects.h"
#include "platform/actole/standin/SampleDatabase.h"
#include "platform/actole/standin/StandInEngine.h"
#include "scan/modStrukturScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

namespace {

using namespace veltrano;
using namespace veltrano::testsupport;
using Strings = std::vector<std::string>;

class SampleDatabaseTest : public ::testing::Test {
protected:
    SampleDatabaseTest() {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() /
                  ("veltrano-detail-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directory(folder_);
        const auto file = folder_ / "sample.dbf";
        ole::standin::WriteSampleDatabase(file);

        act::Database db(ole::standin::CreateStandInDatabase([] { return std::string(); }));
        db.Open(file.string());
        if (db.LoginRequired()) {
            db.Login(std::string(ole::standin::kSampleUserName),
                     std::string(ole::standin::kSamplePassword));
        }
        scan::ScanDatabase(db, w.Tree(), *w.form->StatusPanel, w.Forms());
        db.Close();
    }
    ~SampleDatabaseTest() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    Index Field(std::string_view key) { return w.Tree().ByKey(key); }
    // The child of parent with this tag.
    Index ChildTagged(Index parent, std::string_view tag) {
        for (auto child = w.Tree().Child(parent); child != 0; child = w.Tree().Next(child)) {
            if (w.Tree().Tag(child) == tag) {
                return child;
            }
        }
        return 0;
    }
    // The row whose first cell is text, 0 when none.
    std::int32_t RowNamed(std::string_view text) {
        const auto names = w.Column(0);
        const auto it = std::find(names.begin(), names.end(), text);
        return it == names.end() ? 0 : static_cast<std::int32_t>(it - names.begin()) + 1;
    }

    DetailWindow w;
    ListView& list = w.List();

private:
    std::filesystem::path folder_;
};

TEST_F(SampleDatabaseTest, ContactFieldsListCopiesSixteenCellsPerLine) {
    const Index contactFields = w.Tree().Parent(Field("Contact 4"));
    w.Click(contactFields);
    ASSERT_EQ(list.RowCount(), 24);
    EXPECT_EQ(w.Row(RowNamed("Phone")),
              (Strings{"Phone", "    4", "Phone", "   25", "    0", "No rules",
                       "c:\\act\\tools\\dial.exe", "", "", "False", "False", "True", "False",
                       "False", "False", "   -1"}));
    EXPECT_EQ(w.Row(RowNamed("ID/Status"))[15], "    5");

    w.form->OnColumnClick(2);
    EXPECT_EQ(w.Column(1).front(), "    1");
    EXPECT_EQ(w.Column(1).back(), "   24");

    w.form->OnButtonClick("CopyTable");
    const std::string& text = w.Forms().ClipboardText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 25);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), 25 * 16);
    EXPECT_NE(text.find("\r\nCompany\t    1\tString\t   40\t"), std::string::npos);
}

TEST_F(SampleDatabaseTest, TableUsersAndPopupLists) {
    const Index contact = w.Tree().Parent(w.Tree().Parent(Field("Contact 4")));
    w.Click(contact);
    EXPECT_EQ(w.Column(0), (Strings{"Name", "Field Count", "Record Count"}));
    EXPECT_EQ(w.Column(1), (Strings{"Contacts", "24", "8"}));

    w.Click(ChildTagged(w.Tree().Root(), "Users"));
    EXPECT_EQ(w.Column(0), (Strings{"Chris Miller", "Pat Jordan", "Sam Rivera", "Front Desk"}));
    EXPECT_EQ(w.Row(4), (Strings{"Front Desk", "5", "1", "", ""}));

    w.Click(ChildTagged(Field("Contact 16"), "PopupListe"));
    ASSERT_EQ(list.RowCount(), 4);
    EXPECT_EQ(w.Row(4), (Strings{"    3", "", "Unknown: ask the contact"}));

    w.Click(ChildTagged(Field("Contact 22"), "PopupListe"));
    EXPECT_EQ(list.ColumnCount(), 3);
    EXPECT_EQ(list.RowCount(), 0);
}

TEST_F(SampleDatabaseTest, DoubleClickRevealsTheScannedField) {
    const Index city = Field("Contact 9");
    w.Click(w.Tree().Parent(city));
    list.SetSelectedItem(RowNamed("City"));
    w.form->OnListDoubleClick();
    EXPECT_TRUE(w.Tree().Expanded(city));
    EXPECT_TRUE(w.Tree().Expanded(w.Tree().Root()));
    EXPECT_EQ(w.Tree().SelectedItem(), w.Tree().Parent(city));
}

} // namespace
