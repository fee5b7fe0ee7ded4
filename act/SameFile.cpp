#include "act/SameFile.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

namespace veltrano::act {

namespace {

std::filesystem::path PathOf(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
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
    return EqualIgnoringAsciiCase(a, b);
}

} // namespace veltrano::act
