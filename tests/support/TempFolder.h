#pragma once

#include "support/TempDir.h"

namespace veltrano::testsupport {

using TempFolder = TempDir;

} // namespace veltrano::testsupport
