// Failures a stand-in database cannot produce, played by scripted automation objects.

#include "StandInFixture.h"
#include "platform/actole/AutomationError.h"
#include "scan/modTreeviewFunktionen.h"

#include <map>

namespace veltrano::scan::testing {
namespace {

constexpr std::int32_t kUnspecified = -2147467259;

// Answers each member with its preset value and fails every other one; logs every call.
class FakeDispatch final : public ole::Dispatch {
public:
    FakeDispatch(std::vector<std::int32_t>& log, std::map<std::int32_t, ole::Variant> answers)
        : log_(log), answers_(std::move(answers)) {}

    ole::Variant Invoke(std::int32_t dispid, ole::InvokeKind,
                        std::span<const ole::Variant>) override {
        log_.push_back(dispid);
        const auto found = answers_.find(dispid);
        if (found == answers_.end()) {
            throw ole::AutomationError(kUnspecified, "Unspecified error");
        }
        return found->second;
    }
    ole::Variant InvokeByName(std::string_view, ole::InvokeKind,
                              std::span<const ole::Variant>) override {
        throw ole::AutomationError(ole::errors::kDispMemberNotFound, "Unknown name.");
    }

private:
    std::vector<std::int32_t>& log_;
    std::map<std::int32_t, ole::Variant> answers_;
};

constexpr std::int16_t I(int value) {
    return static_cast<std::int16_t>(value);
}

TEST(ScanFailure, FailingTableAccessorPropagatesAndKeepsThePartialTree) {
    // The Contact table has one plain field (ID 3); the Group table accessor (1110) fails.
    std::vector<std::int32_t> log;
    auto fields =
        std::make_shared<FakeDispatch>(log, std::map<std::int32_t, ole::Variant>{{1003, I(1)},
                                                                                 {1024, I(3)},
                                                                                 {1007, "Company"},
                                                                                 {1006, I(1)},
                                                                                 {1005, I(0)},
                                                                                 {1012, I(0)},
                                                                                 {1030, I(0)},
                                                                                 {1020, ""},
                                                                                 {1021, ""},
                                                                                 {1008, ""},
                                                                                 {1016, false},
                                                                                 {1014, false},
                                                                                 {1011, false},
                                                                                 {1015, false},
                                                                                 {1019, false},
                                                                                 {1023, false}});
    auto table = std::make_shared<FakeDispatch>(
        log, std::map<std::int32_t, ole::Variant>{{205, ole::DispatchPtr(fields)},
                                                  {204, "Contact"},
                                                  {206, I(1)},
                                                  {207, std::int32_t{2}}});
    act::Database db(std::make_shared<FakeDispatch>(
        log, std::map<std::int32_t, ole::Variant>{
                 {1136, "/data/fake.dbf"}, {1104, "Fake"}, {1106, ole::DispatchPtr(table)}}));
    TreeView tree;
    controls::StatusBar bar({"Status"});
    testsupport::ScriptedForms forms;

    try {
        ScanDatabase(db, tree, bar.Panels("Status"), forms);
        FAIL() << "the failing accessor must reach the caller";
    } catch (const ole::AutomationError& e) {
        EXPECT_EQ(e.Number(), kUnspecified);
        EXPECT_EQ(e.Description(), "Unspecified error");
    }

    const auto tables = tree.Child(tree.Root());
    EXPECT_EQ(ChildTexts(tree, tree.Root()), Texts{"Tables"});
    EXPECT_EQ(ChildTexts(tree, tables), Texts{"Contact"});
    EXPECT_EQ(ChildTexts(tree, tree.Child(tables)),
              (Texts{"Fields", "Name = Contact", "Field Count = 1", "Record Count = 2"}));
    EXPECT_EQ(tree.Children(tree.ByKey("Contact 3")), 11);
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
