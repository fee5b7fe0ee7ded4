#pragma once

// frmLogin from the resources, shown modally: the two text boxes start with the state's texts
// and come back as typed; the Tag is "ok" after OK and "" after Abbort, Esc or the window frame.

#include "platform/forms/FormsRuntime.h"

#include <windows.h>

#include <string>

namespace veltrano::win32ui {

inline constexpr std::string_view kLoginConfirmedTag = "ok";

// The Tag the dialog's buttons leave: "ok" for OK, "" for anything else.
std::string LoginTagOf(int command);

void ShowLoginDialog(HWND owner, forms::LoginFormState& state);

} // namespace veltrano::win32ui
