// Failures a stand-in database cannot produce, played by scripted automation objects.

#include "FakeDispatch.h"
#include "TreeText.h"
#include "scan/modStrukturScan.h"
#include "scan/modTreeviewFunktionen.h"

#include "platform/controls/StatusBar.h"
#include "platform/forms/ScriptedForms.h"

#include <gtest/gtest.h>

namespace veltrano::scan {
namespace {

using testing::ChildTexts;
using testing::FakeDispatch;

constexpr std::int16_t I(int value) {
    return static_cast<std::int16_t>(value);
}

// A Contact table with one plain field (ID 3); every call is logged.
ole::DispatchPtr MakeContactTable(std::vector<std::int32_t>& log) {
    auto fields = FakeDispatch::Make(&log);
    fields->Returns(1003, I(1)).Returns(1024, I(3)).Returns(1007, "Company");
    for (int dispid : {1006, 1005, 1012, 1030}) {
        fields->Returns(dispid, I(dispid == 1006 ? 1 : 0));
    }
    for (int dispid : {1020, 1021, 1008}) {
        fields->Returns(dispid, "");
    }
    for (int dispid : {1016, 1014, 1011, 1015, 1019, 1023}) {
        fields->Returns(dispid, false);
    }
    auto table = FakeDispatch::Make(&log);
    table->Returns(205, ole::DispatchPtr(fields)).Returns(204, "Contact");
    table->Returns(206, I(1)).Returns(207, std::int32_t{2});
    return table;
}

TEST(ScanFailure, FailingTableAccessorPropagatesAndKeepsThePartialTree) {
    std::vector<std::int32_t> log;
    auto database = FakeDispatch::Make(&log);
    database->Returns(1136, "/data/fake.dbf").Returns(1104, "Fake");
    database->Returns(1106, ole::DispatchPtr(MakeContactTable(log)));
    database->Raises(1110, -2147467259, "Unspecified error");
    act::Database db(database);
    controls::TreeView tree;
    controls::StatusBar bar({"Status"});
    forms::ScriptedForms forms;

    try {
        ScanDatabase(db, tree, bar.Panels("Status"), forms);
        FAIL() << "the failing accessor must reach the caller";
    } catch (const ole::AutomationError& e) {
        EXPECT_EQ(e.Number(), -2147467259);
        EXPECT_EQ(e.Description(), "Unspecified error");
    }

    const auto tables = tree.Child(tree.Root());
    EXPECT_EQ(ChildTexts(tree, tree.Root()), std::vector<std::string>{"Tables"});
    EXPECT_EQ(ChildTexts(tree, tables), std::vector<std::string>{"Contact"});
    EXPECT_EQ(ChildTexts(tree, tree.Child(tables)),
              (std::vector<std::string>{"Fields", "Name = Contact", "Field Count = 1",
                                        "Record Count = 2"}));
    const auto field = tree.ByKey("Contact 3");
    EXPECT_EQ(ChildTexts(tree, field),
              (std::vector<std::string>{"Type = String", "Length = 0", "DecimalPlaces = 0",
                                        "EntryRule = No rules", "IsBlockSync = False",
                                        "IsCutHistory = False", "IsIndexed = False",
                                        "IsPrimary = False", "IsSortable = False",
                                        "HasPopupList = False", "PopupCount = -1"}));
    EXPECT_EQ(bar.Panels("Status").Text(), "Reading database structure...");
    EXPECT_TRUE(forms.Messages().empty());

    // Each value read once, in the order the tree shows it; HasPopupList is read again to decide
    // on the popup list.
    const std::vector<std::int32_t> expected{1136, 1104, 1106, 205,  1003, 1024, 1007, 1006, 1005,
                                             1012, 1030, 1020, 1021, 1008, 1016, 1014, 1011, 1015,
                                             1019, 1023, 1023, 204,  206,  207,  1110};
    EXPECT_EQ(log, expected);
}

// Lets adding a child of one node fail, as a control out of resources would.
class RefusingListener final : public controls::TreeView::Listener {
public:
    explicit RefusingListener(controls::TreeView::Index parent) : parent_(parent) {}
    void NodeAboutToBeAdded(controls::TreeView::Index parent, std::int32_t) override {
        if (parent == parent_) {
            throw controls::ControlError(7, "Out of memory");
        }
    }

private:
    controls::TreeView::Index parent_;
};

TEST(ScanFailure, PopupListNodeThatCannotBeAddedIsReportedAndSkipped) {
    controls::TreeView tree;
    const auto field = tree.Add(0, controls::TreeView::tvwLast, "Contact 9", "Region", "Feld");
    RefusingListener refusing(field);
    tree.SetListener(&refusing);
    forms::ScriptedForms forms;

    AddPopupList(tree, field, act::PopupList{}, forms);

    tree.SetListener(nullptr);
    EXPECT_EQ(tree.Children(field), 0);
    ASSERT_EQ(forms.Messages().size(), 1u);
    EXPECT_EQ(forms.Messages()[0],
              (forms::MessageCall{
                  "Error in Method AddPopupList\r\nndStart=\"Region\"\r\nOut of memory", 48, ""}));
}

} // namespace
} // namespace veltrano::scan
