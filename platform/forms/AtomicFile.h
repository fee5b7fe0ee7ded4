#pragma once

// Reading and replacing small private files (POSIX).

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace veltrano::forms {

// The first maxBytes of the file, cut after its last complete line when the file is longer;
// nullopt when the file does not exist. Throws std::system_error when it exists but cannot be
// read or is no regular file (a FIFO or device is never waited on).
std::optional<std::string> ReadFileHead(const std::filesystem::path& file, std::size_t maxBytes);

// The whole file, byte for byte; nullopt when it does not exist. Throws std::system_error, as
// ReadFileHead does, and also when the file holds more than maxBytes.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes);

// Replaces file with contents so that readers see the old or the new file, never a part: a
// temporary file in the same folder (mode 0600) is written, synced and renamed over it. Missing
// folders are created with mode 0700. Throws std::system_error; the old file then stays as it was.
void ReplaceFilePrivately(const std::filesystem::path& file, std::string_view contents);

} // namespace veltrano::forms
