#pragma once

// Unix stream sockets for the stand-in ACT! application: owning descriptors, the listening
// socket in the registration folder, and frame transfer with deadlines for clients.

#include "platform/posix/UniqueFd.h"

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace veltrano::ole::standin {

using posix::UniqueFd;

// A socket failure; the text names the call and errno's reason.
class SocketError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failure with no answer in time.
class SocketTimeout : public SocketError {
public:
    using SocketError::SocketError;
};

// A listening socket bound to a path; closes and removes the path when destroyed.
class ListeningSocket {
public:
    explicit ListeningSocket(std::filesystem::path path);
    ~ListeningSocket();
    ListeningSocket(const ListeningSocket&) = delete;
    ListeningSocket& operator=(const ListeningSocket&) = delete;

    int Fd() const noexcept { return fd_.get(); }
    const std::filesystem::path& Path() const noexcept { return path_; }

private:
    std::filesystem::path path_;
    UniqueFd fd_;
};

using Deadline = std::chrono::steady_clock::time_point;

// Connects to the socket at path; throws SocketError.
UniqueFd ConnectUnixSocket(const std::filesystem::path& path);
// Writes all bytes, or throws SocketError / SocketTimeout.
void SendAll(int fd, std::string_view bytes, Deadline deadline);
// Reads one frame and returns its payload; throws SocketError (also when the peer closes or
// announces more than maxPayload bytes) or SocketTimeout.
std::string ReceiveFrame(int fd, std::size_t maxPayload, Deadline deadline);

} // namespace veltrano::ole::standin
