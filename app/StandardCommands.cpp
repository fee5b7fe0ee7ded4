#include "app/StandardCommands.h"

#include "act/SurveyDatabase.h"
#include "detail/CopyTable.h"
#include "detail/DetailListe.h"
#include "detail/modListviewSort.h"
#include "edit/SaveChanges.h"
#include "edit/SearchReplace.h"
#include "scan/modKonstantenArrays.h"

namespace veltrano::app {

Commands StandardCommands() {
    Commands commands;
    commands.SurveyDatabase = [](frmHaupt& form) { act::SurveyDatabase(form); };
    commands.CopyTable = detail::CopyTableToClipboard;
    commands.Search = edit::SearchEntries;
    commands.Replace = [](frmHaupt& form) { edit::ReplaceEntries(form); };
    commands.Save = [](frmHaupt& form) { edit::SaveChanges(form); };
    commands.Info = [](frmHaupt& form) { form.Forms().ShowAboutModal(); };
    commands.NodeClick = detail::OnNodeClick;
    commands.ColumnClick = detail::OnColumnClick;
    commands.ListDoubleClick = detail::OnListDoubleClick;
    return commands;
}

void Main(const std::function<void()>& showMainWindow) {
    scan::InitKonstantenArrays();
    showMainWindow();
}

} // namespace veltrano::app
