#include "platform/forms/MemorySettingsStore.h"

namespace veltrano::forms {

std::string MemorySettingsStore::Get(std::string_view app, std::string_view section,
                                     std::string_view key, std::string_view defaultValue) const {
    auto found = Find(app, section, key);
    return found ? *found : std::string(defaultValue);
}

void MemorySettingsStore::Save(std::string_view app, std::string_view section, std::string_view key,
                               std::string_view value) {
    values_[Address(app, section, key)] = std::string(value);
}

std::optional<std::string> MemorySettingsStore::Find(std::string_view app, std::string_view section,
                                                     std::string_view key) const {
    auto it = values_.find(Address(app, section, key));
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

} // namespace veltrano::forms
