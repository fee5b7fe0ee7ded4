#pragma once

// A settings store held in memory, for tests and for runs that must not touch the user's files.

#include "platform/forms/SettingsStore.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

namespace veltrano::forms {

class MemorySettingsStore final : public SettingsStore {
public:
    std::string Get(std::string_view app, std::string_view section, std::string_view key,
                    std::string_view defaultValue) const override;
    void Save(std::string_view app, std::string_view section, std::string_view key,
              std::string_view value) override;

    // The stored value, or nullopt when the key was never saved.
    std::optional<std::string> Find(std::string_view app, std::string_view section,
                                    std::string_view key) const;
    std::size_t Size() const noexcept { return values_.size(); }

private:
    using Address = std::tuple<std::string, std::string, std::string>;
    std::map<Address, std::string, std::less<>> values_;
};

} // namespace veltrano::forms
