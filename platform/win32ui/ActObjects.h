#pragma once

// The ACT! objects the window creates. One place, so that the automation server behind them
// changes here alone.

#include "platform/actole/Dispatch.h"

#include <memory>

namespace veltrano::win32ui {

// Stand-in databases through the engine linked in (as veltrano-cli on Windows).
std::unique_ptr<ole::ObjectFactory> ActObjects();

} // namespace veltrano::win32ui
