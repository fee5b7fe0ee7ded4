#pragma once

// The stand-in's per-user COM registration:
//   CLSID\{Database class}            InprocServer32 = act-standin.dll (ThreadingModel Apartment)
//   CLSID\{stand-in application}      ProgID; no server: the class exists only while
//                                     `act-standin run` has registered its class object
//   ACTOLE.APPOBJECT\CLSID            the stand-in application class
// Each of these keys carries a marker value. A key that exists without it, in any Classes key
// that makes up HKEY_CLASSES_ROOT and in either registry view, belongs to another server (an
// installed ACT!): registering is then refused and nothing is written.
//
// Wine's HKEY_CLASSES_ROOT is HKLM\Software\Classes alone (it does not merge the per-user
// classes), so under wine the same keys are mirrored there; a wine prefix belongs to one user.

#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace veltrano::ole::standin::com {

struct ClassesKey {
    HKEY root;
    std::wstring path;
    std::string displayName; // for messages: "HKEY_CURRENT_USER\Software\Classes"
};

struct RegistrationPlan {
    std::vector<ClassesKey> write;     // where the stand-in registers and unregisters
    std::vector<ClassesKey> alsoCheck; // the other keys HKEY_CLASSES_ROOT is made of
};

// HKCU\Software\Classes, with HKLM\Software\Classes checked as well (written too under wine).
RegistrationPlan PerUserRegistration();
bool RunningUnderWine();

class RegistrationRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws RegistrationRefused when another server owns one of the identifiers, std::system_error
// when the registry refuses a write.
void RegisterStandIn(const RegistrationPlan& plan, const std::wstring& inprocServerPath);

// Removes the stand-in's keys (only those with the marker); returns how many there were.
int UnregisterStandIn(const RegistrationPlan& plan);

} // namespace veltrano::ole::standin::com
