#pragma once

// Texts of dialog controls in UTF-8.

#include <windows.h>

#include <string>
#include <string_view>

namespace veltrano::win32ui {

std::string DialogItemText(HWND dialog, int id);
void SetDialogItemText(HWND dialog, int id, std::string_view text);

} // namespace veltrano::win32ui
