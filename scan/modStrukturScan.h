#pragma once

// The structure scan: reads an open ACT! database into the structure tree.

#include "act/ActObjects.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TreeView.h"
#include "platform/forms/FormsRuntime.h"
#include "scan/ScanEvents.h"

#include <array>
#include <string_view>

namespace veltrano::scan {

using controls::TreeView;

// One of the seven tables: its node text and the Database operation that yields it.
struct TabellenEintrag {
    std::string_view text;
    act::Table (act::Database::*accessor)();
};

// The seven tables in scanning order.
extern const std::array<TabellenEintrag, 7> kTabellen;

// Empties the tree and rebuilds it from the open database. Only the popup-list steps of the
// field procedures are guarded; any other failure is passed on and the tree keeps what was
// built up to it. Returns how many failures the guarded steps reported. Events run at least
// every eventInterval of reading; progress, when given, shows then how far the scan has come.
std::int32_t ScanDatabase(act::Database& db, TreeView& tree, controls::StatusBar::Panel& status,
                          forms::FormsRuntime& forms,
                          controls::StatusBar::Panel* progress = nullptr,
                          ScanEvents::Clock::duration eventInterval = ScanEvents::kDefaultInterval);

// Reads one table, its fields and its own properties under the tables container; returns the
// failures reported on the way.
std::int32_t TabelleInTreeview(TreeView& tree, TreeView::Index tablesNode, act::Database& db,
                               const TabellenEintrag& tabelle, ScanEvents& events);

// Reads the users under the database node.
void BenutzerInTreeview(TreeView& tree, TreeView::Index databaseNode, act::Database& db,
                        ScanEvents& events);

} // namespace veltrano::scan
