#include "wiring/StandardCommands.h"

#include "detail/CopyTable.h"
#include "detail/DetailListe.h"
#include "detail/modListviewSort.h"
#include "edit/SaveChanges.h"
#include "edit/SearchReplace.h"
#include "scan/SurveyDatabase.h"
#include "scan/modKonstantenArrays.h"

namespace veltrano::wiring {

app::Commands StandardCommands() {
    app::Commands commands;
    commands.SurveyDatabase = [](app::frmHaupt& form) { scan::SurveyDatabase(form); };
    commands.CopyTable = detail::CopyTableToClipboard;
    commands.Search = edit::SearchEntries;
    commands.Replace = edit::ReplaceEntries;
    commands.Save = edit::SaveChanges;
    commands.Info = [](app::frmHaupt& form) { form.Forms().ShowAboutModal(); };
    commands.NodeClick = detail::OnNodeClick;
    commands.ColumnClick = detail::OnColumnClick;
    commands.ListDoubleClick = detail::OnListDoubleClick;
    return commands;
}

void Main(const std::function<void()>& showMainWindow) {
    scan::InitKonstantenArrays();
    showMainWindow();
}

} // namespace veltrano::wiring
