#include "platform/actole/standin/application/AppServer.h"

#include "platform/actole/AutomationError.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace veltrano::ole::standin {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kReadChunk = 64 * 1024;
constexpr std::size_t kMaxPendingOutput = 1024 * 1024;

[[noreturn]] void ThrowErrno(const char* call) {
    throw SocketError(std::string(call) + ": " + std::strerror(errno));
}

// A frame is complete, or its header alone already rules it out.
bool HasWholeFrame(std::string_view input) {
    if (input.size() < wire::kHeaderSize) {
        return false;
    }
    const std::uint32_t length = wire::PayloadLength(input);
    return length > wire::kMaxPayload || input.size() - wire::kHeaderSize >= length;
}

} // namespace

AppServer::AppServer(int listenFd, AppModel& model, AppServerOptions options)
    : listenFd_(listenFd), model_(model), options_(options) {}

void AppServer::Run(int stopFd) {
    std::vector<pollfd> items;
    for (;;) {
        items.clear();
        items.push_back({stopFd, POLLIN, 0});
        items.push_back({listenFd_, POLLIN, 0});
        auto wake = Clock::now() + options_.idleTimeout;
        for (const auto& client : clients_) {
            // No new requests are read while a reply waits to be taken: a client cannot pile up
            // replies in the server.
            const short events = client.output.empty() ? POLLIN : POLLOUT;
            items.push_back({client.fd.get(), events, 0});
            wake = std::min(wake, DeadlineOf(client));
        }
        const auto wait =
            std::chrono::duration_cast<std::chrono::milliseconds>(wake - Clock::now());
        const int timeout = static_cast<int>(std::clamp<long long>(wait.count() + 1, 0, 60000));
        if (::poll(items.data(), items.size(), timeout) < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno("poll");
        }
        if (items[0].revents != 0) {
            return;
        }
        for (std::size_t i = 0; i < clients_.size(); ++i) {
            const short revents = items[i + 2].revents;
            Client& client = clients_[i];
            if ((revents & POLLOUT) != 0) {
                ServeFrames(client); // sends what waits, then serves requests sent ahead
            } else if ((revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
                Read(client);
            }
        }
        const auto now = Clock::now();
        std::erase_if(clients_, [&](const Client& client) {
            return client.done || now >= DeadlineOf(client);
        });
        if ((items[1].revents & POLLIN) != 0) {
            Accept();
        }
    }
}

void AppServer::Accept() {
    for (;;) {
        UniqueFd fd(::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
        if (!fd) {
            if (errno == EINTR) {
                continue;
            }
            return; // EAGAIN, or a client that gave up while waiting
        }
        Client client;
        client.fd = std::move(fd);
        client.lastActivity = Clock::now();
        if (clients_.size() >= options_.maxClients && !MakeRoom()) {
            // Told why, as far as the socket takes it at once, and closed.
            const std::string reply = wire::EncodeReply(
                wire::ErrorReply{errors::kRpcCallRejected, "Too many connections."});
            [[maybe_unused]] const auto sent =
                ::send(client.fd.get(), reply.data(), reply.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
            continue;
        }
        clients_.push_back(std::move(client));
    }
}

Clock::time_point AppServer::DeadlineOf(const Client& client) const {
    return client.requestStart ? *client.requestStart + options_.requestTimeout
                               : client.lastActivity + options_.idleTimeout;
}

bool AppServer::MakeRoom() {
    // Idle clients first, the longest idle of them; else the slowest request.
    const auto victim =
        std::min_element(clients_.begin(), clients_.end(), [](const Client& a, const Client& b) {
            if (a.requestStart.has_value() != b.requestStart.has_value()) {
                return !a.requestStart.has_value();
            }
            return a.requestStart ? *a.requestStart < *b.requestStart
                                  : a.lastActivity < b.lastActivity;
        });
    if (victim == clients_.end()) {
        return false;
    }
    clients_.erase(victim);
    return true;
}

void AppServer::Read(Client& client) {
    std::array<char, kReadChunk> buffer;
    const auto got = ::recv(client.fd.get(), buffer.data(), buffer.size(), MSG_DONTWAIT);
    if (got < 0) {
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            client.done = true;
        }
        return;
    }
    client.lastActivity = Clock::now();
    if (got == 0) {
        // The client finished sending. A request cut short is answered, if it still listens.
        if (client.input.empty()) {
            client.done = true;
        } else {
            Fail(client, "The request ends after " + std::to_string(client.input.size()) +
                             " bytes, before its frame is complete.");
        }
        return;
    }
    if (client.input.empty() && !client.requestStart) {
        client.requestStart = client.lastActivity;
    }
    client.input.append(buffer.data(), static_cast<std::size_t>(got));
    ServeFrames(client);
}

void AppServer::ServeFrames(Client& client) {
    for (;;) {
        std::size_t offset = 0;
        while (!client.closeWhenSent && client.output.size() < kMaxPendingOutput &&
               client.input.size() - offset >= wire::kHeaderSize) {
            const std::string_view rest = std::string_view(client.input).substr(offset);
            const std::uint32_t length = wire::PayloadLength(rest);
            if (length > wire::kMaxPayload) {
                Fail(client, "The request announces " + std::to_string(length) +
                                 " bytes; at most " + std::to_string(wire::kMaxPayload) +
                                 " are accepted.");
                return;
            }
            if (rest.size() - wire::kHeaderSize < length) {
                break;
            }
            client.output += Answer(rest.substr(wire::kHeaderSize, length));
            offset += wire::kHeaderSize + length;
        }
        client.input.erase(0, offset);
        if (offset > 0) {
            // A request was answered; what follows it is a new one, timed from now.
            client.requestStart = client.input.empty() && client.output.empty()
                                      ? std::nullopt
                                      : std::optional(Clock::now());
        }
        Write(client);
        if (client.input.empty() && client.output.empty()) {
            client.requestStart.reset();
        }
        // Requests sent ahead wait while replies pile up; they are served once those are gone.
        if (client.done || client.closeWhenSent || !client.output.empty() ||
            !HasWholeFrame(client.input)) {
            return;
        }
    }
}

std::string AppServer::Answer(std::string_view payload) {
    wire::Reply reply;
    try {
        reply = model_.Handle(wire::DecodeRequest(payload));
    } catch (const wire::ProtocolError& error) {
        // The frame was whole, so the connection stays usable.
        reply =
            wire::ErrorReply{wire::kBadRequest, std::string("Malformed request: ") + error.what()};
    }
    try {
        return wire::EncodeReply(reply);
    } catch (const wire::ProtocolError& error) {
        return wire::EncodeReply(
            wire::ErrorReply{wire::kBadRequest, std::string("Reply too large: ") + error.what()});
    }
}

void AppServer::Fail(Client& client, const std::string& description) {
    client.input.clear();
    client.output += wire::EncodeReply(wire::ErrorReply{wire::kBadRequest, description});
    client.closeWhenSent = true;
    Write(client);
}

void AppServer::Write(Client& client) {
    while (!client.output.empty()) {
        const auto sent = ::send(client.fd.get(), client.output.data(), client.output.size(),
                                 MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                return;
            }
            if (errno != EINTR) {
                client.done = true;
                return;
            }
            continue;
        }
        client.output.erase(0, static_cast<std::size_t>(sent));
        client.lastActivity = Clock::now();
    }
    if (client.closeWhenSent) {
        client.done = true;
    }
}

} // namespace veltrano::ole::standin
