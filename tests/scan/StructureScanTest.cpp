// The scan of a whole stand-in database: the node model, a second scan that replaces it, and the
// events run by the clock during the scan with the progress shown in the second panel then.

#include "StandInFixture.h"
#include "support/StatusRecorder.h"

#include <chrono>

namespace veltrano::scan::testing {
namespace {

using StructureScan = StandInScan;

// One node: indent, index, text, [tag], {key}, (image).
std::string Line(int depth, int index, std::string_view text, std::string_view tag,
                 std::string_view key, std::string_view image) {
    return std::string(static_cast<std::size_t>(depth) * 2, ' ') + std::to_string(index) + " " +
           std::string(text) + " [" + std::string(tag) + "] {" + std::string(key) + "} (" +
           std::string(image) + ")\n";
}

// The whole tree in preorder.
std::string Outline(const TreeView& tree, TreeView::Index first = 0, int depth = 0) {
    std::string out;
    for (TreeView::Index node = first == 0 ? tree.Root() : first; node != 0;
         node = tree.Next(node)) {
        out += Line(depth, node, tree.Text(node), tree.Tag(node), tree.Key(node), tree.Image(node));
        if (tree.Child(node) != 0) {
            out += Outline(tree, tree.Child(node), depth + 1);
        }
    }
    return out;
}

TEST_F(StructureScan, BuildsTheNodeModelThatASecondScanReplaces) {
    const auto file = Build(
        [](StandInDatabaseWriter& w) {
            w.SetTableName(TableAccessor::Contact, "Contacts");
            w.AddField(TableAccessor::Contact, {.id = 25,
                                                .name = "Company",
                                                .length = 40,
                                                .decimalPlaces = 2,
                                                .entryTrigger = "in.exe",
                                                .exitTrigger = "out.exe",
                                                .initialValue = "ACME",
                                                .isIndexed = true,
                                                .isBlockSync = true,
                                                .isSortable = true});
            w.AddPopupList(TableAccessor::Contact, 25, {{"A", "r"}});
            w.AddRecord(TableAccessor::Contact, "R1");
            w.AddUser({.name = "Chris", .uniqueId = "U1", .security = 2, .access = 70000});
        },
        "Outline");
    tree.SetLabelEdit(TreeView::tvwAutomatic);
    Scan(file);
    EXPECT_EQ(reported, 0);

    int index = 0;
    std::string expected = Line(0, ++index, "Outline", "Datenbank", file.string(), "Datenbank");
    expected += Line(1, ++index, "Tables", "", "", "Tabellen");
    const auto node = [&](int depth, std::string_view text, std::string_view tag) {
        expected += Line(depth, ++index, text, tag, "", tag);
    };
    const auto property = [&](int depth, std::string_view text) {
        node(depth, text, "Eigenschaft");
    };
    for (const auto& tabelle : kTabellen) {
        node(2, tabelle.text, "Tabelle");
        node(3, "Fields", "Felder");
        const bool contact = tabelle.text == "Contact";
        if (contact) {
            expected += Line(4, ++index, "Company", "Feld", "Contact 25", "Feld");
            for (const char* text :
                 {"Type = String", "Length = 40", "DecimalPlaces = 2", "EntryRule = No rules",
                  "EntryTrigger = in.exe", "ExitTrigger = out.exe", "InitialValue = ACME",
                  "IsBlockSync = True", "IsCutHistory = False", "IsIndexed = True",
                  "IsPrimary = False", "IsSortable = True", "HasPopupList = True",
                  "PopupCount = 1"}) {
                property(5, text);
            }
            node(5, "PopupList", "PopupListe");
            node(6, "Item 0", "PopupItem");
            property(7, "Value = A");
            property(7, "Remark = r");
            property(3, "Name = Contacts");
        }
        property(3, contact ? "Field Count = 1" : "Field Count = 0");
        property(3, contact ? "Record Count = 1" : "Record Count = 0");
    }
    node(1, "Users", "Users");
    node(2, "Chris", "User");
    property(3, "Security = 2");
    property(3, "Access = 70000");
    property(3, "UniqueID = U1");
    property(2, "Count = 1");

    EXPECT_EQ(Outline(tree), expected);
    EXPECT_EQ(tree.LabelEdit(), TreeView::tvwManual);
    EXPECT_EQ(status.Panels("Status").Text(), "Closing ACT! database...");

    Scan(file);
    EXPECT_EQ(Outline(tree), expected);
}

TEST_F(StructureScan, EventsRunAsTheClockSaysWithProgressInTheSecondPanel) {
    const auto file = Build([](StandInDatabaseWriter& w) {
        for (std::int16_t id = 1; id <= 3; ++id) {
            w.AddField(TableAccessor::Contact, {.id = id, .name = "F" + std::to_string(id)});
        }
        w.AddField(TableAccessor::Sales, {.id = 7, .name = "Amount"});
        w.AddUser({.name = "Ann"});
        w.AddUser({.name = "Bob"});
    });
    const std::pair<ScanEvents::Clock::duration, Texts> cases[] = {
        // The interval is over at every step.
        {std::chrono::nanoseconds(0),
         {"Status: Reading database structure...", "Progress: Contact 1/3", "Progress: Contact 2/3",
          "Progress: Contact 3/3", "Progress: Sales 1/1", "Progress: Users 1/2",
          "Progress: Users 2/2", "Status: Closing ACT! database..."}},
        // Within the interval events run only at the start and the end.
        {std::chrono::hours(1),
         {"Status: Reading database structure...", "Status: Closing ACT! database..."}},
    };
    // The progress is set only when events run.
    for (const auto& [interval, seen] : cases) {
        testsupport::StatusRecorder recorder(true);
        status.SetListener(&recorder);
        Scan(file, interval);
        status.SetListener(nullptr);
        EXPECT_EQ(recorder.texts, seen);
    }
}

} // namespace
} // namespace veltrano::scan::testing
