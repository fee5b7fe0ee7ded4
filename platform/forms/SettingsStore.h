#pragma once

#include <string>
#include <string_view>

namespace veltrano::forms {

// The per-user settings store behind GetSetting/SaveSetting.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string Get(std::string_view app, std::string_view section, std::string_view key,
                            std::string_view defaultValue) const = 0;
    // Throws std::system_error when the store cannot be written.
    virtual void Save(std::string_view app, std::string_view section, std::string_view key,
                      std::string_view value) = 0;
};

} // namespace veltrano::forms
