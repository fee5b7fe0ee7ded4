#include "platform/forms/AtomicFile.h"
#include "platform/posix/UniqueFd.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace veltrano::forms {

namespace {

[[noreturn]] void ThrowErrno(int error, const std::string& what) {
    throw std::system_error(error, std::generic_category(), what);
}

using posix::UniqueFd;

// A temporary file that is removed unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target) {
        std::string pattern =
            (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        fd_ = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd_ < 0)
            ThrowErrno(errno, "Cannot create a temporary file beside " + target.string());
        path_ = name.data();
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!path_.empty())
            ::unlink(path_.c_str());
    }

    int Descriptor() const noexcept { return fd_; }
    int Close() noexcept { return ::close(std::exchange(fd_, -1)); }
    void RenameTo(const std::filesystem::path& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0)
            ThrowErrno(errno, "Cannot replace " + target.string());
        path_.clear();
    }

private:
    int fd_ = -1;
    std::string path_;
};

void CreateFolders(const std::filesystem::path& folder) {
    if (folder.empty())
        return;
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0)
        return;
    CreateFolders(folder.parent_path());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        ThrowErrno(errno, "Cannot create the folder " + folder.string());
}

void WriteAll(int fd, std::string_view contents, const std::string& file) {
    while (!contents.empty()) {
        ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            ThrowErrno(errno, "Cannot write " + file);
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Opened without waiting (a FIFO would block the open) and only when it is a regular file;
// -1 when it does not exist. Throws std::system_error otherwise.
UniqueFd OpenRegularFile(const std::filesystem::path& file) {
    UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        if (errno == ENOENT)
            return UniqueFd(-1);
        ThrowErrno(errno, "Cannot open " + file.string());
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        ThrowErrno(errno, "Cannot read " + file.string());
    if (!S_ISREG(info.st_mode))
        ThrowErrno(S_ISDIR(info.st_mode) ? EISDIR : EINVAL,
                   "Cannot read " + file.string() + ": it is not a regular file");
    return fd;
}

// At most maxBytes from fd; fewer only at the end of the file.
std::string ReadUpTo(int fd, std::size_t maxBytes, const std::filesystem::path& file) {
    std::string text;
    char buffer[16384];
    while (text.size() < maxBytes) {
        ssize_t got = ::read(fd, buffer, std::min(sizeof buffer, maxBytes - text.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            ThrowErrno(errno, "Cannot read " + file.string());
        if (got == 0)
            break;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return text;
}

} // namespace

std::optional<std::string> ReadFileHead(const std::filesystem::path& file, std::size_t maxBytes) {
    const UniqueFd fd = OpenRegularFile(file);
    if (fd.get() < 0)
        return std::nullopt;
    std::string text = ReadUpTo(fd.get(), maxBytes, file);
    if (text.size() < maxBytes)
        return text;
    // The limit was reached: keep whole lines only.
    auto lastLineEnd = text.rfind('\n');
    text.resize(lastLineEnd == std::string::npos ? 0 : lastLineEnd + 1);
    return text;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes) {
    const UniqueFd fd = OpenRegularFile(file);
    if (fd.get() < 0)
        return std::nullopt;
    std::string text = ReadUpTo(fd.get(), maxBytes + 1, file);
    if (text.size() > maxBytes)
        ThrowErrno(EFBIG, file.string() + " is larger than " + std::to_string(maxBytes) +
                              " bytes and is left as it is");
    return text;
}

void ReplaceFilePrivately(const std::filesystem::path& file, std::string_view contents) {
    const std::filesystem::path folder = file.parent_path();
    CreateFolders(folder);

    TemporaryFile temporary(file);
    if (::fchmod(temporary.Descriptor(), 0600) != 0)
        ThrowErrno(errno, "Cannot protect the temporary file for " + file.string());
    WriteAll(temporary.Descriptor(), contents, file.string());
    if (::fsync(temporary.Descriptor()) != 0)
        ThrowErrno(errno, "Cannot write " + file.string() + " to disk");
    if (temporary.Close() != 0)
        ThrowErrno(errno, "Cannot write " + file.string());
    temporary.RenameTo(file);

    // Makes the rename itself durable; the new file is in place whatever this reports.
    UniqueFd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

} // namespace veltrano::forms
