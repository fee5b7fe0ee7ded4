#include "tools/ActStandInCommands.h"

namespace veltrano::tools {

// The running stand-in ACT! serves its application object over a Unix socket, which this
// system's build does not have.
int RunStandInApplication(const std::vector<std::string>&) {
    return Fail("run: a running stand-in ACT! is not available on this system");
}

} // namespace veltrano::tools
