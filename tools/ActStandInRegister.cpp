#include "tools/ActStandInCommands.h"

#include "platform/actole/DispatchIds.h"
#include "platform/actole/standin/com/Registration.h"
#include "platform/actole/standin/com/StandInClasses.h"
#include "platform/win32/windows/WideText.h"

#include <windows.h>

#include <filesystem>
#include <iostream>
#include <system_error>

namespace veltrano::tools {

namespace {

// act-standin.dll is built beside this program.
std::filesystem::path InprocServerPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                                    "cannot find this program's file");
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return std::filesystem::path(path).parent_path() /
           win32::Widen(ole::standin::com::kInprocServerFile);
}

} // namespace

int RunRegisterCommand(const std::vector<std::string>& args) {
    if (!args.empty()) {
        return Fail("register: takes no arguments", kExitUsage);
    }
    const auto server = InprocServerPath();
    if (!std::filesystem::is_regular_file(server)) {
        return Fail("register: " + win32::Narrow(server.wstring()) + " is missing");
    }
    try {
        ole::standin::com::RegisterStandIn(ole::standin::com::PerUserRegistration(),
                                           server.wstring());
    } catch (const ole::standin::com::RegistrationRefused& refused) {
        return Fail("register: " + std::string(refused.what()));
    }
    std::cout << "act-standin: registered for this user: the Database class "
              << ole::classid::kDatabaseClass << " (" << win32::Narrow(server.wstring()) << ") and "
              << ole::classid::kApplicationProgId << " (" << ole::standin::com::kApplicationClass
              << ", served while 'run' runs).\n";
    if (ole::standin::com::RunningUnderWine()) {
        std::cout << "act-standin: wine's HKEY_CLASSES_ROOT has no per-user classes, so the same "
                     "keys are in this prefix's HKEY_LOCAL_MACHINE\\Software\\Classes too.\n";
    }
    return kExitSuccess;
}

int RunUnregisterCommand(const std::vector<std::string>& args) {
    if (!args.empty()) {
        return Fail("unregister: takes no arguments", kExitUsage);
    }
    const int removed =
        ole::standin::com::UnregisterStandIn(ole::standin::com::PerUserRegistration());
    std::cout << (removed > 0 ? "act-standin: the registration for this user is removed.\n"
                              : "act-standin: nothing of the stand-in was registered.\n");
    return kExitSuccess;
}

} // namespace veltrano::tools
