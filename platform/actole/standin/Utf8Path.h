#pragma once

// Paths from UTF-8 text. A path made from a plain std::string reads it in the system's narrow
// encoding, which on Windows is the ANSI code page; names are UTF-8 here on every system.

#include <filesystem>
#include <string>
#include <string_view>

namespace veltrano::ole::standin {

inline std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

} // namespace veltrano::ole::standin
