// Field, property and popup-list nodes, read from stand-in databases.

#include "StandInFixture.h"

namespace veltrano::scan::testing {
namespace {

using FieldNodes = StandInScan;

TEST_F(FieldNodes, PropertiesInTableOrderWithoutEmptyTextsAndKeysOfTableAndId) {
    Scan(Build([](StandInDatabaseWriter& w) {
        w.AddField(TableAccessor::Contact, {.id = 1,
                                            .name = "Company",
                                            .type = 13,
                                            .length = 40,
                                            .entryRule = 4,
                                            .entryTrigger = R"(C:\ACT\check.exe)",
                                            .exitTrigger = "macro1",
                                            .initialValue = "ACME",
                                            .isIndexed = true,
                                            .isPrimary = true});
        w.AddField(TableAccessor::Contact, {.id = 2,
                                            .name = "Notes",
                                            .type = 0,
                                            .decimalPlaces = 2,
                                            .isCutHistory = true,
                                            .isBlockSync = true,
                                            .isSortable = true});
        w.AddField(TableAccessor::Contact,
                   {.id = 3, .name = "Odd", .type = 17, .length = -1, .entryRule = 9});
        w.SetTableName(TableAccessor::NoteHistory, "History of notes");
        w.AddField(TableAccessor::NoteHistory, {.id = 7, .name = "Regarding", .position = 1});
        w.AddField(TableAccessor::NoteHistory, {.id = 30, .name = "Date", .position = 0});
        w.AddField(TableAccessor::Group, {.id = 1, .name = "Group name"});
        w.AddField(TableAccessor::Email, {.id = -2, .name = "Negative"});
    }));

    EXPECT_EQ(FieldChildren("Contact 1"),
              (Texts{"Type = UniqueID", "Length = 40", "DecimalPlaces = 0", "EntryRule = Unkown",
                     R"(EntryTrigger = C:\ACT\check.exe)", "ExitTrigger = macro1",
                     "InitialValue = ACME", "IsBlockSync = False", "IsCutHistory = False",
                     "IsIndexed = True", "IsPrimary = True", "IsSortable = False",
                     "HasPopupList = False", "PopupCount = -1"}));
    EXPECT_EQ(FieldChildren("Contact 2"),
              (Texts{"Type = None", "Length = 0", "DecimalPlaces = 2", "EntryRule = No rules",
                     "IsBlockSync = True", "IsCutHistory = True", "IsIndexed = False",
                     "IsPrimary = False", "IsSortable = True", "HasPopupList = False",
                     "PopupCount = -1"}));
    const Texts odd = FieldChildren("Contact 3");
    EXPECT_EQ(Texts(odd.begin(), odd.begin() + 4),
              (Texts{"Type = 17", "Length = -1", "DecimalPlaces = 0", "EntryRule = 9"}));
    EXPECT_TRUE(forms.Messages().empty());

    // Keys join the table's node text and the field ID; fields come in position order.
    EXPECT_EQ(ChildTexts(tree, tree.Parent(tree.ByKey("NoteHistory 7"))),
              (Texts{"Date", "Regarding"}));
    EXPECT_EQ(tree.Text(tree.ByKey("Contact 1")), "Company");
    EXPECT_EQ(tree.Text(tree.ByKey("Group 1")), "Group name");
    EXPECT_EQ(tree.Text(tree.ByKey("Email -2")), "Negative");
}

std::vector<ole::standin::PopupEntry> Entries(int count) {
    std::vector<ole::standin::PopupEntry> entries;
    for (int i = 0; i < count; ++i) {
        entries.push_back({"V" + std::to_string(i), "R" + std::to_string(i)});
    }
    return entries;
}

TEST_F(FieldNodes, PopupListsWithTheirEntries) {
    Scan(Build([](StandInDatabaseWriter& w) {
        for (std::int16_t id = 4; id <= 7; ++id) {
            w.AddField(TableAccessor::Contact, {.id = id, .name = "List" + std::to_string(id)});
        }
        w.AddPopupList(TableAccessor::Contact, 4,
                       {{"North", "main office"}, {"South", ""}, {"", "remark only"}});
        w.AddPopupList(TableAccessor::Contact, 5, {});
        w.AddPopupList(TableAccessor::Contact, 6, Entries(500));
        w.AddPopupList(TableAccessor::Contact, 7, Entries(501));
    }));

    const Texts withList = FieldChildren("Contact 4");
    ASSERT_EQ(withList.size(), 12u);
    EXPECT_EQ(Texts(withList.end() - 3, withList.end()),
              (Texts{"HasPopupList = True", "PopupCount = 3", "PopupList"}));
    const auto list = LastChild(tree.ByKey("Contact 4"));
    EXPECT_EQ(tree.Tag(list), "PopupListe");
    EXPECT_EQ(ChildTexts(tree, list), (Texts{"Item 0", "Item 1", "Item 2"}));
    const auto item0 = tree.Child(list);
    EXPECT_EQ(ChildTexts(tree, item0), (Texts{"Value = North", "Remark = main office"}));
    EXPECT_EQ(ChildTexts(tree, tree.Next(item0)), Texts{"Value = South"});
    EXPECT_EQ(ChildTexts(tree, tree.LastSibling(item0)), Texts{"Remark = remark only"});

    EXPECT_EQ(FieldChildren("Contact 5")[10], "PopupCount = 0");
    EXPECT_EQ(tree.Children(LastChild(tree.ByKey("Contact 5"))), 0);
    const auto full = LastChild(tree.ByKey("Contact 6"));
    EXPECT_EQ(tree.Children(full), 500);
    EXPECT_EQ(tree.Text(LastChild(full)), "Item 499");
    const auto cut = LastChild(tree.ByKey("Contact 7"));
    EXPECT_EQ(tree.Children(cut), 100);
    EXPECT_EQ(tree.Text(LastChild(cut)), "Item 99");
    EXPECT_EQ(ChildTexts(tree, LastChild(cut)), (Texts{"Value = V99", "Remark = R99"}));
    EXPECT_EQ(forms.Messages(), (std::vector<testsupport::MessageCall>{
                                    {"PopupList have to much entries!\r\nField: List7\r\nKey: "
                                     "Contact 7\r\nCount: 501\r\nOnly the first 100 will be read.",
                                     48, ""}}));
    EXPECT_EQ(reported, 1);
}

TEST_F(FieldNodes, CorruptPopupListIsReportedAndTheScanGoesOn) {
    Scan(Build([](StandInDatabaseWriter& w) {
        w.AddField(TableAccessor::Group, {.id = 8, .name = "Broken", .hasPopupList = true});
        w.AddField(TableAccessor::Group, {.id = 9, .name = "After"});
    }));

    const Texts broken = FieldChildren("Group 8");
    ASSERT_EQ(broken.size(), 11u);
    EXPECT_EQ(Texts(broken.end() - 2, broken.end()), (Texts{"HasPopupList = True", "PopupList"}));
    const auto list = LastChild(tree.ByKey("Group 8"));
    EXPECT_EQ(ChildTexts(tree, list), Texts{"Item 0"});
    EXPECT_EQ(ChildTexts(tree, tree.Child(list)),
              (Texts{"Value = Error", "Remark = Corrupt Popup"}));
    EXPECT_EQ(forms.Messages(),
              (std::vector<testsupport::MessageCall>{
                  {"Fehler in Funktion FeldInTreeview\r\nFehlernummer: 20002\r\n"
                   "Fehlerbeschreibung: The drop-down list of field 8 of table Group (\"Broken\") "
                   "is corrupt: the list is missing.\r\nFeldname: Broken\r\nFeld ID:8",
                   48, ""}}));
    EXPECT_EQ(FieldChildren("Group 9").back(), "PopupCount = -1");
    EXPECT_EQ(reported, 1);
}

} // namespace
} // namespace veltrano::scan::testing
