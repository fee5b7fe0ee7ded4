#include "wiring/MainForm.h"

#include "detail/CopyTable.h"
#include "detail/DetailListe.h"
#include "detail/modListviewSort.h"
#include "edit/SaveChanges.h"
#include "edit/SearchReplace.h"
#include "scan/SurveyDatabase.h"
#include "scan/modKonstantenArrays.h"

namespace veltrano::wiring {

namespace {

// The commands and handlers of the subsystems, as the main window runs them.
app::Commands StandardCommands() {
    app::Commands commands;
    commands.SurveyDatabase = [](app::frmHaupt& form) { scan::SurveyDatabase(form); };
    commands.CopyTable = detail::CopyTableToClipboard;
    commands.Search = edit::SearchEntries;
    commands.Replace = [](app::frmHaupt& form) { edit::ReplaceEntries(form); };
    commands.Save = [](app::frmHaupt& form) { edit::SaveChanges(form); };
    commands.Info = [](app::frmHaupt& form) { form.Forms().ShowAboutModal(); };
    commands.NodeClick = detail::OnNodeClick;
    commands.ColumnClick = detail::OnColumnClick;
    commands.ListDoubleClick = detail::OnListDoubleClick;
    commands.SearchAgain = edit::SearchAgain;
    commands.CopyRows = detail::CopyRowsToClipboard;
    return commands;
}

} // namespace

app::frmHaupt MainForm(app::Platform platform) {
    scan::InitKonstantenArrays();
    return app::frmHaupt(platform, StandardCommands());
}

} // namespace veltrano::wiring
