#pragma once

// The input box from the resources: a prompt, the answer's text box with a default, OK and
// Cancel. The answer, or nullopt on Cancel, Esc or the window frame.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace veltrano::win32ui {

std::optional<std::string> ShowInputDialog(HWND owner, std::string_view prompt,
                                           const std::wstring& title, std::string_view defaultText);

} // namespace veltrano::win32ui
