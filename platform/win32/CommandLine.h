#pragma once

// What a program is started with, as UTF-8 text on every system: on Windows from the wide
// command line and environment, so that names outside the ANSI code page survive.

#include <optional>
#include <string>
#include <vector>

namespace veltrano::win32 {

// The arguments after the program's name; argc and argv are main's.
std::vector<std::string> ProgramArguments(int argc, char* argv[]);

// The value of an environment variable; nullopt when it is not set.
std::optional<std::string> EnvironmentVariable(const std::string& name);

} // namespace veltrano::win32
