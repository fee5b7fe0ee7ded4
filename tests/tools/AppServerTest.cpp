// The stand-in application's server under clients that stay or trickle their requests.

#include "StandInProcess.h"

#include "platform/actole/standin/application/AppModel.h"
#include "platform/actole/standin/application/AppServer.h"

#include <gtest/gtest.h>

#include <memory>
#include <poll.h>
#include <sstream>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace veltrano::ole::standin {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

std::string Ask(const UniqueFd& fd) {
    SendAll(
        fd.get(),
        wire::EncodeRequest({wire::kApplicationObject, InvokeKind::Method, "GetOpenDBName", {}}),
        Clock::now() + 1s);
    const auto reply =
        wire::DecodeReply(ReceiveFrame(fd.get(), wire::kMaxPayload, Clock::now() + 1s));
    return std::get<std::string>(std::get<wire::Value>(reply));
}

bool ClosedWithin(const UniqueFd& fd, int milliseconds) {
    pollfd item{fd.get(), POLLIN, 0};
    char byte;
    return ::poll(&item, 1, milliseconds) == 1 && ::recv(fd.get(), &byte, 1, MSG_DONTWAIT) == 0;
}

TEST(AppServerTest, TrickledRequestEndsAtItsDeadlineAndNewClientsDisplaceTheLongestIdle) {
    testsupport::TempFolder temp;
    const auto database = temp.Path() / "sales.dbf";
    testsupport::WriteRunDatabase(database, "Sales Team");
    std::ostringstream errors;
    const auto model = OpenAppModel(database, 1s, errors);
    ASSERT_TRUE(model) << errors.str();
    const ListeningSocket socket(temp.Path() / "app.sock");
    int stop[2];
    ASSERT_EQ(::pipe(stop), 0);
    std::thread server([&] {
        AppServer(socket.Fd(), *model,
                  {.idleTimeout = 10s, .requestTimeout = 300ms, .maxClients = 2})
            .Run(stop[0]);
    });

    const auto stopServer = [&](std::thread* running) {
        [[maybe_unused]] const auto written = ::write(stop[1], "x", 1);
        running->join();
        ::close(stop[0]);
        ::close(stop[1]);
    };
    const std::unique_ptr<std::thread, decltype(stopServer)> joined(&server, stopServer);
    const auto slow = ConnectUnixSocket(socket.Path());
    SendAll(slow.get(), std::string("\0\0\0\x64", 4), Clock::now() + 1s); // announces 100 bytes
    bool closed = false;
    for (int i = 0; i < 9 && !closed; ++i) {
        ::send(slow.get(), "x", 1, MSG_NOSIGNAL); // a byte every 100 ms
        closed = ClosedWithin(slow, 100);
    }
    EXPECT_TRUE(closed);

    const auto first = ConnectUnixSocket(socket.Path());
    const auto second = ConnectUnixSocket(socket.Path());
    EXPECT_EQ(Ask(first), database.string());
    EXPECT_EQ(Ask(second), database.string());
    const auto third = ConnectUnixSocket(socket.Path());
    EXPECT_EQ(Ask(third), database.string());
    EXPECT_TRUE(ClosedWithin(first, 500));
    EXPECT_EQ(Ask(second), database.string());
}

} // namespace
} // namespace veltrano::ole::standin
