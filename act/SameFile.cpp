#include "act/SameFile.h"

#include "base/AsciiCase.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace veltrano::act {

namespace {

std::filesystem::path PathOf(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

bool SameFile(std::string_view a, std::string_view b) {
    if (a.empty() || b.empty()) {
        return false;
    }
    const auto first = PathOf(a);
    const auto second = PathOf(b);
    std::error_code error;
    if (std::filesystem::exists(first, error) && std::filesystem::exists(second, error)) {
        // Compares stat's device and inode, and on Windows the volume serial number and file
        // index of both files.
        const bool same = std::filesystem::equivalent(first, second, error);
        if (!error) {
            return same;
        }
    }
    return base::EqualsIgnoringAsciiCase(a, b);
}

} // namespace veltrano::act
