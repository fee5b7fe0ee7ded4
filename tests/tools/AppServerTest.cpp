// The stand-in application's server in this process: bad requests, and clients that stay or
// trickle their requests.

#include "ChildProcess.h"

#include "platform/actole/AutomationError.h"
#include "platform/actole/standin/SampleDatabase.h"
#include "platform/actole/standin/application/AppModel.h"
#include "platform/actole/standin/application/AppServer.h"

#include <gmock/gmock.h>
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
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using Clock = std::chrono::steady_clock;

void Send(const UniqueFd& fd, std::string_view bytes) {
    SendAll(fd.get(), bytes, Clock::now() + 1s);
}

wire::Reply Receive(const UniqueFd& fd) {
    return wire::DecodeReply(ReceiveFrame(fd.get(), wire::kMaxPayload, Clock::now() + 5s));
}

// The error reply as "number: description".
std::string Error(const UniqueFd& fd) {
    const auto reply = Receive(fd);
    const auto* error = std::get_if<wire::ErrorReply>(&reply);
    return error ? std::to_string(error->number) + ": " + error->description : "(a value)";
}

std::string Call(std::uint32_t object, std::string member, std::vector<wire::Value> args = {}) {
    return wire::EncodeRequest({object, InvokeKind::Method, std::move(member), args});
}

bool ClosedWithin(const UniqueFd& fd, int milliseconds) {
    pollfd item{fd.get(), POLLIN, 0};
    char byte;
    return ::poll(&item, 1, milliseconds) == 1 && ::recv(fd.get(), &byte, 1, MSG_DONTWAIT) == 0;
}

class AppServerTest : public ::testing::Test {
protected:
    AppServerTest() { WriteSampleDatabase(database); }
    ~AppServerTest() override {
        if (server.joinable()) {
            [[maybe_unused]] const auto written = ::write(stop[1], "x", 1);
            server.join();
            ::close(stop[0]);
            ::close(stop[1]);
        }
    }

    void Serve(AppServerOptions options) {
        std::ostringstream errors;
        model = OpenAppModel(database, 1s, errors);
        ASSERT_TRUE(model) << errors.str();
        ASSERT_EQ(::pipe(stop), 0);
        server =
            std::thread([this, options] { AppServer(socket.Fd(), *model, options).Run(stop[0]); });
    }
    UniqueFd Connect() const { return ConnectUnixSocket(socket.Path()); }
    std::string Ask(const UniqueFd& fd) {
        Send(fd, Call(wire::kApplicationObject, "GetOpenDBName"));
        return std::get<std::string>(std::get<wire::Value>(Receive(fd)));
    }

    testsupport::TempFolder temp;
    const std::filesystem::path database = temp.Path() / "sales.dbf";
    const ListeningSocket socket{temp.Path() / "app.sock"};
    std::shared_ptr<AppModel> model;
    int stop[2] = {-1, -1};
    std::thread server;
};

TEST_F(AppServerTest, BadRequestsGetErrorRepliesAndTheServerCarriesOn) {
    Serve({});
    const auto garbage = Connect();
    Send(garbage, "hello, this is not a frame"); // announces more than the limit
    EXPECT_THAT(Error(garbage), AllOf(StartsWith(std::to_string(wire::kBadRequest) + ":"),
                                      HasSubstr("at most 1048576")));
    EXPECT_TRUE(ClosedWithin(garbage, 5000));

    // Whole frames with nonsense inside: answered, and the connection stays usable.
    const std::pair<std::string, std::string> answers[] = {
        {std::string("\0\0\0\x06\x01garbl", 10), "Malformed request"}, // announces 6 bytes
        {Call(wire::kApplicationObject, "OpenDB"),
         std::to_string(errors::kDispBadParamCount) + ":"},
        {Call(12345, "Type"), std::to_string(wire::kDisconnected) + ":"}};
    const auto client = Connect();
    for (const auto& [request, answer] : answers) {
        Send(client, request);
        EXPECT_THAT(Error(client), HasSubstr(answer));
    }
    EXPECT_EQ(Ask(client), database.string());
}

TEST_F(AppServerTest, TrickledRequestEndsAtItsDeadlineAndNewClientsDisplaceTheLongestIdle) {
    Serve({.idleTimeout = 10s, .requestTimeout = 300ms, .maxClients = 2});
    const auto slow = Connect();
    Send(slow, std::string("\0\0\0\x64", 4)); // announces 100 bytes
    bool closed = false;
    for (int i = 0; i < 9 && !closed; ++i) {
        ::send(slow.get(), "x", 1, MSG_NOSIGNAL); // a byte every 100 ms
        closed = ClosedWithin(slow, 100);
    }
    EXPECT_TRUE(closed);

    const auto first = Connect();
    const auto second = Connect();
    EXPECT_EQ(Ask(first), database.string());
    EXPECT_EQ(Ask(second), database.string());
    const auto third = Connect();
    EXPECT_EQ(Ask(third), database.string());
    EXPECT_TRUE(ClosedWithin(first, 500));
    EXPECT_EQ(Ask(second), database.string());
}

} // namespace
} // namespace veltrano::ole::standin
