#include "cli/DiffCommand.h"

#include "cli/DiffOutput.h"
#include "scan/StructureDiff.h"

#include <ostream>

namespace veltrano::cli {

namespace {

LoginOptions SideLogin(const std::optional<std::string>& user,
                       const std::optional<std::string>& password, const LoginOptions& common) {
    return {user ? user : common.user, password ? password : common.password};
}

// Surveys one side. False when it gave no tree; a tree read with failures is compared, but
// the comparison is then not complete.
bool SurveySide(CliSession& session, std::string_view side, const std::string& file,
                std::ostream& err, bool& complete) {
    const SurveyResult result = session.Survey(file);
    if (result == SurveyResult::Read) {
        return true;
    }
    err << "veltrano-cli: database " << side << " (" << file << ")";
    if (result == SurveyResult::ReadWithFailures) {
        err << " was read with errors, so its differences may be incomplete\n";
        complete = false;
        return true;
    }
    err << " was not read\n";
    return false;
}

} // namespace

int RunDiff(const Arguments& args, const LoginOptions& login, std::ostream& out,
            std::ostream& err) {
    CliSession sessionA(err, SideLogin(args.userA, args.passwordA, login));
    CliSession sessionB(err, SideLogin(args.userB, args.passwordB, login));
    bool complete = true;
    // Both sides are tried, so that one run tells every problem.
    const bool readA = SurveySide(sessionA, "A", args.database.value_or(""), err, complete);
    const bool readB = SurveySide(sessionB, "B", args.databaseB, err, complete);
    if (!readA || !readB) {
        return kExitTrouble;
    }
    const auto count =
        scan::CompareStructures(sessionA.Form().tvACT, sessionB.Form().tvACT, {args.ignored},
                                [&](const scan::Difference& difference) {
                                    if (args.json) {
                                        WriteDifferenceJson(difference, out);
                                    } else {
                                        WriteDifferenceText(difference, out);
                                    }
                                });
    if (!complete) {
        return kExitTrouble;
    }
    return count == 0 ? kExitSame : kExitDifferent;
}

} // namespace veltrano::cli
