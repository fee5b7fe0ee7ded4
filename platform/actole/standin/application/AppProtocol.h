#pragma once

// The wire format between the stand-in ACT! application and its clients, over a Unix stream
// socket. Every message is one frame: a 4-byte big-endian payload length, then the payload.
//
// Request payload: version (1 byte, 1), object id (u32), invoke kind (1 byte: 0 get, 1 put,
// 2 method), member name (u32 length + bytes), argument count (u16), arguments.
// Reply payload: version (1 byte, 1), status (1 byte: 0 value, 1 error), then the value, or
// the error number (i32) and description (u32 length + bytes).
// A value: tag (1 byte) 0 Empty, 1 Boolean (1 byte), 2 Integer (i16), 3 Long (i32),
// 4 String (u32 length + bytes), 5 Object (u32 id, 0 = Nothing). Numbers are big-endian.

#include "platform/actole/Dispatch.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace veltrano::ole::standin::wire {

inline constexpr std::uint8_t kVersion = 1;
inline constexpr std::size_t kHeaderSize = 4;
inline constexpr std::uint32_t kMaxPayload = 1024 * 1024;
inline constexpr std::size_t kMaxMemberName = 255;
inline constexpr std::size_t kMaxArguments = 32;

// The application object every connection starts from.
inline constexpr std::uint32_t kApplicationObject = 1;

// Reply error numbers of the protocol itself.
inline constexpr std::int32_t kBadRequest = -2147024809;   // 0x80070057 E_INVALIDARG
inline constexpr std::int32_t kDisconnected = -2147417848; // 0x80010108 RPC_E_DISCONNECTED

struct ObjectId {
    std::uint32_t id = 0; // 0 = Nothing
    bool operator==(const ObjectId&) const = default;
};

// A Variant as it travels: objects are ids of the server's objects.
using Value = std::variant<std::monostate, bool, std::int16_t, std::int32_t, std::string, ObjectId>;

struct Request {
    std::uint32_t object = 0;
    InvokeKind kind = InvokeKind::Method;
    std::string member;
    std::vector<Value> arguments;
    bool operator==(const Request&) const = default;
};

struct ErrorReply {
    std::int32_t number = 0;
    std::string description;
    bool operator==(const ErrorReply&) const = default;
};

using Reply = std::variant<Value, ErrorReply>;

// A payload that breaks the format; the text says where.
class ProtocolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A value other than an object as the protocol carries it; nullopt for an object, which only
// the socket client can name.
std::optional<Value> ScalarValue(const Variant& value);

// Whole frames, header included. Throw ProtocolError when the payload would be too large.
std::string EncodeRequest(const Request& request);
std::string EncodeReply(const Reply& reply);

// Payloads without header. Throw ProtocolError on anything malformed.
Request DecodeRequest(std::string_view payload);
Reply DecodeReply(std::string_view payload);

// The payload length a frame header announces.
std::uint32_t PayloadLength(std::string_view header);

} // namespace veltrano::ole::standin::wire
