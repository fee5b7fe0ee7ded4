#include "platform/actole/standin/SampleDatabase.h"
#include "platform/actole/standin/Utf8Path.h"
#include "tools/ActStandInCommands.h"
#include "tools/ActStandInFiles.h"

#include <exception>

namespace veltrano::tools {

// create FILE --sample [--force]
int RunCreateCommand(const std::vector<std::string>& args) {
    std::string file;
    bool sample = false;
    bool force = false;
    for (const std::string& arg : args) {
        if (arg == "--sample") {
            sample = true;
        } else if (arg == "--force") {
            force = true;
        } else if (arg.starts_with("-") || !file.empty()) {
            return Fail("create: unexpected argument '" + arg + "'", kExitUsage);
        } else {
            file = arg;
        }
    }
    if (file.empty()) {
        return Fail("create: FILE is missing", kExitUsage);
    }
    if (!sample) {
        return Fail("create: say what to create (--sample)", kExitUsage);
    }
    try {
        const auto target = ole::standin::PathFromUtf8(file);
        WriteNewFile(target, force, [](const std::filesystem::path& path) {
            ole::standin::WriteSampleDatabase(path);
        });
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
    return kExitSuccess;
}

} // namespace veltrano::tools
