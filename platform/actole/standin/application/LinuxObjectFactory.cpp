#include "platform/actole/standin/application/LinuxObjectFactory.h"

#include "platform/actole/AutomationError.h"
#include "platform/actole/standin/StandInEngine.h"
#include "platform/win32/linux/RegistrationFolder.h"
#include "platform/win32/linux/WindowRegistry.h"

#include <algorithm>
#include <optional>

namespace veltrano::ole::standin {

namespace {

constexpr std::string_view kApplicationProgId = "ACTOLE.APPOBJECT";

[[noreturn]] void CannotCreate(const std::string& why = {}) {
    std::string description = "ActiveX component can't create object";
    if (!why.empty()) {
        description += " (" + why + ")";
    }
    throw AutomationError(errors::kCannotCreateObject, description);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::optional<win32::WindowEntry> LastRegistered(const std::filesystem::path& folder) {
    if (!win32::RegistrationFolderExists(folder)) {
        return std::nullopt;
    }
    auto entries = win32::WindowRegistry(folder).LiveEntries();
    if (entries.empty()) {
        return std::nullopt;
    }
    return entries.back();
}

} // namespace

std::string RunningStandInDatabase(const std::filesystem::path& registrationFolder) {
    try {
        const auto entry = LastRegistered(registrationFolder);
        return entry ? entry->databasePath : std::string();
    } catch (const win32::RegistrationError&) {
        return {};
    }
}

LinuxObjectFactory::LinuxObjectFactory() : LinuxObjectFactory(win32::RegistrationFolderPath()) {}

LinuxObjectFactory::LinuxObjectFactory(std::filesystem::path registrationFolder,
                                       AppClientOptions clientOptions)
    : folder_(std::move(registrationFolder)), clientOptions_(clientOptions) {}

DispatchPtr LinuxObjectFactory::CreateDatabase() {
    return CreateStandInDatabase([folder = folder_] { return RunningStandInDatabase(folder); });
}

std::optional<std::vector<std::string>> LinuxObjectFactory::RunningDatabases() {
    try {
        std::vector<std::string> paths;
        if (win32::RegistrationFolderExists(folder_)) {
            for (auto& entry : win32::WindowRegistry(folder_).LiveEntries()) {
                if (!entry.databasePath.empty()) {
                    paths.push_back(std::move(entry.databasePath));
                }
            }
        }
        return paths;
    } catch (const win32::RegistrationError&) {
        return std::nullopt;
    }
}

DispatchPtr LinuxObjectFactory::CreateObject(std::string_view progId) {
    // ProgIDs are not case-sensitive.
    if (!EqualsIgnoringCase(progId, kApplicationProgId)) {
        CannotCreate();
    }
    std::optional<win32::WindowEntry> entry;
    try {
        entry = LastRegistered(folder_);
    } catch (const win32::RegistrationError& error) {
        CannotCreate(error.what());
    }
    if (!entry) {
        CannotCreate();
    }
    const win32::WindowRegistry registry(folder_);
    return ConnectStandInApplication(registry.SocketPath(*entry), clientOptions_);
}

} // namespace veltrano::ole::standin
