#include "act/SurveyDatabase.h"

#include "act/LoginSequence.h"
#include "act/clACTApplication.h"
#include "app/ErrorReport.h"
#include "app/ScopeGuard.h"
#include "scan/modStrukturScan.h"
#include "winsvc/clFileDialog.h"

namespace veltrano::act {

namespace {

constexpr std::int32_t OFN_FILEMUSTEXIST = 0x1000;

// Asks for a database file; nullopt when the user cancels.
std::optional<std::string> ChooseDatabaseFile(app::frmHaupt& form) {
    winsvc::clFileDialog dialog(form.Services().comdlg32, form.Forms());
    dialog.DialogTitle("Open ACT! database");
    dialog.DefaultExt("*.dbf");
    dialog.Flags(OFN_FILEMUSTEXIST);
    dialog.Filter("ACT! database (*.dbf)|*.dbf");
    if (!dialog.Show(true)) {
        return std::nullopt;
    }
    return dialog.FileName();
}

// The list showed nodes of the tree that the scan replaces: it goes with them.
void ScanIntoWindow(app::frmHaupt& form, Database& db) {
    form.lvACT.ListItemsClear();
    form.lvACT.ColumnHeadersClear();
    form.SetListSource(0);
    scan::ScanDatabase(db, form.tvACT, *form.StatusPanel, form.Forms());
}

void OpenAndScan(app::frmHaupt& form, clACTApplication& wrapper, Database& db,
                 const std::optional<std::string>& chosenFile) {
    auto& forms = form.Forms();
    auto& status = *form.StatusPanel;

    if (!chosenFile) {
        const bool running = wrapper.ACTgestartet();
        const std::string runningPath = wrapper.ACTDatenbank();
        if (running && !runningPath.empty()) {
            db.Open("");
            // Scanning a database that did not open would read nothing but errors.
            if (!db.IsOpen()) {
                forms.MsgBox("Error while opening ACT!-databse " + runningPath,
                             forms::vbExclamation);
                return;
            }
            ScanIntoWindow(form, db);
            return;
        }
    }

    std::string path;
    if (chosenFile) {
        path = *chosenFile;
    } else {
        status.SetText("Open ACT! database");
        forms.DoEvents();
        auto chosen = ChooseDatabaseFile(form);
        if (!chosen) {
            return;
        }
        path = std::move(*chosen);
    }

    status.SetText("Opening ACT! database " + path + "...");
    forms.DoEvents();
    db.Open(path);

    if (db.LoginRequired()) {
        if (RunLoginSequence(db, path, status, forms) == LoginResult::Cancelled) {
            return;
        }
    } else if (!db.IsOpen()) {
        forms.MsgBox("Error while opening ACT!-databse " + path, forms::vbExclamation);
        return;
    }
    ScanIntoWindow(form, db);
}

} // namespace

void CloseDatabase(Database& db, forms::FormsRuntime& forms) {
    if (!db) {
        return;
    }
    try {
        if (db.IsOpen()) {
            db.Close();
        }
    } catch (...) {
        app::ReportCurrentException(forms);
    }
    db.Release();
}

void SurveyDatabase(app::frmHaupt& form, const std::optional<std::string>& chosenFile) {
    auto& forms = form.Forms();
    std::optional<clACTApplication> wrapper;
    Database db;

    const app::ScopeGuard closing([&] {
        CloseDatabase(db, forms);
        wrapper.reset();
        try {
            form.StatusPanel->SetText("");
            form.History.Clear();
            form.UpdateHistoryButtons();
            form.SetReady(true);
        } catch (...) {
            app::ReportCurrentException(forms);
        }
    });

    try {
        wrapper.emplace(form.Services().objects, form.Services().user32, forms);
        db = Database(form.Services().objects.CreateDatabase());
        form.StatusPanel->SetText("Opening current ACT! database...");
        form.SetReady(false);
        OpenAndScan(form, *wrapper, db, chosenFile);
    } catch (...) {
        app::ReportCurrentException(forms);
    }
}

} // namespace veltrano::act
