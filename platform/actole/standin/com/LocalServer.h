#pragma once

// `act-standin run FILE` on Windows: ACT! running with FILE open. Registers the class object of
// the stand-in application (found through "ACTOLE.APPOBJECT") while it runs, and shows a visible
// top-level window of class "ActStandInFrame" captioned "ACT! - " + the database name, so that
// the window search finds it. Runs until the window is closed or Ctrl+C.

#include <filesystem>
#include <iosfwd>

namespace veltrano::ole::standin::com {

// Returns the exit status: 0 once stopped, 1 when the database cannot be used or the class
// object or the window cannot be registered (the reason goes to err).
int RunStandInComServer(const std::filesystem::path& database, std::ostream& out,
                        std::ostream& err);

} // namespace veltrano::ole::standin::com
