#pragma once

// Serves the application's objects to the clients of its listening socket: one thread, poll()
// over all connections, so a client that stops talking never holds up another one.

#include "platform/actole/standin/application/AppModel.h"
#include "platform/actole/standin/application/AppSocket.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace veltrano::ole::standin {

struct AppServerOptions {
    // A connection without any traffic for this long is closed.
    std::chrono::milliseconds idleTimeout{std::chrono::seconds(60)};
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
        bool closeWhenSent = false;
        bool done = false;
    };

    void Accept();
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
