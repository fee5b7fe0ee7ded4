#include "platform/actole/standin/application/AppClient.h"

#include "platform/actole/AutomationError.h"
#include "platform/actole/standin/application/AppProtocol.h"
#include "platform/actole/standin/application/AppSocket.h"

#include <memory>

namespace veltrano::ole::standin {

namespace {

constexpr std::int32_t kBusy = errors::kRpcCallRejected;

class AppConnection {
public:
    AppConnection(UniqueFd fd, AppClientOptions options) : fd_(std::move(fd)), options_(options) {}

    wire::Reply Call(const wire::Request& request) {
        if (!fd_) {
            throw AutomationError(wire::kDisconnected,
                                  "The object invoked has disconnected from its clients.");
        }
        std::string frame;
        try {
            frame = wire::EncodeRequest(request);
        } catch (const wire::ProtocolError& error) {
            throw AutomationError(errors::kInvalidProcedureCall, error.what());
        }
        const auto deadline = std::chrono::steady_clock::now() + options_.replyTimeout;
        try {
            SendAll(fd_.get(), frame, deadline);
            return wire::DecodeReply(ReceiveFrame(fd_.get(), wire::kMaxPayload, deadline));
        } catch (const SocketTimeout&) {
            // A late reply would be taken for the next call's: this connection is done.
            fd_.reset();
            throw AutomationError(kBusy, "The application is busy and did not answer in time.");
        } catch (const std::exception& error) {
            fd_.reset();
            throw AutomationError(wire::kDisconnected,
                                  std::string("The connection to the ACT! application was lost: ") +
                                      error.what());
        }
    }

private:
    UniqueFd fd_;
    AppClientOptions options_;
};

class RemoteObject final : public Dispatch {
public:
    RemoteObject(std::shared_ptr<AppConnection> connection, std::uint32_t id)
        : connection_(std::move(connection)), id_(id) {}

    Variant Invoke(std::int32_t dispid, InvokeKind, std::span<const Variant>) override {
        throw AutomationError(errors::kMemberNotFound,
                              "Object doesn't support this property or method (dispatch "
                              "identifier " +
                                  std::to_string(dispid) + ")");
    }

    Variant InvokeByName(std::string_view name, InvokeKind kind,
                         std::span<const Variant> args) override {
        wire::Request request{id_, kind, std::string(name), {}};
        for (const auto& argument : args) {
            request.arguments.push_back(ToWire(argument));
        }
        auto reply = connection_->Call(request);
        if (auto* error = std::get_if<wire::ErrorReply>(&reply)) {
            throw AutomationError(error->number, std::move(error->description));
        }
        return FromWire(std::get<wire::Value>(std::move(reply)));
    }

private:
    wire::Value ToWire(const Variant& value) const {
        if (auto scalar = wire::ScalarValue(value)) {
            return std::move(*scalar);
        }
        if (value == Variant(DispatchPtr{})) {
            return wire::ObjectId{0};
        }
        const auto* remote = dynamic_cast<const RemoteObject*>(value.AsObject().get());
        if (remote == nullptr || remote->connection_ != connection_) {
            throw AutomationError(errors::kTypeMismatch,
                                  "Type mismatch: the object does not belong to the application");
        }
        return wire::ObjectId{remote->id_};
    }

    Variant FromWire(wire::Value value) const {
        return std::visit(
            [this](auto&& v) -> Variant {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::monostate>) {
                    return Variant();
                } else if constexpr (std::is_same_v<T, wire::ObjectId>) {
                    if (v.id == 0) {
                        return Variant(DispatchPtr{});
                    }
                    return Variant(DispatchPtr(std::make_shared<RemoteObject>(connection_, v.id)));
                } else {
                    return Variant(std::move(v));
                }
            },
            std::move(value));
    }

    std::shared_ptr<AppConnection> connection_;
    std::uint32_t id_;
};

} // namespace

DispatchPtr ConnectStandInApplication(const std::filesystem::path& socketPath,
                                      AppClientOptions options) {
    UniqueFd fd;
    try {
        fd = ConnectUnixSocket(socketPath);
    } catch (const SocketError&) {
        throw AutomationError(errors::kCannotCreateObject, "ActiveX component can't create object");
    }
    auto connection = std::make_shared<AppConnection>(std::move(fd), options);
    return std::make_shared<RemoteObject>(std::move(connection), wire::kApplicationObject);
}

} // namespace veltrano::ole::standin
