// act-standin: creates, prints and runs stand-in ACT! databases.

#include "platform/win32/CommandLine.h"
#include "tools/ActStandInCommands.h"

#include <exception>
#include <iomanip>
#include <iostream>
#include <string_view>

namespace veltrano::tools {

namespace {

struct Subcommand {
    std::string_view name;
    std::string_view synopsis;
    std::string_view description;
    int (*run)(const std::vector<std::string>& args);
};

constexpr Subcommand kSubcommands[] = {
    {"create", "create FILE --sample [--force]", "write the sample database into FILE",
     RunCreateCommand},
    {"dump", "dump FILE [--output OUT [--force]]", "print the database FILE readably",
     RunDumpCommand},
    {"check", "check FILE", "check every page and row of FILE (status 1: damaged)",
     RunCheckCommand},
    {"run", "run FILE", "play ACT! running with FILE open until stopped", RunStandInApplication},
#ifdef _WIN32
    {"register", "register", "register the stand-in's COM servers for this user",
     RunRegisterCommand},
    {"unregister", "unregister", "remove that registration", RunUnregisterCommand},
#endif
};

void PrintUsage(std::ostream& out) {
    out << "Usage: act-standin COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const Subcommand& command : kSubcommands) {
        out << "  " << std::left << std::setw(38) << command.synopsis << command.description
            << "\n";
    }
    out << "\nExisting files are replaced only with --force.\n"
           "Exit status: 0 success, 1 failure, 2 wrong usage.\n";
}

} // namespace

int Fail(const std::string& message, int status) {
    std::cerr << "act-standin: " << message << "\n";
    if (status == kExitUsage) {
        std::cerr << "Try 'act-standin --help'.\n";
    }
    return status;
}

int Main(const std::vector<std::string>& args) {
    if (args.empty()) {
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            PrintUsage(std::cout);
            return kExitSuccess;
        }
    }
    for (const Subcommand& command : kSubcommands) {
        if (command.name == args.front()) {
            try {
                return command.run({args.begin() + 1, args.end()});
            } catch (const std::exception& error) {
                return Fail(error.what());
            }
        }
    }
    return Fail("unknown command '" + args.front() + "'", kExitUsage);
}

} // namespace veltrano::tools

int main(int argc, char* argv[]) {
    veltrano::win32::UseBinaryStandardStreams();
    return veltrano::tools::Main(veltrano::win32::ProgramArguments(argc, argv));
}
