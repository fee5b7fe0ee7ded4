#pragma once

// The settings store of Windows: the registry keys where VB programs keep theirs,
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<app>\<section>, one REG_SZ value per
// key, exactly as saved (UTF-16 in the registry, UTF-8 here).

#include "platform/forms/SettingsStore.h"

#include <string>
#include <string_view>

namespace veltrano::forms {

inline constexpr std::string_view kVbSettingsRoot = "Software\\VB and VBA Program Settings";

class RegistrySettingsStore final : public SettingsStore {
public:
    // root: the key below HKEY_CURRENT_USER that holds the applications' keys.
    explicit RegistrySettingsStore(std::string root = std::string(kVbSettingsRoot))
        : root_(std::move(root)) {}

    // The default when the key or value is missing or is not text; never throws.
    std::string Get(std::string_view app, std::string_view section, std::string_view key,
                    std::string_view defaultValue) const override;
    // Creates the keys as needed. Throws std::system_error when the registry refuses.
    void Save(std::string_view app, std::string_view section, std::string_view key,
              std::string_view value) override;

    // The key of one section below HKEY_CURRENT_USER.
    std::string SectionKey(std::string_view app, std::string_view section) const;

private:
    std::string root_;
};

} // namespace veltrano::forms
