#include "cli/CliPlatform.h"

#include "platform/actole/standin/application/LinuxObjectFactory.h"
#include "platform/forms/FormsRuntime.h"
#include "platform/forms/IniSettingsStore.h"
#include "platform/win32/NoWindows.h"
#include "platform/win32/linux/RegisteredWindows.h"
#include "platform/win32/linux/RegistrationFolder.h"
#include "platform/win32/linux/LinuxShell32.h"

#include <system_error>

namespace veltrano::cli {

namespace {

// The settings file of the window; none when there is no home folder to find it in.
std::unique_ptr<forms::SettingsStore> RememberedSettings() {
    try {
        return std::make_unique<forms::IniSettingsStore>(
            forms::IniSettingsStore::DefaultPath(forms::kAppTitle));
    } catch (const std::system_error&) {
        return nullptr;
    }
}

// Only looks: the folder is not created, as the command line never starts an ACT!.
std::unique_ptr<win32::User32> RunningWindows(std::string& problem) {
    const auto folder = win32::RegistrationFolderPath();
    try {
        win32::RegistrationFolderExists(folder);
        return std::make_unique<win32::RegisteredWindows>(folder);
    } catch (const win32::RegistrationError& error) {
        problem = error.what();
        return std::make_unique<win32::NoWindows>();
    }
}

} // namespace

CliPlatform OpenCliPlatform() {
    CliPlatform platform;
    platform.settings = RememberedSettings();
    platform.objects = std::make_unique<ole::standin::LinuxObjectFactory>();
    platform.user32 = RunningWindows(platform.windowsProblem);
    platform.shell32 = std::make_unique<win32::LinuxShell32>();
    return platform;
}

} // namespace veltrano::cli
