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

// Standard output and error pass the program's bytes unchanged (on Windows "\n" is not made
// "\r\n"), so that output is the same on every system and CR LF written stays CR LF.
void UseBinaryStandardStreams();

} // namespace veltrano::win32
