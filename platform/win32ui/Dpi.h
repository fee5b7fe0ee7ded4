#pragma once

// The DPI of a window (per monitor where the system knows it) and of the system.

#include <windows.h>

namespace veltrano::win32ui {

// Makes the process per-monitor DPI aware when the manifest has not (older systems ignore it).
void BecomeDpiAware() noexcept;
int WindowDpi(HWND window) noexcept;
int SystemDpi() noexcept;

} // namespace veltrano::win32ui
