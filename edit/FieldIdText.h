#pragma once

// The field ID of a Fields list row, read from the text of its ID cell.

#include <cstdint>
#include <optional>
#include <string_view>

namespace veltrano::edit {

// The numeric value at the start of text (leading blanks skipped; sign, digits, decimals and
// exponent taken; 0 when the text does not begin with a number), rounded to the nearest whole
// number, halves to even. nullopt when that is outside the 16-bit range of a field ID.
std::optional<std::int16_t> FieldIdFromText(std::string_view text);

} // namespace veltrano::edit
