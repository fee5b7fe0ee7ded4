#include "cli/CliCommands.h"

#include "app/ErrorReport.h"
#include "cli/DiffCommand.h"
#include "cli/NodeLookup.h"
#include "cli/TextEscape.h"
#include "cli/TreeOutput.h"
#include "detail/CopyTable.h"
#include "detail/DetailListe.h"
#include "detail/modListviewSort.h"
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
        // A running ACT! that is too busy to answer is not one that has no database open.
        err << kProgram << "no DATABASE given, and "
            << (session.RunningActDidNotAnswer() ? "the running ACT! did not answer"
                                                 : "no running ACT! has a database open");
        if (!session.WindowsProblem().empty()) {
            err << " (" << session.WindowsProblem() << ")";
        }
        err << '\n';
    }
    return result == SurveyResult::Read || result == SurveyResult::ReadWithFailures;
}

int StatusOf(SurveyResult result) {
    return result == SurveyResult::Read ? kExitSuccess : kExitFailure;
}

// Clicks the header until the list is sorted by it in the wanted order: a column that is
// already the sort column turns round at its first click, as in the window.
void SortByColumn(app::frmHaupt& form, std::int32_t column, bool descending) {
    const int wanted = descending ? ListView::lvwDescending : ListView::lvwAscending;
    for (int click = 0; click < 2; ++click) {
        detail::OnColumnClick(form, column);
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

// The changed cells: field name, column header, old text, new text.
void WriteChangedCells(const ListView& list, const std::vector<edit::ChangedCell>& cells,
                       std::ostream& out) {
    for (const auto& cell : cells) {
        out << EscapeText(list.Text(cell.row)) << '\t'
            << EscapeText(list.ColumnHeader(cell.column + 1).text) << '\t'
            << EscapeText(cell.before) << '\t' << EscapeText(cell.after) << '\n';
    }
}

// Shows the list of a node as a click on it does; a failure is reported and ends the command.
bool ShowList(CliSession& session, controls::TreeView::Index node) {
    auto& form = session.Form();
    form.tvACT.SetSelected(node);
    try {
        detail::OnNodeClick(form);
        return true;
    } catch (...) {
        app::ReportCurrentException(session.Forms());
        return false;
    }
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
    return StatusOf(result);
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
    if (!ShowList(session, node)) {
        return kExitFailure;
    }
    if (args.sortColumn) {
        const auto column = FindColumn(form.lvACT, *args.sortColumn);
        if (column == 0) {
            err << kProgram << "the list of \"" << args.node << "\" has no column \""
                << *args.sortColumn << "\" (columns: " << ColumnTexts(form.lvACT) << ")\n";
            return kExitFailure;
        }
        SortByColumn(form, column, args.descending);
    }
    out << detail::ListViewToText(form.lvACT, EscapeText);
    return StatusOf(result);
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
    if (!ShowList(session, fieldsNode)) {
        return kExitFailure;
    }
    WriteChangedCells(form.lvACT, edit::ReplaceAll(form, args.searchText, args.replaceText), out);
    out.flush();
    if (!args.save) {
        return kExitSuccess;
    }
    session.Forms().NextCommand();
    const auto saved = edit::SaveChanges(form);
    return saved.outcome == edit::SaveResult::Outcome::Saved ? kExitSuccess : kExitFailure;
}

int FailureStatus(Command command) {
    return command == Command::Diff ? kExitTrouble : kExitFailure;
}

int RunCommand(const Arguments& args, const LoginOptions& login, std::ostream& out,
               std::ostream& err) {
    int status = kExitFailure;
    if (args.command == Command::Diff) {
        status = RunDiff(args, login, out, err);
    } else {
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
        case Command::Diff:
            status = kExitUsage;
            break;
        }
    }
    out.flush();
    if (!out) {
        err << kProgram << "the output could not be written\n";
        // Save's message is on standard error already; the status says the data was written.
        const bool saved = args.command == Command::Replace && args.save && status == kExitSuccess;
        return saved ? kExitSavedOutputFailed : FailureStatus(args.command);
    }
    return status;
}

} // namespace veltrano::cli
