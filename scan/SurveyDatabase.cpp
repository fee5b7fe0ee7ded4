#include "scan/SurveyDatabase.h"

#include "act/LoginSequence.h"
#include "act/clACTApplication.h"
#include "app/ErrorReport.h"
#include "base/ClosingSteps.h"
#include "scan/modStrukturScan.h"
#include "winsvc/clFileDialog.h"

namespace veltrano::scan {

using act::clACTApplication;
using act::Database;
using act::LoginResult;
using act::RunLoginSequence;

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

// The engine's reason, when it gives one, goes on the line below the message.
void ReportNotOpened(forms::FormsRuntime& forms, const std::string& path, Database& db) {
    std::string text = "Error while opening ACT!-databse " + path;
    if (const std::string reason = db.OpenError(); !reason.empty()) {
        text = app::JoinLines({text, reason});
    }
    forms.MsgBox(text, forms::vbExclamation);
}

// The list showed nodes of the tree that the scan replaces: it goes with them.
SurveyOutcome ScanIntoWindow(app::frmHaupt& form, Database& db) {
    form.lvACT.ListItemsClear();
    form.lvACT.ColumnHeadersClear();
    form.SetListSource(0);
    const auto reported =
        scan::ScanDatabase(db, form.tvACT, *form.StatusPanel, form.Forms(), &form.ProgressPanel());
    return reported == 0 ? SurveyOutcome::Read : SurveyOutcome::ReadWithFailures;
}

SurveyOutcome OpenAndScan(app::frmHaupt& form, clACTApplication& wrapper, Database& db,
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
                ReportNotOpened(forms, runningPath, db);
                return SurveyOutcome::NotOpened;
            }
            return ScanIntoWindow(form, db);
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
            return SurveyOutcome::Cancelled;
        }
        path = std::move(*chosen);
    }

    status.SetText("Opening ACT! database " + path + "...");
    forms.DoEvents();
    db.Open(path);

    if (db.LoginRequired()) {
        if (RunLoginSequence(db, path, status, forms) == LoginResult::Cancelled) {
            return SurveyOutcome::Cancelled;
        }
    } else if (!db.IsOpen()) {
        ReportNotOpened(forms, path, db);
        return SurveyOutcome::NotOpened;
    }
    return ScanIntoWindow(form, db);
}

} // namespace

bool CloseDatabase(Database& db, forms::FormsRuntime& forms) {
    if (!db) {
        return true;
    }
    bool closed = true;
    try {
        if (db.IsOpen()) {
            db.Close();
        }
    } catch (...) {
        app::ReportCurrentException(forms);
        closed = false;
    }
    db.Release();
    return closed;
}

SurveyOutcome SurveyDatabase(app::frmHaupt& form, const std::optional<std::string>& chosenFile) {
    auto& forms = form.Forms();
    const auto treeBefore = form.tvACT.Generation();
    SurveyOutcome outcome = SurveyOutcome::NotOpened;
    bool closingReported = false;
    {
        std::optional<clACTApplication> wrapper;
        Database db;
        const auto report = [&forms, &closingReported](const base::ErrorInfo& error) {
            closingReported = true;
            app::ReportError(forms, error);
        };
        const base::ClosingSteps closing(
            report, [&] { closingReported = !CloseDatabase(db, forms) || closingReported; },
            [&] { wrapper.reset(); }, [&] { form.StatusPanel->SetText(""); },
            [&] { form.ClearProgress(); }, [&] { form.History.Clear(); },
            [&] { form.UpdateHistoryButtons(); }, [&] { form.SetReady(true); });

        try {
            wrapper.emplace(form.Services().objects, form.Services().user32, forms);
            db = Database(form.Services().objects.CreateDatabase());
            form.StatusPanel->SetText("Opening current ACT! database...");
            form.SetReady(false);
            outcome = OpenAndScan(form, *wrapper, db, chosenFile);
        } catch (...) {
            app::ReportCurrentException(forms);
            // A scan that failed half-way leaves what it read.
            outcome = form.tvACT.Generation() != treeBefore ? SurveyOutcome::ReadWithFailures
                                                            : SurveyOutcome::NotOpened;
        }
    }
    if (closingReported && outcome == SurveyOutcome::Read) {
        return SurveyOutcome::ReadWithFailures;
    }
    return outcome;
}

} // namespace veltrano::scan
