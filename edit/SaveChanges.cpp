#include "edit/SaveChanges.h"

#include "act/LoginSequence.h"
#include "act/clACTApplication.h"
#include "app/ErrorReport.h"
#include "app/frmHaupt.h"
#include "base/ClosingSteps.h"
#include "edit/FieldIdText.h"
#include "edit/FieldsListCells.h"
#include "edit/TriggerNodes.h"
#include "platform/actole/AutomationError.h"
#include "scan/SurveyDatabase.h"
#include "scan/modStrukturScan.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace veltrano::edit {

namespace {

using controls::ListView;
using controls::TreeView;

// The changed cells of one list row.
struct RowChanges {
    std::int32_t row = 0;
    std::int16_t fieldId = 0;
    std::optional<std::string> entryTrigger;
    std::optional<std::string> exitTrigger;
};

struct SaveJob {
    std::string path;
    const scan::TabellenEintrag* table = nullptr;
    std::vector<RowChanges> rows; // every row of the list, in list order
    std::int32_t changeCount = 0;
};

std::optional<std::string> ChangedText(const ListView& list, std::int32_t row, std::int32_t sub) {
    const auto& cell = list.GetSubItem(row, sub);
    return cell.bold ? std::optional<std::string>(cell.text) : std::nullopt;
}

// The table of the Fields list shown, whatever the tree selects now; nullptr when its name is
// none of the seven.
const scan::TabellenEintrag* ShownTable(const app::frmHaupt& form, std::string& name) {
    const TreeView& tree = form.tvACT;
    name = std::string(tree.Text(tree.Parent(form.ShownFieldsNode())));
    for (const auto& table : scan::kTabellen) {
        if (table.text == name) {
            return &table;
        }
    }
    return nullptr;
}

// Reads what Save needs from the window. nullopt after a report when the list cannot be saved:
// a changed row whose ID does not fit a field ID would otherwise write into a wrong field.
std::optional<SaveJob> ReadSaveJob(app::frmHaupt& form) {
    SaveJob job;
    job.path = std::string(form.tvACT.Key(1));

    std::string tableName;
    job.table = ShownTable(form, tableName);
    if (job.table == nullptr) {
        app::ReportError(form.Forms(), ole::errors::kInvalidProcedureCall,
                         "Unknown table \"" + tableName + "\": its fields cannot be saved.");
        return std::nullopt;
    }

    const ListView& list = form.lvACT;
    const std::int32_t count = list.RowCount();
    job.rows.reserve(static_cast<std::size_t>(count));
    for (std::int32_t row = 1; row <= count; ++row) {
        RowChanges changes{row, 0, ChangedText(list, row, kSubItemEntryTrigger),
                           ChangedText(list, row, kSubItemExitTrigger)};
        if (changes.entryTrigger || changes.exitTrigger) {
            const std::string& idText = list.GetSubItem(row, kSubItemFieldId).text;
            const auto id = FieldIdFromText(idText);
            if (!id) {
                app::ReportError(form.Forms(), ole::errors::kOverflow,
                                 "Overflow: the ID \"" + idText + "\" of the field \"" +
                                     list.Text(row) + "\" is no field ID.");
                return std::nullopt;
            }
            changes.fieldId = *id;
            job.changeCount += (changes.entryTrigger ? 1 : 0) + (changes.exitTrigger ? 1 : 0);
        }
        job.rows.push_back(std::move(changes));
    }
    return job;
}

// After the commit: the written cells lose their marks and the tree holds the saved texts, so
// that the list rebuilt from it shows what the database holds.
void MarkSaved(app::frmHaupt& form, const SaveJob& job) {
    for (const auto& changes : job.rows) {
        const TreeView::Index field =
            form.tvACT.Find(std::string(job.table->text) + " " + std::to_string(changes.fieldId));
        if (changes.entryTrigger) {
            form.lvACT.SetSubItemBold(changes.row, kSubItemEntryTrigger, false);
            if (field != 0) {
                SetTriggerProperty(form.tvACT, field, "EntryTrigger", *changes.entryTrigger);
            }
        }
        if (changes.exitTrigger) {
            form.lvACT.SetSubItemBold(changes.row, kSubItemExitTrigger, false);
            if (field != 0) {
                SetTriggerProperty(form.tvACT, field, "ExitTrigger", *changes.exitTrigger);
            }
        }
    }
}

void ReportBatchFailure(forms::FormsRuntime& forms, std::string_view first, std::string_view second,
                        std::int16_t lastError) {
    const std::string errorLine = "Error #" + std::to_string(lastError);
    forms.MsgBox(app::JoinLines({first, second, errorLine}), forms::vbExclamation);
}

// Everything between the busy switch and the closing steps; returns early on every refusal
// and failure that it reports itself.
SaveResult OpenAndSave(app::frmHaupt& form, act::clACTApplication& wrapper, act::Database& db,
                       act::Fields& fields) {
    auto& forms = form.Forms();
    auto& status = *form.StatusPanel;

    const auto job = ReadSaveJob(form);
    if (!job) {
        return SaveResult{SaveResult::Outcome::Failed};
    }

    if (wrapper.HasDatabaseOpen(job->path)) {
        forms.MsgBox(kMessageCloseAct, forms::vbInformation);
        return SaveResult{SaveResult::Outcome::Refused};
    }

    status.SetText(kStatusOpening);
    form.SetReady(false);
    db.Open(job->path);
    if (db.LoginRequired()) {
        if (act::RunLoginSequence(db, job->path, status, forms) == act::LoginResult::Cancelled) {
            return SaveResult{SaveResult::Outcome::Cancelled};
        }
    } else if (!db.IsOpen()) {
        forms.MsgBox("Error while opening ACT! database " + job->path, forms::vbExclamation);
        return SaveResult{SaveResult::Outcome::Failed};
    }

    status.SetText(kStatusEnteringBatch);
    forms.DoEvents();
    fields = (db.*(job->table->accessor))().GetFieldsByName();
    if (!fields.BeginBatch()) {
        ReportBatchFailure(forms, "Can't save Data.", "Problem while entering in batch mode.",
                           fields.LastError());
        return SaveResult{SaveResult::Outcome::Failed};
    }

    status.SetText(kStatusSaving);
    forms.DoEvents();
    for (const auto& changes : job->rows) {
        if (changes.entryTrigger) {
            fields.SetEntryTrigger(changes.fieldId, *changes.entryTrigger);
        }
        if (changes.exitTrigger) {
            fields.SetExitTrigger(changes.fieldId, *changes.exitTrigger);
        }
        forms.DoEvents();
    }

    status.SetText(kStatusEndingBatch);
    forms.DoEvents();
    if (!fields.EndBatch()) {
        ReportBatchFailure(forms, "Problem while saving Data.", "Can't end batch mode.",
                           fields.LastError());
        return SaveResult{SaveResult::Outcome::Failed};
    }

    MarkSaved(form, *job);
    forms.MsgBox(std::to_string(job->changeCount) + std::string(kMessageSaved),
                 forms::vbInformation);
    return {SaveResult::Outcome::Saved, job->changeCount};
}

} // namespace

SaveResult SaveChanges(app::frmHaupt& form) {
    if (form.ShownFieldsNode() == 0) {
        // No Fields list of this tree is shown: nothing belongs to any table.
        return {SaveResult::Outcome::NothingShown};
    }
    auto& forms = form.Forms();
    std::optional<act::clACTApplication> wrapper;
    act::Database db;
    act::Fields fields;

    // Each step on its own: one that fails is reported, and the window still becomes ready.
    const base::ClosingSteps closing(
        app::StepReport(forms), [&] { fields.Release(); }, [&] { scan::CloseDatabase(db, forms); },
        [&] { wrapper.reset(); }, [&] { form.StatusPanel->SetText(""); },
        [&] { form.UpdateHistoryButtons(); }, [&] { form.SetReady(true); });

    try {
        form.StatusPanel->SetText(kStatusOpeningCurrent);
        form.SetReady(false);
        wrapper.emplace(form.Services().objects, form.Services().user32, forms);
        db = act::Database(form.Services().objects.CreateDatabase());
        return OpenAndSave(form, *wrapper, db, fields);
    } catch (...) {
        // Closing first rolls the batch back and gives up the write lock before the user reads
        // the report.
        fields.Release();
        scan::CloseDatabase(db, forms);
        app::ReportCurrentException(forms);
    }
    return {SaveResult::Outcome::Failed};
}

} // namespace veltrano::edit
