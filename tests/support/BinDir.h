#pragma once

#include <cstdlib>
#include <string>

namespace veltrano::testsupport {

// Where the built programs are: $VELTRANO_BIN_DIR, else the build's own bin folder.
inline std::string BinDir() {
    if (const char* dir = std::getenv("VELTRANO_BIN_DIR"); dir != nullptr && *dir != '\0') {
        return dir;
    }
    return VELTRANO_DEFAULT_BIN_DIR;
}

} // namespace veltrano::testsupport
