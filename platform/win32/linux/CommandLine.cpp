#include "platform/win32/CommandLine.h"

#include <cstdlib>

namespace veltrano::win32 {

std::vector<std::string> ProgramArguments(int argc, char* argv[]) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

std::optional<std::string> EnvironmentVariable(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

void UseBinaryStandardStreams() {}

} // namespace veltrano::win32
