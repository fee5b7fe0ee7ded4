#pragma once

// The settings store as an INI file: one file per application, [section], key=value.
// Values read back exactly as saved; a damaged file is read as far as it can be, and a save
// changes the one entry and keeps every other byte; the file is private to the user (mode 0600),
// since it holds a password.

#include "platform/forms/SettingsStore.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace veltrano::forms {

class IniSettingsStore final : public SettingsStore {
public:
    // More than this is not read from a settings file, and a longer file is never rewritten:
    // its content could not be kept whole.
    static constexpr std::size_t kReadLimit = 16 * 1024 * 1024;

    // The file of one application; the app argument of Get and Save is not used to pick it.
    explicit IniSettingsStore(std::filesystem::path file);

    // $XDG_CONFIG_HOME/<app>/<app>.ini, or $HOME/.config/<app>/<app>.ini when XDG_CONFIG_HOME is
    // unset or not absolute. Throws std::system_error when no home folder can be found.
    static std::filesystem::path DefaultPath(std::string_view appName);

    const std::filesystem::path& Path() const noexcept { return file_; }

    // Never throws for a missing, unreadable or damaged file: the default is the answer then.
    std::string Get(std::string_view app, std::string_view section, std::string_view key,
                    std::string_view defaultValue) const override;
    // Rereads the whole file, changes the one entry and replaces the file atomically, so that
    // everything else in it is kept. Throws std::system_error when that fails, or when the file
    // cannot be read whole (larger than kReadLimit, not a regular file); it is left as it was.
    void Save(std::string_view app, std::string_view section, std::string_view key,
              std::string_view value) override;

private:
    std::filesystem::path file_;
};

} // namespace veltrano::forms
