#include "platform/forms/windows/RegistrySettingsStore.h"

#include "platform/win32/windows/WideText.h"

#include <windows.h>

#include <system_error>
#include <vector>

namespace veltrano::forms {

namespace {

using win32::Narrow;
using win32::Widen;

class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (key_ != nullptr) {
            ::RegCloseKey(key_);
        }
    }
    HKEY* Out() noexcept { return &key_; }
    HKEY Get() const noexcept { return key_; }

private:
    HKEY key_ = nullptr;
};

[[noreturn]] void Throw(LSTATUS status, const std::string& what) {
    throw std::system_error(static_cast<int>(status), std::system_category(), what);
}

} // namespace

std::string RegistrySettingsStore::SectionKey(std::string_view app,
                                              std::string_view section) const {
    return root_ + "\\" + std::string(app) + "\\" + std::string(section);
}

std::string RegistrySettingsStore::Get(std::string_view app, std::string_view section,
                                       std::string_view key, std::string_view defaultValue) const {
    RegistryKey opened;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, Widen(SectionKey(app, section)).c_str(), 0,
                        KEY_QUERY_VALUE, opened.Out()) != ERROR_SUCCESS) {
        return std::string(defaultValue);
    }
    const std::wstring name = Widen(key);
    // The value may grow between the two calls; ask again then.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD bytes = 0;
        if (::RegQueryValueExW(opened.Get(), name.c_str(), nullptr, &type, nullptr, &bytes) !=
                ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ)) {
            return std::string(defaultValue);
        }
        std::vector<wchar_t> data(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        const LSTATUS status = ::RegQueryValueExW(opened.Get(), name.c_str(), nullptr, &type,
                                                  reinterpret_cast<BYTE*>(data.data()), &size);
        if (status == ERROR_MORE_DATA) {
            continue;
        }
        if (status != ERROR_SUCCESS) {
            return std::string(defaultValue);
        }
        // A stored string need not end with its NUL; one stored with it ends there.
        const std::wstring_view text(data.data(), size / sizeof(wchar_t));
        return Narrow(text.substr(0, text.find(L'\0')));
    }
    return std::string(defaultValue);
}

void RegistrySettingsStore::Save(std::string_view app, std::string_view section,
                                 std::string_view key, std::string_view value) {
    const std::string path = SectionKey(app, section);
    RegistryKey created;
    const LSTATUS opened =
        ::RegCreateKeyExW(HKEY_CURRENT_USER, Widen(path).c_str(), 0, nullptr,
                          REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, created.Out(), nullptr);
    if (opened != ERROR_SUCCESS) {
        Throw(opened, "Cannot create the registry key HKEY_CURRENT_USER\\" + path);
    }
    const std::wstring data = Widen(value);
    const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    const LSTATUS written = ::RegSetValueExW(created.Get(), Widen(key).c_str(), 0, REG_SZ,
                                             reinterpret_cast<const BYTE*>(data.c_str()), bytes);
    if (written != ERROR_SUCCESS) {
        Throw(written, "Cannot write " + std::string(key) + " in HKEY_CURRENT_USER\\" + path);
    }
}

} // namespace veltrano::forms
