#pragma once

#include "platform/actole/Dispatch.h"
#include "platform/forms/FormsRuntime.h"
#include "platform/win32/ComDlg32.h"
#include "platform/win32/Shell32.h"
#include "platform/win32/User32.h"

namespace veltrano::app {

// What the system takes from its platform, handed in by the program that starts it.
struct Platform {
    forms::FormsRuntime& forms;
    ole::ObjectFactory& objects;
    win32::User32& user32;
    win32::ComDlg32& comdlg32;
    win32::Shell32& shell32;
};

} // namespace veltrano::app
