#pragma once

#include "app/frmHaupt.h"

#include <functional>

namespace veltrano::wiring {

// The commands and handlers of the subsystems, as the main window runs them.
app::Commands StandardCommands();

// Start-up: fills the name tables, then shows the main window.
void Main(const std::function<void()>& showMainWindow);

} // namespace veltrano::wiring
