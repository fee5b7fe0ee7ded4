#pragma once

// Serves the application's objects to the clients of its listening socket: one thread, poll()
// over all connections, so a client that stops talking never holds up another one.

#include "platform/actole/standin/application/AppModel.h"
#include "platform/actole/standin/application/AppSocket.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace veltrano::ole::standin {

struct AppServerOptions {
    // A connection without any traffic for this long is closed.
    std::chrono::milliseconds idleTimeout{std::chrono::seconds(60)};
    // A request must arrive whole, and its reply be taken, within this time from its first byte,
    // however its bytes trickle in; otherwise the connection is closed.
    std::chrono::milliseconds requestTimeout{std::chrono::seconds(10)};
    // When this many are connected, a new client takes the place of the one idle longest (or,
    // with none idle, of the one whose request is the oldest).
    std::size_t maxClients = 32;
};

class AppServer {
public:
    AppServer(int listenFd, AppModel& model, AppServerOptions options = {});

    // Serves until stopFd becomes readable (a signalfd, or a pipe in tests).
    void Run(int stopFd);

private:
    struct Client {
        UniqueFd fd;
        std::string input;
        std::string output;
        std::chrono::steady_clock::time_point lastActivity;
        // The first byte of the request in progress, while one is (or its reply is unsent).
        std::optional<std::chrono::steady_clock::time_point> requestStart;
        bool closeWhenSent = false;
        bool done = false;
    };

    void Accept();
    // Makes room for one more client when all places are taken; false when none can be freed.
    bool MakeRoom();
    std::chrono::steady_clock::time_point DeadlineOf(const Client& client) const;
    void Read(Client& client);
    void Write(Client& client);
    // Answers every whole request in the client's input.
    void ServeFrames(Client& client);
    std::string Answer(std::string_view payload);
    void Fail(Client& client, const std::string& description);

    int listenFd_;
    AppModel& model_;
    AppServerOptions options_;
    std::vector<Client> clients_;
};

} // namespace veltrano::ole::standin
