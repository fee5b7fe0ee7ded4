#pragma once

// UTF-8 inside, UTF-16 at the Windows boundary. Both directions keep embedded NULs (the dialog
// buffers hold several names separated by NULs); invalid sequences become U+FFFD.

#include <string>
#include <string_view>

namespace veltrano::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The text of a NUL-terminated wide buffer.
std::string NarrowUntilNul(std::wstring_view buffer);

} // namespace veltrano::win32
