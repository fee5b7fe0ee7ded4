#pragma once

// veltrano-cli diff: two databases surveyed, each in a session of its own with its own login,
// and the differences of their trees printed.

#include "cli/CliArguments.h"
#include "cli/CliSession.h"

#include <iosfwd>

namespace veltrano::cli {

// The exit statuses of diff, as diff(1) has them.
inline constexpr int kExitSame = 0;
inline constexpr int kExitDifferent = 1;
inline constexpr int kExitTrouble = 2;

// A side's own --user-a/--password-a (or -b) come before login, the common one. Returns the
// exit status; a side that was not read (or not without errors) is named in a message on err.
int RunDiff(const Arguments& args, const LoginOptions& login, std::ostream& out, std::ostream& err);

} // namespace veltrano::cli
