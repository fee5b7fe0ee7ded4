#include "platform/actole/standin/com/Registration.h"

#include "platform/actole/DispatchIds.h"
#include "platform/actole/standin/com/StandInClasses.h"
#include "platform/win32/windows/WideText.h"

#include <optional>
#include <system_error>
#include <utility>

namespace veltrano::ole::standin::com {

namespace {

constexpr wchar_t kMarkerName[] = L"VeltranoStandIn";
constexpr wchar_t kMarkerValue[] = L"act-standin";
constexpr REGSAM kViews[] = {KEY_WOW64_64KEY, KEY_WOW64_32KEY};
// Server paths are often REG_EXPAND_SZ; they are only shown, so left unexpanded.
constexpr DWORD kStringTypes = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;

class RegKey {
public:
    RegKey() = default;
    explicit RegKey(HKEY key) : key_(key) {}
    ~RegKey() {
        if (key_ != nullptr) {
            ::RegCloseKey(key_);
        }
    }
    RegKey(RegKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    RegKey& operator=(RegKey&& other) noexcept {
        std::swap(key_, other.key_);
        return *this;
    }
    HKEY Get() const noexcept { return key_; }

private:
    HKEY key_ = nullptr;
};

[[noreturn]] void ThrowRegistryError(LSTATUS status, const std::string& what) {
    throw std::system_error(static_cast<int>(status), std::system_category(), what);
}

std::wstring Join(const std::wstring& a, const std::wstring& b) {
    return a.empty() ? b : a + L"\\" + b;
}

// The three keys, relative to a Classes key.
std::vector<std::wstring> StandInKeys() {
    return {L"CLSID\\" + win32::Widen(ole::classid::kDatabaseClass),
            L"CLSID\\" + win32::Widen(kApplicationClass),
            win32::Widen(ole::classid::kApplicationProgId)};
}

std::optional<RegKey> Open(HKEY root, const std::wstring& path, REGSAM access) {
    HKEY key = nullptr;
    const LSTATUS status = ::RegOpenKeyExW(root, path.c_str(), 0, access, &key);
    if (status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND) {
        return std::nullopt;
    }
    if (status != ERROR_SUCCESS) {
        ThrowRegistryError(status, "cannot read the registry key " + win32::Narrow(path));
    }
    return RegKey(key);
}

std::optional<std::wstring> StringValue(HKEY key, const wchar_t* subkey, const wchar_t* name) {
    DWORD size = 0;
    if (::RegGetValueW(key, subkey, name, kStringTypes, nullptr, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (::RegGetValueW(key, subkey, name, kStringTypes, nullptr, text.data(), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(text.find(L'\0'));
    return text;
}

// What a foreign registration names as its server, for the message.
std::string ServerOf(HKEY key) {
    for (const wchar_t* subkey : {L"InprocServer32", L"LocalServer32", L"CLSID"}) {
        if (auto value = StringValue(key, subkey, nullptr); value && !value->empty()) {
            return win32::Narrow(*value);
        }
    }
    return "no server named";
}

void Write(HKEY key, const wchar_t* subkey, const wchar_t* name, const std::wstring& value) {
    const LSTATUS status =
        ::RegSetKeyValueW(key, subkey, name, REG_SZ, value.c_str(),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS) {
        ThrowRegistryError(status, "cannot write the registry");
    }
}

RegKey Create(const ClassesKey& classes, const std::wstring& subkey) {
    HKEY key = nullptr;
    const LSTATUS status =
        ::RegCreateKeyExW(classes.root, Join(classes.path, subkey).c_str(), 0, nullptr,
                          REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        ThrowRegistryError(status, "cannot create the registry key " + classes.displayName + "\\" +
                                       win32::Narrow(subkey));
    }
    return RegKey(key);
}

bool IsOurs(HKEY key) {
    return StringValue(key, nullptr, kMarkerName) == std::wstring(kMarkerValue);
}

void RefuseForeign(const RegistrationPlan& plan) {
    std::vector<const ClassesKey*> all;
    for (const auto* keys : {&plan.write, &plan.alsoCheck}) {
        for (const ClassesKey& classes : *keys) {
            all.push_back(&classes);
        }
    }
    for (const ClassesKey* classes : all) {
        for (const std::wstring& subkey : StandInKeys()) {
            for (const REGSAM view : kViews) {
                const auto key = Open(classes->root, Join(classes->path, subkey), KEY_READ | view);
                if (key && !IsOurs(key->Get())) {
                    throw RegistrationRefused(classes->displayName + "\\" + win32::Narrow(subkey) +
                                              " already belongs to another server (" +
                                              ServerOf(key->Get()) +
                                              "); the stand-in does not register over it");
                }
            }
        }
    }
}

void Register(const ClassesKey& classes, const std::wstring& inprocServerPath) {
    const auto keys = StandInKeys();

    const RegKey database = Create(classes, keys[0]);
    Write(database.Get(), nullptr, kMarkerName, kMarkerValue);
    Write(database.Get(), nullptr, nullptr, L"ACT! Database (stand-in)");
    Write(database.Get(), L"InprocServer32", nullptr, inprocServerPath);
    Write(database.Get(), L"InprocServer32", L"ThreadingModel", L"Apartment");

    const RegKey application = Create(classes, keys[1]);
    Write(application.Get(), nullptr, kMarkerName, kMarkerValue);
    Write(application.Get(), nullptr, nullptr, L"ACT! application (stand-in)");
    Write(application.Get(), L"ProgID", nullptr, win32::Widen(ole::classid::kApplicationProgId));

    const RegKey progId = Create(classes, keys[2]);
    Write(progId.Get(), nullptr, kMarkerName, kMarkerValue);
    Write(progId.Get(), nullptr, nullptr, L"ACT! application (stand-in)");
    Write(progId.Get(), L"CLSID", nullptr, win32::Widen(kApplicationClass));
}

int Unregister(const ClassesKey& classes) {
    int removed = 0;
    for (const std::wstring& subkey : StandInKeys()) {
        const std::wstring path = Join(classes.path, subkey);
        bool ours = false;
        if (const auto key = Open(classes.root, path, KEY_READ)) {
            ours = IsOurs(key->Get());
        }
        if (!ours) {
            continue;
        }
        // With a subkey named, the key itself goes too.
        const LSTATUS status = ::RegDeleteTreeW(classes.root, path.c_str());
        if (status != ERROR_SUCCESS) {
            ThrowRegistryError(status, "cannot remove the registry key " + classes.displayName +
                                           "\\" + win32::Narrow(subkey));
        }
        ++removed;
    }
    return removed;
}

} // namespace

bool RunningUnderWine() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

RegistrationPlan PerUserRegistration() {
    const ClassesKey user{HKEY_CURRENT_USER, L"Software\\Classes",
                          "HKEY_CURRENT_USER\\Software\\Classes"};
    const ClassesKey machine{HKEY_LOCAL_MACHINE, L"Software\\Classes",
                             "HKEY_LOCAL_MACHINE\\Software\\Classes"};
    if (RunningUnderWine()) {
        return {{user, machine}, {}};
    }
    return {{user}, {machine}};
}

void RegisterStandIn(const RegistrationPlan& plan, const std::wstring& inprocServerPath) {
    RefuseForeign(plan);
    for (const ClassesKey& classes : plan.write) {
        Register(classes, inprocServerPath);
    }
}

int UnregisterStandIn(const RegistrationPlan& plan) {
    int removed = 0;
    for (const ClassesKey& classes : plan.write) {
        removed += Unregister(classes);
    }
    return removed;
}

} // namespace veltrano::ole::standin::com
