// Failures a stand-in database cannot produce: a failing member, a tree control that refuses.
// A popup list that cannot be read is in FieldNodesTest.

#include "StandInFixture.h"
#include "platform/actole/AutomationError.h"
#include "platform/actole/DispatchIds.h"
#include "scan/modTreeviewFunktionen.h"
#include "support/OverridingDispatch.h"

namespace veltrano::scan::testing {
namespace {

using ScanFailureOnFile = StandInScan;

TEST_F(ScanFailureOnFile, FailingTableAccessorPropagatesAndKeepsThePartialTree) {
    const auto file = Build([](StandInDatabaseWriter& w) {
        w.SetTableName(TableAccessor::Contact, "Contact");
        w.AddField(TableAccessor::Contact, {.id = 3, .name = "Company"});
        w.AddRecord(TableAccessor::Contact, "C1");
        w.AddRecord(TableAccessor::Contact, "C2");
    });
    // The Group table fails, as in an ACT! that lost it.
    act::Database db(std::make_shared<testsupport::OverridingDispatch>(
        ole::standin::CreateStandInDatabase([] { return std::string(); }),
        std::map<std::int32_t, testsupport::OverridingDispatch::Override>{
            {ole::dispid::kDatabaseGroupTable,
             testsupport::Raising(-2147467259, "Unspecified error")}}));
    db.Open(file.string());
    try {
        ScanDatabase(db, tree, status.Panels("Status"), forms);
        FAIL() << "the failing accessor must reach the caller";
    } catch (const ole::AutomationError& e) {
        EXPECT_EQ(e.Number(), -2147467259);
        EXPECT_EQ(e.Description(), "Unspecified error");
    }
    db.Close();

    const auto tables = tree.Child(tree.Root());
    EXPECT_EQ(ChildTexts(tree, tree.Root()), Texts{"Tables"});
    EXPECT_EQ(ChildTexts(tree, tables), Texts{"Contact"});
    EXPECT_EQ(ChildTexts(tree, tree.Child(tables)),
              (Texts{"Fields", "Name = Contact", "Field Count = 1", "Record Count = 2"}));
    EXPECT_EQ(tree.Children(tree.ByKey("Contact 3")), 11);
    EXPECT_EQ(status.Panels("Status").Text(), "Reading database structure...");
    EXPECT_TRUE(forms.Messages().empty());
}

TEST(ScanFailure, PopupListNodeThatCannotBeAddedIsReportedAndSkipped) {
    // Adding a child of the field fails, as in a control out of resources.
    struct RefusingListener final : TreeView::Listener {
        void NodeAboutToBeAdded(TreeView::Index, std::int32_t) override {
            throw controls::ControlError(7, "Out of memory");
        }
    } refusing;
    TreeView tree;
    const auto field = tree.Add(0, TreeView::tvwLast, "Contact 9", "Region", "Feld");
    tree.SetListener(&refusing);
    testsupport::ScriptedForms forms;

    EXPECT_EQ(AddPopupList(tree, field, act::PopupList{}, forms), 1);

    tree.SetListener(nullptr);
    EXPECT_EQ(tree.Children(field), 0);
    EXPECT_EQ(
        forms.Messages(),
        (std::vector<testsupport::MessageCall>{
            {"Error in Method AddPopupList\r\nndStart=\"Region\"\r\nOut of memory", 48, ""}}));
}

} // namespace
} // namespace veltrano::scan::testing
