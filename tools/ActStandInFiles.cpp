#include "tools/ActStandInFiles.h"

#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace veltrano::tools {

namespace {

std::filesystem::path SiblingTemporary(const std::filesystem::path& target) {
    std::random_device random;
    return std::filesystem::path(target) += ".new-" + std::to_string(random());
}

} // namespace

void WriteNewFile(const std::filesystem::path& target, bool replace,
                  const std::function<void(const std::filesystem::path&)>& write) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(target, error);
    if (std::filesystem::exists(status)) {
        if (!replace) {
            throw std::runtime_error(target.string() +
                                     " already exists (use --force to replace it)");
        }
        if (std::filesystem::is_directory(status)) {
            throw std::runtime_error(target.string() + " is a folder");
        }
    }
    if (!replace) {
        write(target);
        return;
    }
    const auto temporary = SiblingTemporary(target);
    try {
        write(temporary);
        std::filesystem::rename(temporary, target);
    } catch (...) {
        std::filesystem::remove(temporary, error);
        throw;
    }
}

} // namespace veltrano::tools
