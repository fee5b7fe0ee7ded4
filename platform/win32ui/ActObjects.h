#pragma once

// The ACT! objects the window creates. One place, so that the automation server behind them
// changes here alone.

#include "platform/actole/Dispatch.h"

#include <memory>

namespace veltrano::win32ui {

// ACT!'s objects through COM automation (ACT! itself, or the stand-in's registered servers),
// as veltrano-cli on Windows. The calling thread must have joined an apartment.
std::unique_ptr<ole::ObjectFactory> ActObjects();

} // namespace veltrano::win32ui
