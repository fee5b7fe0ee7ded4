#include "tools/ActStandInCommands.h"

#include "platform/actole/standin/com/LocalServer.h"
#include "platform/win32/windows/WideText.h"

#include <iostream>

namespace veltrano::tools {

int RunStandInApplication(const std::vector<std::string>& args) {
    if (args.size() != 1 || args.front().empty() || args.front().starts_with("-")) {
        return Fail("run: expects exactly one database FILE", kExitUsage);
    }
    return ole::standin::com::RunStandInComServer(win32::Widen(args.front()), std::cout, std::cerr);
}

} // namespace veltrano::tools
