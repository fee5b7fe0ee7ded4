#include "scan/modStrukturScan.h"

#include "scan/modTreeviewFunktionen.h"

#include <string>

namespace veltrano::scan {

const std::array<TabellenEintrag, 7> kTabellen{{
    {"Contact", &act::Database::ContactTable},
    {"Group", &act::Database::GroupTable},
    {"NoteHistory", &act::Database::NoteHistoryTable},
    {"Activity", &act::Database::ActivityTable},
    {"Sales", &act::Database::SalesTable},
    {"ListTable", &act::Database::ListTable},
    {"Email", &act::Database::EmailTable},
}};

namespace {

TreeView::Index AddChild(TreeView& tree, TreeView::Index parent, std::string_view text,
                         std::string_view image, std::string_view tag) {
    const TreeView::Index node = tree.Add(parent, TreeView::tvwChild, {}, text, image);
    if (!tag.empty()) {
        tree.SetTag(node, tag);
    }
    return node;
}

} // namespace

std::int32_t ScanDatabase(act::Database& db, TreeView& tree, controls::StatusBar::Panel& status,
                          forms::FormsRuntime& forms, controls::StatusBar::Panel* progress,
                          ScanEvents::Clock::duration eventInterval) {
    ScanEvents events(forms, progress, eventInterval);
    tree.Clear();
    tree.SetLabelEdit(TreeView::tvwManual);

    const std::string path = db.FilePath();
    const std::string name = db.Name();
    const TreeView::Index databaseNode = tree.Add(0, TreeView::tvwLast, path, name, "Datenbank");
    tree.SetTag(databaseNode, "Datenbank");

    status.SetText("Reading database structure...");
    events.Run();

    const TreeView::Index tablesNode = AddChild(tree, databaseNode, "Tables", "Tabellen", {});
    std::int32_t reported = 0;
    for (const TabellenEintrag& tabelle : kTabellen) {
        reported += TabelleInTreeview(tree, tablesNode, db, tabelle, events);
    }
    BenutzerInTreeview(tree, databaseNode, db, events);

    status.SetText("Closing ACT! database...");
    forms.DoEvents();
    return reported;
}

std::int32_t TabelleInTreeview(TreeView& tree, TreeView::Index tablesNode, act::Database& db,
                               const TabellenEintrag& tabelle, ScanEvents& events) {
    act::Table table = (db.*tabelle.accessor)();
    const TreeView::Index tableNode =
        AddChild(tree, tablesNode, tabelle.text, "Tabelle", "Tabelle");
    const TreeView::Index fieldsNode = AddChild(tree, tableNode, "Fields", "Felder", "Felder");

    act::Fields fields = table.GetFields();
    std::int32_t reported = 0;
    const std::int16_t count = fields.Count();
    for (std::int16_t position = 0; position < count; ++position) {
        reported +=
            FeldInTreeview(tree, fieldsNode, fields, fields.FieldID(position), events.Forms());
        events.Step(tabelle.text, position + 1, count);
    }

    EigenschaftInTreeview(tree, tableNode, "Name", table.Name());
    EigenschaftInTreeview(tree, tableNode, "Field Count", std::to_string(table.FieldCount()));
    EigenschaftInTreeview(tree, tableNode, "Record Count", std::to_string(table.RecordCount()));
    return reported;
}

void BenutzerInTreeview(TreeView& tree, TreeView::Index databaseNode, act::Database& db,
                        ScanEvents& events) {
    act::Users users = db.GetUsers();
    const TreeView::Index usersNode = AddChild(tree, databaseNode, "Users", "Users", "Users");

    const std::int16_t count = users.Count();
    for (std::int16_t position = 0; position < count; ++position) {
        const TreeView::Index user =
            AddChild(tree, usersNode, users.Name(position), "User", "User");
        EigenschaftInTreeview(tree, user, "Security", std::to_string(users.Security(position)));
        EigenschaftInTreeview(tree, user, "Access", std::to_string(users.Access(position)));
        EigenschaftInTreeview(tree, user, "UniqueID", users.UniqueID(position));
        EigenschaftInTreeview(tree, user, "Password", users.Password(position));
        events.Step("Users", position + 1, count);
    }
    EigenschaftInTreeview(tree, usersNode, "Count", std::to_string(users.Count()));
}

} // namespace veltrano::scan
