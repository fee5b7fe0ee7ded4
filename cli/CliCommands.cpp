#include "cli/CliCommands.h"

#include "cli/NodeLookup.h"
#include "cli/TreeOutput.h"
#include "detail/CopyTable.h"
#include "edit/FieldsListCells.h"
#include "edit/SaveChanges.h"
#include "edit/SearchReplace.h"

#include <ostream>

namespace veltrano::cli {

namespace {

using controls::ListView;

constexpr std::string_view kProgram = "veltrano-cli: ";

// Runs the survey and says what the system did not: that there was no database to read.
// True when there is a tree to work on.
bool SurveyTree(CliSession& session, const Arguments& args, std::ostream& err,
                SurveyResult& result) {
    result = session.Survey(args.database);
    if (result == SurveyResult::NoDatabase) {
        err << kProgram << "no DATABASE given, and no running ACT! has a database open";
        if (!session.WindowsProblem().empty()) {
            err << " (" << session.WindowsProblem() << ")";
        }
        err << '\n';
    }
    return result == SurveyResult::Read || result == SurveyResult::ReadWithFailures;
}

int StatusOf(CliSession& session) {
    return session.Forms().FailureReported() ? kExitFailure : kExitSuccess;
}

// Clicks the header until the list is sorted by it in the wanted order: a column that is
// already the sort column turns round at its first click, as in the window.
void SortByColumn(app::frmHaupt& form, std::int32_t column, bool descending) {
    const int wanted = descending ? ListView::lvwDescending : ListView::lvwAscending;
    for (int click = 0; click < 2; ++click) {
        form.OnColumnClick(column);
        if (form.lvACT.SortKey() == column - 1 && form.lvACT.SortOrder() == wanted) {
            return;
        }
    }
}

std::string ColumnTexts(const ListView& list) {
    std::string texts;
    for (std::int32_t c = 1; c <= list.ColumnCount(); ++c) {
        texts += (c == 1 ? "\"" : ", \"") + list.ColumnHeader(c).text + "\"";
    }
    return texts.empty() ? "none" : texts;
}

// The changed cells after Replace: field name, column header, old text, new text.
void WriteChangedCells(const ListView& list, std::ostream& out) {
    for (std::int32_t row = 1; row <= list.RowCount(); ++row) {
        for (const auto sub : {edit::kSubItemEntryTrigger, edit::kSubItemExitTrigger}) {
            const auto& cell = list.GetSubItem(row, sub);
            if (cell.bold) {
                out << list.Text(row) << '\t' << list.ColumnHeader(sub + 1).text << '\t' << cell.tag
                    << '\t' << cell.text << '\n';
            }
        }
    }
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Save reports its count only when the batch was committed.
int RunSave(CliSession& session) {
    auto& forms = session.Forms();
    forms.NextCommand();
    const std::size_t before = forms.Messages().size();
    session.Form().OnButtonClick("Save");
    bool saved = false;
    for (std::size_t i = before; i < forms.Messages().size(); ++i) {
        saved = saved || EndsWith(forms.Messages()[i].text, edit::kMessageSaved);
    }
    return saved && !forms.FailureReported() ? kExitSuccess : kExitFailure;
}

} // namespace

int RunSurvey(CliSession& session, const Arguments& args, std::ostream& out, std::ostream& err) {
    SurveyResult result{};
    if (!SurveyTree(session, args, err, result)) {
        return kExitFailure;
    }
    if (args.json) {
        WriteJson(session.Form().tvACT, out);
    } else {
        WriteOutline(session.Form().tvACT, out);
    }
    return StatusOf(session);
}

int RunList(CliSession& session, const Arguments& args, std::ostream& out, std::ostream& err) {
    SurveyResult result{};
    if (!SurveyTree(session, args, err, result)) {
        return kExitFailure;
    }
    auto& form = session.Form();
    const auto node = FindNode(form.tvACT, args.node);
    if (node == 0) {
        err << kProgram << "the database has no node \"" << args.node << "\"\n";
        return kExitFailure;
    }
    form.tvACT.SetSelected(node);
    form.OnNodeClick();
    if (args.sortColumn) {
        const auto column = FindColumn(form.lvACT, *args.sortColumn);
        if (column == 0) {
            err << kProgram << "the list of \"" << args.node << "\" has no column \""
                << *args.sortColumn << "\" (columns: " << ColumnTexts(form.lvACT) << ")\n";
            return kExitFailure;
        }
        SortByColumn(form, column, args.descending);
    }
    out << detail::ListViewToText(form.lvACT);
    return StatusOf(session);
}

int RunReplace(CliSession& session, const Arguments& args, std::ostream& out, std::ostream& err) {
    SurveyResult result{};
    if (!SurveyTree(session, args, err, result)) {
        return kExitFailure;
    }
    if (result == SurveyResult::ReadWithFailures) {
        // Triggers of a database that was not read whole are not touched.
        err << kProgram << "nothing was replaced, as the database was not read without errors\n";
        return kExitFailure;
    }
    auto& form = session.Form();
    const std::string path = "Tables/" + args.table + "/Fields";
    const auto fieldsNode = FindNode(form.tvACT, path);
    if (fieldsNode == 0) {
        err << kProgram << "the database has no node \"" << path << "\"\n";
        return kExitFailure;
    }
    form.tvACT.SetSelected(fieldsNode);
    form.OnNodeClick();

    auto& forms = session.Forms();
    forms.AnswerInput(std::string(edit::kPromptSearch), args.searchText);
    forms.AnswerInput(std::string(edit::kPromptReplace), args.replaceText);
    form.OnButtonClick("Replace");
    WriteChangedCells(form.lvACT, out);
    out.flush();
    if (forms.FailureReported()) {
        return kExitFailure;
    }
    return args.save ? RunSave(session) : kExitSuccess;
}

int RunCommand(const Arguments& args, const LoginOptions& login, std::ostream& out,
               std::ostream& err) {
    int status = kExitFailure;
    {
        CliSession session(err, login);
        switch (args.command) {
        case Command::Survey:
            status = RunSurvey(session, args, out, err);
            break;
        case Command::List:
            status = RunList(session, args, out, err);
            break;
        case Command::Replace:
            status = RunReplace(session, args, out, err);
            break;
        case Command::None:
            status = kExitUsage;
            break;
        }
    }
    out.flush();
    if (!out) {
        err << kProgram << "the output could not be written\n";
        return kExitFailure;
    }
    return status;
}

} // namespace veltrano::cli
