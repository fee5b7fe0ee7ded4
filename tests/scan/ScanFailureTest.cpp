// Failures a stand-in database cannot produce: a failing member, a tree control that refuses.

#include "StandInFixture.h"
#include "platform/actole/AutomationError.h"
#include "platform/actole/DispatchIds.h"
#include "scan/modTreeviewFunktionen.h"
#include "support/OverridingDispatch.h"

namespace veltrano::scan::testing {
namespace {

// Lets adding a child of one node fail, as a control out of resources would.
class RefusingListener final : public TreeView::Listener {
public:
    explicit RefusingListener(TreeView::Index parent) : parent_(parent) {}
    void NodeAboutToBeAdded(TreeView::Index parent, std::int32_t) override {
        if (parent == parent_) {
            throw controls::ControlError(7, "Out of memory");
        }
    }

private:
    TreeView::Index parent_;
};

// Refuses the first popup count node, the step that the field procedure guards.
class RefusingPopupCount final : public TreeView::Listener {
public:
    explicit RefusingPopupCount(const TreeView& tree) : tree_(tree) {}
    void NodeAboutToBeAdded(TreeView::Index parent, std::int32_t) override {
        const auto first = parent == 0 ? 0 : tree_.Child(parent);
        const auto last = first == 0 ? 0 : tree_.LastSibling(first);
        if (!refused_ && last != 0 && tree_.Text(last) == "HasPopupList = True") {
            refused_ = true;
            throw controls::ControlError(7, "Out of memory");
        }
    }

private:
    const TreeView& tree_;
    bool refused_ = false;
};

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

TEST_F(ScanFailureOnFile, AnyFailureOfTheGuardedStepBecomesTheFieldMessage) {
    const auto file = Build([](StandInDatabaseWriter& w) {
        w.AddField(TableAccessor::Contact, {.id = 4, .name = "Region"});
        w.AddPopupList(TableAccessor::Contact, 4, {{"North", ""}});
        w.AddField(TableAccessor::Contact, {.id = 5, .name = "After"});
    });
    RefusingPopupCount refusing(tree);
    tree.SetListener(&refusing);
    Scan(file);
    tree.SetListener(nullptr);

    EXPECT_EQ(reported, 1);
    EXPECT_EQ(forms.Messages(),
              (std::vector<testsupport::MessageCall>{
                  {"Fehler in Funktion FeldInTreeview\r\nFehlernummer: 7\r\n"
                   "Fehlerbeschreibung: Out of memory\r\nFeldname: Region\r\nFeld ID:4",
                   48, ""}}));
    const auto list = tree.LastSibling(tree.Child(tree.ByKey("Contact 4")));
    EXPECT_EQ(ChildTexts(tree, tree.Child(list)),
              (Texts{"Value = Error", "Remark = Corrupt Popup"}));
    EXPECT_NE(tree.Find("Contact 5"), 0); // the scan went on
}

TEST(ScanFailure, PopupListNodeThatCannotBeAddedIsReportedAndSkipped) {
    TreeView tree;
    const auto field = tree.Add(0, TreeView::tvwLast, "Contact 9", "Region", "Feld");
    RefusingListener refusing(field);
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
