#include "platform/forms/IniSettingsStore.h"

#include "platform/forms/AtomicFile.h"
#include "platform/forms/IniDocument.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <stdexcept>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace veltrano::forms {

namespace {

std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    int error = ::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found);
    if (found == nullptr || found->pw_dir == nullptr || *found->pw_dir == '\0')
        throw std::system_error(error != 0 ? error : ENOENT, std::generic_category(),
                                "Cannot find the home folder for the settings file");
    return found->pw_dir;
}

} // namespace

IniSettingsStore::IniSettingsStore(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path IniSettingsStore::DefaultPath(std::string_view appName) {
    std::filesystem::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/')
        config = xdg;
    else
        config = HomeFolder() / ".config";
    const std::string app(appName);
    return config / app / (app + ".ini");
}

std::string IniSettingsStore::Get(std::string_view, std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
    try {
        auto text = ReadFileHead(file_, kReadLimit);
        if (text) {
            if (auto value = IniDocument::Parse(*text).Find(section, key))
                return *value;
        }
    } catch (const std::system_error&) {
        // An unreadable store is treated as an empty one; saving will report the problem.
    }
    return std::string(defaultValue);
}

void IniSettingsStore::Save(std::string_view, std::string_view section, std::string_view key,
                            std::string_view value) {
    // An existing file that cannot be read is not replaced: its content would be lost.
    auto text = ReadWholeFile(file_, kReadLimit);
    IniDocument document = IniDocument::Parse(text.value_or(""));
    try {
        document.Set(section, key, value);
    } catch (const std::invalid_argument& bad) {
        throw std::system_error(std::make_error_code(std::errc::invalid_argument), bad.what());
    }
    ReplaceFilePrivately(file_, document.Render());
}

} // namespace veltrano::forms
