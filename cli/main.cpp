#include "cli/CliCommands.h"
#include "platform/win32/CommandLine.h"

#include <exception>
#include <iostream>
#include <variant>

namespace {

using namespace veltrano::cli;

// The command line wins over the environment; an empty VELTRANO_USER counts as none.
LoginOptions LoginFrom(const Arguments& args) {
    LoginOptions login{args.user, args.password};
    if (!login.user) {
        if (auto user = veltrano::win32::EnvironmentVariable("VELTRANO_USER");
            user && !user->empty()) {
            login.user = std::move(user);
        }
    }
    if (!login.password) {
        login.password = veltrano::win32::EnvironmentVariable("VELTRANO_PASSWORD");
    }
    return login;
}

} // namespace

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    veltrano::win32::UseBinaryStandardStreams();
    const auto parsed = ParseArguments(veltrano::win32::ProgramArguments(argc, argv));
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        std::cerr << "veltrano-cli: " << error->problem << '\n'
                  << UsageLine(error->command) << '\n';
        return kExitUsage;
    }
    const auto& args = std::get<Arguments>(parsed);
    if (args.help) {
        std::cout << HelpText(args.command) << std::flush;
        return std::cout ? kExitSuccess : kExitFailure;
    }
    try {
        return RunCommand(args, LoginFrom(args), std::cout, std::cerr);
    } catch (const std::exception& error) {
        // Commands report their own failures; this is start-up or output gone wrong.
        std::cerr << "veltrano-cli: " << error.what() << '\n';
        return FailureStatus(args.command);
    }
}
