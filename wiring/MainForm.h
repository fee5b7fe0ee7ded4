#pragma once

#include "app/frmHaupt.h"

namespace veltrano::wiring {

// The main window's state as every front end starts it: the name tables filled (start-up does
// that before the window shows) and the subsystems' commands wired to the front end's platform.
// The front end loads it (Form_Load) once its views are attached.
app::frmHaupt MainForm(app::Platform platform);

} // namespace veltrano::wiring
