#include "platform/actole/standin/DatabaseDump.h"
#include "platform/actole/standin/Utf8Path.h"
#include "tools/ActStandInCommands.h"
#include "tools/ActStandInFiles.h"

#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>

namespace veltrano::tools {

// dump FILE [--output OUT [--force]]
int RunDumpCommand(const std::vector<std::string>& args) {
    std::string file;
    std::string output;
    bool force = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--force") {
            force = true;
        } else if (arg == "--output" || arg == "-o") {
            if (i + 1 == args.size()) {
                return Fail("dump: " + arg + " needs a file name", kExitUsage);
            }
            output = args[++i];
        } else if (arg.starts_with("-") || !file.empty()) {
            return Fail("dump: unexpected argument '" + arg + "'", kExitUsage);
        } else {
            file = arg;
        }
    }
    if (file.empty()) {
        return Fail("dump: FILE is missing", kExitUsage);
    }
    try {
        // Printed into memory first, so that a damaged file leaves no half-written output.
        std::ostringstream text;
        ole::standin::DumpDatabase(ole::standin::PathFromUtf8(file), text);
        if (output.empty()) {
            std::cout << text.str() << std::flush;
            if (!std::cout) {
                return Fail("dump: cannot write to standard output");
            }
            return kExitSuccess;
        }
        const auto target = ole::standin::PathFromUtf8(output);
        WriteNewFile(target, force, [&](const std::filesystem::path& path) {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out << text.str();
            out.close();
            if (!out) {
                throw std::runtime_error("cannot write " + path.string());
            }
        });
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
    return kExitSuccess;
}

} // namespace veltrano::tools
