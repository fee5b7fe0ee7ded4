#pragma once

// The commands of veltrano-cli, each on the window's own commands and models (diff:
// cli/DiffCommand.h).

#include "cli/CliArguments.h"
#include "cli/CliSession.h"

#include <iosfwd>

namespace veltrano::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
// replace --save committed its changes, but standard output could not be written.
inline constexpr int kExitSavedOutputFailed = 3;

// Results go to out, messages of the system and of the program to err. Returns the exit status.
int RunSurvey(CliSession& session, const Arguments& args, std::ostream& out, std::ostream& err);
int RunList(CliSession& session, const Arguments& args, std::ostream& out, std::ostream& err);
int RunReplace(CliSession& session, const Arguments& args, std::ostream& out, std::ostream& err);

// The status of a failure outside the command's own work (output, start-up): diff's trouble
// status, else failure.
int FailureStatus(Command command);

// Starts up as the window does (name tables first) and runs the parsed command.
int RunCommand(const Arguments& args, const LoginOptions& login, std::ostream& out,
               std::ostream& err);

} // namespace veltrano::cli
