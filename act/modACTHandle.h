#pragma once

// Finds a top-level window by class and caption: how the system tells that ACT! runs.

#include "platform/win32/User32.h"

#include <string>

namespace veltrano::act::modACTHandle {

// The handle of the last visible window, in enumeration order, whose lower-cased class name
// contains classPattern and whose caption (first 50 characters; "NoText" when empty)
// contains captionPattern; "*" and "" match every caption. 0 when none matches.
win32::HWND FindTopWindow(win32::User32& user32, const std::string& classPattern,
                          const std::string& captionPattern);

// The parts of one window the search looks at, as the search reads them.
std::string GetWindowClassLower(win32::User32& user32, win32::HWND hwnd);
std::string GetWindowCaption(win32::User32& user32, win32::HWND hwnd);

} // namespace veltrano::act::modACTHandle
