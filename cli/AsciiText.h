#pragma once

#include "base/AsciiCase.h"

#include <algorithm>
#include <string_view>

namespace veltrano::cli {

// Names typed on the command line match whatever their ASCII case.
using base::EqualsIgnoringAsciiCase;

inline bool AllDecimalDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace veltrano::cli
