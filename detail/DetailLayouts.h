#pragma once

// The four layouts of the detail list, each filled from one tree node.

#include "platform/controls/TreeView.h"

namespace veltrano::app {
class frmHaupt;
}

namespace veltrano::detail {

// "Felder": one row per field, sixteen columns; keyed "nd <first property node>".
void ShowFieldsList(app::frmHaupt& form, controls::TreeView::Index node);
// "Tabelle": Property / Value of the table's own property nodes.
void ShowTablePropertiesList(app::frmHaupt& form, controls::TreeView::Index node);
// "Users": one row per user with its security data.
void ShowUsersList(app::frmHaupt& form, controls::TreeView::Index node);
// "PopupListe": ID / Value / Remark of the entries.
void ShowPopupList(app::frmHaupt& form, controls::TreeView::Index node);

} // namespace veltrano::detail
