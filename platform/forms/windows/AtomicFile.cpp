// Reading and replacing small private files on Windows: the new content is written to a
// temporary file beside the target, flushed, and put in its place with ReplaceFileW (an existing
// file) or MoveFileExW (a new one), so that readers see the old or the new file, never a part.
// The files lie in the user's own folders; the folders' permissions are inherited.

#include "platform/forms/AtomicFile.h"

#include <windows.h>

#include <algorithm>
#include <random>
#include <string>
#include <system_error>
#include <utility>

namespace veltrano::forms {

namespace {

[[noreturn]] void ThrowLastError(const std::string& what) {
    throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(), what);
}

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) noexcept : handle_(handle) {}
    FileHandle(FileHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }
    bool Valid() const noexcept { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const noexcept { return handle_; }
    bool Close() noexcept {
        return !Valid() || ::CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != FALSE;
    }
    void Reset(HANDLE handle) noexcept {
        Close();
        handle_ = handle;
    }

private:
    HANDLE handle_;
};

// A temporary file beside the target, removed unless it was put in the target's place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target) {
        std::random_device random;
        for (int attempt = 0; attempt < 16 && !file_.Valid(); ++attempt) {
            path_ = target.parent_path() /
                    (L"." + target.filename().wstring() + L"." + std::to_wstring(random()));
            file_.Reset(::CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!file_.Valid() && ::GetLastError() != ERROR_FILE_EXISTS) {
                break;
            }
        }
        if (!file_.Valid()) {
            ThrowLastError("Cannot create a temporary file beside " + target.string());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        file_.Close();
        if (!path_.empty()) {
            ::DeleteFileW(path_.c_str());
        }
    }

    FileHandle& File() noexcept { return file_; }
    void PutInPlaceOf(const std::filesystem::path& target) {
        const bool replaced =
            ::ReplaceFileW(target.c_str(), path_.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                           nullptr, nullptr) != FALSE;
        if (!replaced) {
            const DWORD error = ::GetLastError();
            // A target that does not exist yet is simply renamed into being.
            if (error != ERROR_FILE_NOT_FOUND ||
                ::MoveFileExW(path_.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) == FALSE) {
                if (error != ERROR_FILE_NOT_FOUND) {
                    ::SetLastError(error);
                }
                ThrowLastError("Cannot replace " + target.string());
            }
        }
        path_.clear();
    }

private:
    FileHandle file_{INVALID_HANDLE_VALUE};
    std::filesystem::path path_;
};

void CreateFolders(const std::filesystem::path& folder) {
    if (folder.empty() || folder == folder.root_path()) {
        return;
    }
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        return;
    }
    CreateFolders(folder.parent_path());
    if (::CreateDirectoryW(folder.c_str(), nullptr) == FALSE &&
        ::GetLastError() != ERROR_ALREADY_EXISTS) {
        ThrowLastError("Cannot create the folder " + folder.string());
    }
}

void WriteAll(HANDLE file, std::string_view contents, const std::string& name) {
    while (!contents.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size(), 1 << 20));
        DWORD written = 0;
        if (::WriteFile(file, contents.data(), chunk, &written, nullptr) == FALSE) {
            ThrowLastError("Cannot write " + name);
        }
        contents.remove_prefix(written);
    }
}

// An invalid handle when the file does not exist; throws when it cannot be opened or is no
// disk file (a pipe or device would make reading wait).
FileHandle OpenForReading(const std::filesystem::path& file) {
    FileHandle handle(::CreateFileW(file.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle.Valid()) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return handle;
        }
        ThrowLastError("Cannot open " + file.string());
    }
    if (::GetFileType(handle.Get()) != FILE_TYPE_DISK) {
        ::SetLastError(ERROR_INVALID_FUNCTION);
        ThrowLastError("Cannot read " + file.string() + ": it is not a regular file");
    }
    return handle;
}

std::string ReadUpTo(HANDLE handle, std::size_t maxBytes, const std::filesystem::path& file) {
    std::string text;
    char buffer[16384];
    while (text.size() < maxBytes) {
        DWORD got = 0;
        const auto wanted = static_cast<DWORD>(std::min(sizeof buffer, maxBytes - text.size()));
        if (::ReadFile(handle, buffer, wanted, &got, nullptr) == FALSE) {
            ThrowLastError("Cannot read " + file.string());
        }
        if (got == 0) {
            break;
        }
        text.append(buffer, got);
    }
    return text;
}

} // namespace

std::optional<std::string> ReadFileHead(const std::filesystem::path& file, std::size_t maxBytes) {
    FileHandle handle = OpenForReading(file);
    if (!handle.Valid()) {
        return std::nullopt;
    }
    std::string text = ReadUpTo(handle.Get(), maxBytes, file);
    if (text.size() < maxBytes) {
        return text;
    }
    // The limit was reached: keep whole lines only.
    const auto lastLineEnd = text.rfind('\n');
    text.resize(lastLineEnd == std::string::npos ? 0 : lastLineEnd + 1);
    return text;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes) {
    FileHandle handle = OpenForReading(file);
    if (!handle.Valid()) {
        return std::nullopt;
    }
    std::string text = ReadUpTo(handle.Get(), maxBytes + 1, file);
    if (text.size() > maxBytes) {
        throw std::system_error(ERROR_FILE_TOO_LARGE, std::system_category(),
                                file.string() + " is larger than " + std::to_string(maxBytes) +
                                    " bytes and is left as it is");
    }
    return text;
}

void ReplaceFilePrivately(const std::filesystem::path& file, std::string_view contents) {
    const DWORD existing = ::GetFileAttributesW(file.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        // Not every ReplaceFileW refuses a folder as the file to replace.
        ::SetLastError(ERROR_ACCESS_DENIED);
        ThrowLastError("Cannot replace the folder " + file.string());
    }
    CreateFolders(file.parent_path());
    TemporaryFile temporary(file);
    WriteAll(temporary.File().Get(), contents, file.string());
    if (::FlushFileBuffers(temporary.File().Get()) == FALSE) {
        ThrowLastError("Cannot write " + file.string() + " to disk");
    }
    if (!temporary.File().Close()) {
        ThrowLastError("Cannot write " + file.string());
    }
    temporary.PutInPlaceOf(file);
}

} // namespace veltrano::forms
