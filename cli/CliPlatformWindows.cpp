#include "cli/CliPlatform.h"

#include "platform/actole/standin/EngineOnlyObjectFactory.h"
#include "platform/forms/windows/RegistrySettingsStore.h"
#include "platform/win32/windows/WindowsShell32.h"
#include "platform/win32/windows/WindowsUser32.h"

namespace veltrano::cli {

// Stand-in databases through the engine linked in; the desktop's real windows, among which a
// running ACT! would be found.
CliPlatform OpenCliPlatform() {
    CliPlatform platform;
    platform.settings = std::make_unique<forms::RegistrySettingsStore>();
    platform.objects = std::make_unique<ole::standin::EngineOnlyObjectFactory>();
    platform.user32 = std::make_unique<win32::WindowsUser32>();
    platform.shell32 = std::make_unique<win32::WindowsShell32>();
    return platform;
}

} // namespace veltrano::cli
