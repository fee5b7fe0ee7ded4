#pragma once

// The command line's text output carries node and cell texts as escaped text: no byte of a
// database can move the terminal's cursor, change its state or break an output line, and the
// original bytes can be read back. Ordinary texts, Windows paths included, are left as they are.

#include <optional>
#include <string>
#include <string_view>

namespace veltrano::cli {

// Every byte below 0x20 and DEL becomes "\xHH" (two upper-case hex digits), and so do both
// bytes of the C1 controls U+0080 ... U+009F (UTF-8 C2 80 ... C2 9F). A backslash that would
// read as such a sequence (followed by "x" and two upper-case hex digits) becomes "\x5C".
// Every other byte, UTF-8 or not, is written as it is.
std::string EscapeText(std::string_view text);

// False when EscapeText would return text unchanged for certain (no control byte, no 0xC2, no
// backslash): the cheap test before the copy.
bool MayNeedEscaping(std::string_view text);

// The bytes EscapeText was given: every "\xHH" becomes the byte HH. nullopt for text
// EscapeText cannot have written (a raw control byte).
std::optional<std::string> UnescapeText(std::string_view text);

} // namespace veltrano::cli
