#pragma once

// frmInfo from the resources: the background picture, the scroll window over the text picture,
// the version, notice and link labels. Events go to the form's behaviour (about/frmInfo); the
// dialog follows its state (underline, pointer, closing).

#include "platform/forms/FormsRuntime.h"
#include "platform/win32/Shell32.h"
#include "platform/win32ui/Handles.h"

#include <windows.h>

namespace veltrano::win32ui {

// The 320 x 182 background and the 140 x 420 scroll picture, in pixels at 96 DPI.
UniqueBitmap InfoBackgroundPicture();
UniqueBitmap ScrollTextPicture();

// Shows the about box modally and returns when it is closed; a fresh box each time. A failure
// in one of the form's handlers closes the box and is passed on here.
void ShowAboutDialog(HWND owner, forms::FormsRuntime& forms, win32::Shell32& shell);

} // namespace veltrano::win32ui
