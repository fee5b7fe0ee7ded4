#pragma once

// The subcommands of act-standin. Each receives the arguments after its own name and returns
// the exit status: 0 success, 1 failure (message on stderr), 2 wrong usage.

#include <string>
#include <vector>

namespace veltrano::tools {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

int RunCreateCommand(const std::vector<std::string>& args);
int RunDumpCommand(const std::vector<std::string>& args);
// Prints each finding of the whole-file check; 1 when there is any.
int RunCheckCommand(const std::vector<std::string>& args);
// Plays ACT! running with a database open until stopped (ActStandInRun.cpp).
int RunStandInApplication(const std::vector<std::string>& args);
#ifdef _WIN32
// Per-user COM registration of the stand-in's servers (ActStandInRegister.cpp).
int RunRegisterCommand(const std::vector<std::string>& args);
int RunUnregisterCommand(const std::vector<std::string>& args);
#endif

// Writes "act-standin: " + message to stderr and returns the status.
int Fail(const std::string& message, int status = kExitFailure);

} // namespace veltrano::tools
