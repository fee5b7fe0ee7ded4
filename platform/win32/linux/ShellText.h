#pragma once

// Text handling of the shell stand-in: parameter splitting, %VAR% expansion, address detection.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano::win32 {

// Splits a parameter line into words the way a POSIX shell quotes them, without expanding
// anything: blanks separate words, '...' is literal, "..." honours \" \\ \$ \` escapes, a
// backslash outside quotes takes the next character literally. An unterminated quote runs to
// the end of the line, as the Windows command line parser does.
std::vector<std::string> SplitParameters(std::string_view line);

// Replaces %NAME% by the variable's value; unknown names stay as written
// (ExpandEnvironmentStrings).
std::string ExpandEnvironmentVariables(std::string_view text);

// True for "scheme:..." with a scheme of at least two characters (mailto:, https:, file:).
bool IsUri(std::string_view text) noexcept;

// Lower-case ASCII copy, for comparing verbs.
std::string AsciiLower(std::string_view text);

} // namespace veltrano::win32
