// Field and popup-list nodes: the names of type and rule codes, field order, and the popup lists
// that the scan cuts or cannot read. The property texts reach the detail list (tests/detail).

#include "StandInFixture.h"
#include "scan/modKonstantenArrays.h"
#include "scan/modTreeviewFunktionen.h"

namespace veltrano::scan::testing {
namespace {

TEST(KonstantenArrays, CodesOutsideTheTablesShowTheirNumber) {
    InitKonstantenArrays();
    EXPECT_EQ(FeldTypName(0), "None");
    EXPECT_EQ(FeldTypName(15), "String URL");
    EXPECT_EQ(FeldTypName(16), "16");
    EXPECT_EQ(FeldTypName(-1), "-1");
    EXPECT_EQ(EingabeRegelName(4), "Unkown");
    EXPECT_EQ(EingabeRegelName(5), "5");
    EXPECT_EQ(EingabeRegelName(-32768), "-32768");
}

using FieldNodes = StandInScan;

TEST_F(FieldNodes, PositionOrderAndPopupListsCutOrCorruptAreReportedAndTheScanGoesOn) {
    std::vector<ole::standin::PopupEntry> entries;
    for (int i = 0; i < 501; ++i) {
        entries.push_back({"V" + std::to_string(i), "R" + std::to_string(i)});
    }
    Scan(Build([&entries](StandInDatabaseWriter& w) {
        w.AddField(TableAccessor::NoteHistory, {.id = 7, .name = "Regarding", .position = 1});
        w.AddField(TableAccessor::NoteHistory, {.id = 30, .name = "Date", .position = 0});
        w.AddField(TableAccessor::Contact, {.id = 6, .name = "List6"});
        w.AddField(TableAccessor::Contact, {.id = 7, .name = "List7"});
        w.AddPopupList(TableAccessor::Contact, 6, {entries.begin(), entries.end() - 1});
        w.AddPopupList(TableAccessor::Contact, 7, entries);
        w.AddField(TableAccessor::Group, {.id = 8, .name = "Broken", .hasPopupList = true});
        w.AddField(TableAccessor::Group, {.id = 9, .name = "After"});
    }));

    EXPECT_EQ(ChildTexts(tree, tree.Parent(tree.ByKey("NoteHistory 7"))),
              (Texts{"Date", "Regarding"}));

    // 500 entries are read whole; of more only the first 100.
    const auto last = [this](TreeView::Index node) { return tree.LastSibling(tree.Child(node)); };
    EXPECT_EQ(tree.Children(last(tree.ByKey("Contact 6"))), 500);
    const auto cut = last(tree.ByKey("Contact 7"));
    EXPECT_EQ(tree.Children(cut), 100);
    EXPECT_EQ(ChildTexts(tree, last(cut)), (Texts{"Value = V99", "Remark = R99"}));

    // A list that cannot be read: no PopupCount, one item that says so.
    const Texts broken = ChildTexts(tree, tree.ByKey("Group 8"));
    ASSERT_EQ(broken.size(), 11u);
    EXPECT_EQ(Texts(broken.end() - 2, broken.end()), (Texts{"HasPopupList = True", "PopupList"}));
    EXPECT_EQ(ChildTexts(tree, tree.Child(last(tree.ByKey("Group 8")))),
              (Texts{"Value = Error", "Remark = Corrupt Popup"}));
    EXPECT_EQ(ChildTexts(tree, tree.ByKey("Group 9")).back(), "PopupCount = -1");

    EXPECT_EQ(forms.Messages(),
              (std::vector<testsupport::MessageCall>{
                  {"PopupList have to much entries!\r\nField: List7\r\nKey: Contact 7\r\nCount: "
                   "501\r\nOnly the first 100 will be read.",
                   48, ""},
                  {"Fehler in Funktion FeldInTreeview\r\nFehlernummer: 20002\r\n"
                   "Fehlerbeschreibung: The drop-down list of field 8 of table Group (\"Broken\") "
                   "is corrupt: the list is missing.\r\nFeldname: Broken\r\nFeld ID:8",
                   48, ""}}));
    EXPECT_EQ(reported, 2);
}

TEST(AddPopupList, ANodeThatCannotBeAddedIsReportedAndSkipped) {
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
    EXPECT_EQ(
        forms.Messages(),
        (std::vector<testsupport::MessageCall>{
            {"Error in Method AddPopupList\r\nndStart=\"Region\"\r\nOut of memory", 48, ""}}));
}

} // namespace
} // namespace veltrano::scan::testing
