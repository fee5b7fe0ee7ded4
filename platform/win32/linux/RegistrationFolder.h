#pragma once

// The folder in which running stand-in ACT! programs register their window and socket.
// It is private to the user: created with mode 0700 and refused when anyone else could
// have put something in it.

#include <filesystem>
#include <stdexcept>
#include <string>

namespace veltrano::win32 {

// A registration folder or entry could not be used. Number is the errno value, or 0.
class RegistrationError : public std::runtime_error {
public:
    RegistrationError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int Number() const noexcept { return number_; }

private:
    int number_;
};

// $XDG_RUNTIME_DIR/act-standin when that variable holds an absolute path,
// else /tmp/act-standin-<uid>. Touches nothing on disk.
std::filesystem::path RegistrationFolderPath();

// Creates the folder (mode 0700) when missing and checks it: a real directory (not a link),
// owned by this user, no access for group or others. Throws RegistrationError otherwise.
std::filesystem::path OpenRegistrationFolder(const std::filesystem::path& folder);
inline std::filesystem::path OpenRegistrationFolder() {
    return OpenRegistrationFolder(RegistrationFolderPath());
}

// For readers: false when the folder does not exist (no stand-in has run), true when it passes
// the checks above; throws RegistrationError when it exists but fails them.
bool RegistrationFolderExists(const std::filesystem::path& folder);

} // namespace veltrano::win32
