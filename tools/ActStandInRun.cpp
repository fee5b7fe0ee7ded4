#include "tools/ActStandInCommands.h"

namespace veltrano::tools {

// Placeholder until the stand-in ACT! application is built.
int RunStandInApplication(const std::vector<std::string>& /*args*/) {
    return Fail("run: not available");
}

} // namespace veltrano::tools
