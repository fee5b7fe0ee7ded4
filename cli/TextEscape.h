#pragma once

// The command line's text output carries node and cell texts as escaped text: no byte of a
// database can move the terminal's cursor, change its state or break an output line, and the
// original bytes can be read back.

#include <optional>
#include <string>
#include <string_view>

namespace veltrano::cli {

// Backslash becomes "\\", ESC "\e", CR "\r", LF "\n", TAB "\t", every other byte below 0x20 and
// DEL "\xHH" (two upper-case hex digits), and the C1 controls U+0080 ... U+009F (UTF-8 C2 80 ...
// C2 9F) "\xC2\xHH". Every other byte, UTF-8 or not, is written as it is.
std::string EscapeText(std::string_view text);

// The bytes EscapeText was given; nullopt for text it cannot have written.
std::optional<std::string> UnescapeText(std::string_view text);

} // namespace veltrano::cli
