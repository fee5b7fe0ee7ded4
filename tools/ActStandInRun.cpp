#include "tools/ActStandInCommands.h"

#include "platform/actole/standin/application/AppRun.h"

#include <iostream>

namespace veltrano::tools {

int RunStandInApplication(const std::vector<std::string>& args) {
    if (args.size() != 1 || args.front().empty() || args.front().starts_with("-")) {
        return Fail("run: expects exactly one database FILE", kExitUsage);
    }
    return ole::standin::RunStandInApp(args.front(), std::cout, std::cerr);
}

} // namespace veltrano::tools
