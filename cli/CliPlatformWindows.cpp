#include "cli/CliPlatform.h"

#include "platform/actole/DispatchIds.h"
#include "platform/actole/com/ComObjectFactory.h"
#include "platform/forms/windows/RegistrySettingsStore.h"
#include "platform/win32/windows/WindowsShell32.h"
#include "platform/win32/windows/WindowsUser32.h"

namespace veltrano::cli {

// ACT!'s objects through COM automation (ACT! itself, or the stand-in's registered servers);
// the desktop's real windows, among which a running ACT! is found.
CliPlatform OpenCliPlatform() {
    CliPlatform platform;
    platform.settings = std::make_unique<forms::RegistrySettingsStore>();
    platform.objects = std::make_unique<ole::com::ComObjectFactory>(ole::classid::kDatabaseClass);
    platform.user32 = std::make_unique<win32::WindowsUser32>();
    platform.shell32 = std::make_unique<win32::WindowsShell32>();
    return platform;
}

} // namespace veltrano::cli
