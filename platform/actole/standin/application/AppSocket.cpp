#include "platform/actole/standin/application/AppSocket.h"

#include "platform/actole/standin/application/AppProtocol.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace veltrano::ole::standin {

namespace {

[[noreturn]] void Fail(const std::string& what) {
    throw SocketError(what + ": " + std::strerror(errno));
}

sockaddr_un AddressOf(const std::filesystem::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string& text = path.native();
    if (text.size() >= sizeof address.sun_path) {
        throw SocketError("socket path " + text + " is longer than " +
                          std::to_string(sizeof address.sun_path - 1) + " bytes");
    }
    std::memcpy(address.sun_path, text.c_str(), text.size() + 1);
    return address;
}

// Waits until fd is ready for events; throws SocketTimeout when the deadline passes first.
void WaitFor(int fd, short events, Deadline deadline) {
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            throw SocketTimeout("no answer in time");
        }
        pollfd item{fd, events, 0};
        const int ready =
            ::poll(&item, 1, static_cast<int>(std::min<long long>(left.count(), 60000)));
        if (ready > 0) {
            return;
        }
        if (ready < 0 && errno != EINTR) {
            Fail("poll");
        }
    }
}

void ReceiveExactly(int fd, char* data, std::size_t size, Deadline deadline) {
    std::size_t done = 0;
    while (done < size) {
        const auto got = ::recv(fd, data + done, size - done, MSG_DONTWAIT);
        if (got > 0) {
            done += static_cast<std::size_t>(got);
        } else if (got == 0) {
            throw SocketError("connection closed by the application");
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            WaitFor(fd, POLLIN, deadline);
        } else if (errno != EINTR) {
            Fail("recv");
        }
    }
}

} // namespace

ListeningSocket::ListeningSocket(std::filesystem::path path) : path_(std::move(path)) {
    const sockaddr_un address = AddressOf(path_);
    fd_ = UniqueFd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd_) {
        Fail("socket");
    }
    ::unlink(path_.c_str()); // a leftover of an earlier process with this name
    if (::bind(fd_.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        Fail("bind " + path_.string());
    }
    if (::chmod(path_.c_str(), 0600) != 0 || ::listen(fd_.get(), 16) != 0) {
        const int number = errno;
        ::unlink(path_.c_str());
        errno = number;
        Fail("listen " + path_.string());
    }
}

ListeningSocket::~ListeningSocket() {
    fd_.reset();
    ::unlink(path_.c_str());
}

UniqueFd ConnectUnixSocket(const std::filesystem::path& path) {
    const sockaddr_un address = AddressOf(path);
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!fd) {
        Fail("socket");
    }
    int result = 0;
    do {
        result = ::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        Fail("connect " + path.string());
    }
    return fd;
}

void SendAll(int fd, std::string_view bytes, Deadline deadline) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto sent =
            ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent >= 0) {
            done += static_cast<std::size_t>(sent);
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            WaitFor(fd, POLLOUT, deadline);
        } else if (errno != EINTR) {
            Fail("send");
        }
    }
}

std::string ReceiveFrame(int fd, std::size_t maxPayload, Deadline deadline) {
    char header[wire::kHeaderSize];
    ReceiveExactly(fd, header, sizeof header, deadline);
    const std::uint32_t length = wire::PayloadLength(std::string_view(header, sizeof header));
    if (length > maxPayload) {
        throw SocketError("the application announced a message of " + std::to_string(length) +
                          " bytes");
    }
    std::string payload(length, '\0');
    ReceiveExactly(fd, payload.data(), payload.size(), deadline);
    return payload;
}

} // namespace veltrano::ole::standin
