#pragma once

// The stand-in ACT! application as a whole: opens the database, registers the window, serves
// the application object until SIGINT, SIGTERM or SIGHUP, and cleans up after itself.

#include <filesystem>
#include <iosfwd>

namespace veltrano::ole::standin {

// Returns the exit status: 0 after a stop signal, 1 when the database or the registration
// folder cannot be used (the reason goes to err).
int RunStandInApp(const std::filesystem::path& database, std::ostream& out, std::ostream& err);

} // namespace veltrano::ole::standin
