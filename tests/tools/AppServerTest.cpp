// The stand-in application's server under clients that connect and stay, or trickle their
// requests: none of them can lock the others out.

#include "StandInProcess.h"

#include "platform/actole/standin/application/AppModel.h"
#include "platform/actole/standin/application/AppProtocol.h"
#include "platform/actole/standin/application/AppServer.h"
#include "platform/actole/standin/application/AppSocket.h"

#include <gtest/gtest.h>

#include <optional>
#include <poll.h>
#include <sstream>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace veltrano::ole::standin {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class AppServerTest : public ::testing::Test {
protected:
    AppServerTest() { testsupport::WriteRunDatabase(database, "Sales Team"); }
    ~AppServerTest() override {
        if (server.joinable()) {
            [[maybe_unused]] const auto written = ::write(stop[1], "x", 1);
            server.join();
        }
        for (const int fd : stop) {
            ::close(fd);
        }
    }
    void Serve(AppServerOptions options) {
        model = OpenAppModel(database, 1s, errors);
        ASSERT_TRUE(model) << errors.str();
        socket.emplace(temp.Path() / "app.sock");
        ASSERT_EQ(::pipe(stop), 0);
        server =
            std::thread([this, options] { AppServer(socket->Fd(), *model, options).Run(stop[0]); });
    }
    UniqueFd Connect() const { return ConnectUnixSocket(socket->Path()); }
    // GetOpenDBName's answer on that connection.
    static std::string Ask(const UniqueFd& fd) {
        SendAll(fd.get(),
                wire::EncodeRequest(
                    {wire::kApplicationObject, InvokeKind::Method, "GetOpenDBName", {}}),
                Clock::now() + 1s);
        const auto reply =
            wire::DecodeReply(ReceiveFrame(fd.get(), wire::kMaxPayload, Clock::now() + 1s));
        const auto* value = std::get_if<wire::Value>(&reply);
        return value && std::holds_alternative<std::string>(*value) ? std::get<std::string>(*value)
                                                                    : "(no name)";
    }
    static bool ClosedWithin(const UniqueFd& fd, std::chrono::milliseconds wait) {
        pollfd item{fd.get(), POLLIN, 0};
        char byte;
        return ::poll(&item, 1, static_cast<int>(wait.count())) == 1 &&
               ::recv(fd.get(), &byte, 1, MSG_DONTWAIT) == 0;
    }

    testsupport::TempFolder temp;
    const std::filesystem::path database = temp.Path() / "sales.dbf";
    std::ostringstream errors;
    std::shared_ptr<AppModel> model;
    std::optional<ListeningSocket> socket;
    int stop[2] = {-1, -1};
    std::thread server;
};

TEST_F(AppServerTest, TrickledRequestEndsAtItsDeadlineAndNewClientsDisplaceTheLongestIdle) {
    Serve({.idleTimeout = 10s, .requestTimeout = 300ms, .maxClients = 2});
    const auto slow = Connect();
    const std::string header{"\0\0\0\x64", 4}; // announces 100 bytes
    SendAll(slow.get(), header, Clock::now() + 1s);
    const auto start = Clock::now();
    bool closed = false;
    while (!closed && Clock::now() - start < 900ms) {
        ::send(slow.get(), "x", 1, MSG_NOSIGNAL);
        closed = ClosedWithin(slow, 100ms);
    }
    EXPECT_TRUE(closed) << "a byte every 100 ms kept the request open";

    const auto first = Connect();
    const auto second = Connect();
    ASSERT_EQ(Ask(first), database.string());
    ASSERT_EQ(Ask(second), database.string());
    const auto third = Connect();
    EXPECT_EQ(Ask(third), database.string());
    EXPECT_TRUE(ClosedWithin(first, 500ms));
    EXPECT_EQ(Ask(second), database.string());
}

} // namespace
} // namespace veltrano::ole::standin
