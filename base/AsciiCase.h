#pragma once

// Letter case of ASCII only: names from ACT!, the command line and the file system match
// whatever their ASCII case, and the locale plays no part.

#include <algorithm>
#include <string_view>

namespace veltrano::base {

constexpr char LowerAscii(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) noexcept {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

} // namespace veltrano::base
