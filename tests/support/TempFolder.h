#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace veltrano::testsupport {

// A fresh folder under the system's temporary folder, private to the user (on POSIX systems
// mode 0700), removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        const auto base = std::filesystem::temp_directory_path();
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const auto candidate = base / ("veltrano-test-" + std::to_string(random()));
            // create_directory is false when the name is taken: try another one.
            if (std::filesystem::create_directory(candidate)) {
                path_ = candidate;
            }
        }
        if (path_.empty()) {
            throw std::system_error(std::make_error_code(std::errc::file_exists),
                                    "no free temporary folder name in " + base.string());
        }
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const noexcept { return path_; }
    std::filesystem::path File(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

} // namespace veltrano::testsupport
