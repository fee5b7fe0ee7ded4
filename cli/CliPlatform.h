#pragma once

// What veltrano-cli takes from the system it runs on. CMake builds one implementation:
// CliPlatformLinux.cpp or CliPlatformWindows.cpp.

#include "platform/actole/Dispatch.h"
#include "platform/forms/SettingsStore.h"
#include "platform/win32/Shell32.h"
#include "platform/win32/User32.h"

#include <memory>
#include <string>

namespace veltrano::cli {

struct CliPlatform {
    // The remembered login; null when there is no store to read it from.
    std::unique_ptr<forms::SettingsStore> settings;
    std::unique_ptr<ole::ObjectFactory> objects;
    std::unique_ptr<win32::User32> user32;
    std::unique_ptr<win32::Shell32> shell32;
    // Why running ACT! programs cannot be looked for; "" when they can.
    std::string windowsProblem;
};

CliPlatform OpenCliPlatform();

} // namespace veltrano::cli
