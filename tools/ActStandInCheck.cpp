#include "platform/actole/standin/FileValidation.h"
#include "platform/actole/standin/Utf8Path.h"
#include "tools/ActStandInCommands.h"

#include <iostream>

namespace veltrano::tools {

// check FILE: the whole-file check that opening leaves out, for a file someone distrusts.
int RunCheckCommand(const std::vector<std::string>& args) {
    if (args.size() != 1 || args.front().starts_with("-")) {
        return Fail(args.empty() ? "check: FILE is missing"
                                 : "check: unexpected argument '" + args.back() + "'",
                    kExitUsage);
    }
    const std::string& file = args.front();
    const auto findings = ole::standin::CheckDatabaseFile(ole::standin::PathFromUtf8(file));
    if (findings.empty()) {
        std::cout << file << ": no damage found\n" << std::flush;
        return std::cout ? kExitSuccess : Fail("check: cannot write to standard output");
    }
    for (const std::string& finding : findings) {
        std::cout << file << ": " << finding << "\n";
    }
    std::cout << std::flush;
    return kExitFailure;
}

} // namespace veltrano::tools
