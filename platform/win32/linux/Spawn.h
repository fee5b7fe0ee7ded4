#pragma once

// Starting a child process with posix_spawn, detached from our descriptors and signal setup.

#include <sys/types.h>

#include <string>
#include <vector>

namespace veltrano::win32 {

struct SpawnResult {
    pid_t pid = -1;
    int error = 0; // errno of the failure; 0 when pid is valid
};

// Starts `program` with the given arguments (argv[1..]) in `directory` ("" keeps ours). With
// searchPath a name without '/' is looked up in PATH. The child reads /dev/null, keeps only
// descriptors 0-2, gets default signal handling and its own process group.
SpawnResult Spawn(const std::string& program, const std::vector<std::string>& args,
                  const std::string& directory, bool searchPath);

} // namespace veltrano::win32
