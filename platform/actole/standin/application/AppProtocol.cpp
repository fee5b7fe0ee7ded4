#include "platform/actole/standin/application/AppProtocol.h"

namespace veltrano::ole::standin::wire {

namespace {

enum class Tag : std::uint8_t { Empty, Boolean, Integer, Long, String, Object };

class Writer {
public:
    Writer() { out_.assign(kHeaderSize, '\0'); }

    void U8(std::uint8_t value) { out_ += static_cast<char>(value); }
    void U16(std::uint16_t value) {
        U8(static_cast<std::uint8_t>(value >> 8));
        U8(static_cast<std::uint8_t>(value));
    }
    void U32(std::uint32_t value) {
        U16(static_cast<std::uint16_t>(value >> 16));
        U16(static_cast<std::uint16_t>(value));
    }
    void Text(std::string_view text) {
        if (text.size() > kMaxPayload) {
            throw ProtocolError("text too long for a frame");
        }
        U32(static_cast<std::uint32_t>(text.size()));
        out_ += text;
    }
    void Put(const Value& value) {
        std::visit(
            [this](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::monostate>) {
                    U8(static_cast<std::uint8_t>(Tag::Empty));
                } else if constexpr (std::is_same_v<T, bool>) {
                    U8(static_cast<std::uint8_t>(Tag::Boolean));
                    U8(v ? 1 : 0);
                } else if constexpr (std::is_same_v<T, std::int16_t>) {
                    U8(static_cast<std::uint8_t>(Tag::Integer));
                    U16(static_cast<std::uint16_t>(v));
                } else if constexpr (std::is_same_v<T, std::int32_t>) {
                    U8(static_cast<std::uint8_t>(Tag::Long));
                    U32(static_cast<std::uint32_t>(v));
                } else if constexpr (std::is_same_v<T, std::string>) {
                    U8(static_cast<std::uint8_t>(Tag::String));
                    Text(v);
                } else {
                    U8(static_cast<std::uint8_t>(Tag::Object));
                    U32(v.id);
                }
            },
            value);
    }
    std::string Frame() {
        const std::size_t payload = out_.size() - kHeaderSize;
        if (payload > kMaxPayload) {
            throw ProtocolError("message of " + std::to_string(payload) +
                                " bytes exceeds the limit of " + std::to_string(kMaxPayload));
        }
        for (std::size_t i = 0; i < kHeaderSize; ++i) {
            out_[i] = static_cast<char>((payload >> (8 * (kHeaderSize - 1 - i))) & 0xFF);
        }
        return std::move(out_);
    }

private:
    std::string out_;
};

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) {}

    std::uint8_t U8() {
        Need(1, "value");
        return static_cast<std::uint8_t>(in_[pos_++]);
    }
    std::uint16_t U16() {
        const auto high = U8();
        return static_cast<std::uint16_t>((high << 8) | U8());
    }
    std::uint32_t U32() {
        const std::uint32_t high = U16();
        return (high << 16) | U16();
    }
    std::string Text(const char* what) {
        const std::uint32_t length = U32();
        Need(length, what);
        std::string text(in_.substr(pos_, length));
        pos_ += length;
        return text;
    }
    Value Get() {
        const auto tag = U8();
        switch (static_cast<Tag>(tag)) {
        case Tag::Empty:
            return std::monostate{};
        case Tag::Boolean: {
            const auto b = U8();
            if (b > 1) {
                throw ProtocolError("bad Boolean value " + std::to_string(b));
            }
            return b == 1;
        }
        case Tag::Integer:
            return static_cast<std::int16_t>(U16());
        case Tag::Long:
            return static_cast<std::int32_t>(U32());
        case Tag::String:
            return Text("string");
        case Tag::Object:
            return ObjectId{U32()};
        }
        throw ProtocolError("unknown value tag " + std::to_string(tag));
    }
    void End() const {
        if (pos_ != in_.size()) {
            throw ProtocolError(std::to_string(in_.size() - pos_) + " bytes after the message");
        }
    }

private:
    void Need(std::size_t count, const char* what) const {
        if (in_.size() - pos_ < count) {
            throw ProtocolError(std::string("message ends inside a ") + what);
        }
    }

    std::string_view in_;
    std::size_t pos_ = 0;
};

void CheckVersion(Reader& reader) {
    const auto version = reader.U8();
    if (version != kVersion) {
        throw ProtocolError("unknown protocol version " + std::to_string(version));
    }
}

} // namespace

std::string EncodeRequest(const Request& request) {
    if (request.member.size() > kMaxMemberName) {
        throw ProtocolError("member name too long");
    }
    if (request.arguments.size() > kMaxArguments) {
        throw ProtocolError("too many arguments");
    }
    Writer writer;
    writer.U8(kVersion);
    writer.U32(request.object);
    writer.U8(static_cast<std::uint8_t>(request.kind));
    writer.Text(request.member);
    writer.U16(static_cast<std::uint16_t>(request.arguments.size()));
    for (const auto& argument : request.arguments) {
        writer.Put(argument);
    }
    return writer.Frame();
}

std::string EncodeReply(const Reply& reply) {
    Writer writer;
    writer.U8(kVersion);
    if (const auto* value = std::get_if<Value>(&reply)) {
        writer.U8(0);
        writer.Put(*value);
    } else {
        const auto& error = std::get<ErrorReply>(reply);
        writer.U8(1);
        writer.U32(static_cast<std::uint32_t>(error.number));
        writer.Text(error.description);
    }
    return writer.Frame();
}

Request DecodeRequest(std::string_view payload) {
    Reader reader(payload);
    CheckVersion(reader);
    Request request;
    request.object = reader.U32();
    const auto kind = reader.U8();
    if (kind > static_cast<std::uint8_t>(InvokeKind::Method)) {
        throw ProtocolError("unknown invoke kind " + std::to_string(kind));
    }
    request.kind = static_cast<InvokeKind>(kind);
    request.member = reader.Text("member name");
    if (request.member.empty() || request.member.size() > kMaxMemberName) {
        throw ProtocolError("member name of " + std::to_string(request.member.size()) + " bytes");
    }
    const auto count = reader.U16();
    if (count > kMaxArguments) {
        throw ProtocolError(std::to_string(count) + " arguments, at most " +
                            std::to_string(kMaxArguments));
    }
    for (std::uint16_t i = 0; i < count; ++i) {
        request.arguments.push_back(reader.Get());
    }
    reader.End();
    return request;
}

Reply DecodeReply(std::string_view payload) {
    Reader reader(payload);
    CheckVersion(reader);
    const auto status = reader.U8();
    Reply reply;
    if (status == 0) {
        reply = reader.Get();
    } else if (status == 1) {
        ErrorReply error;
        error.number = static_cast<std::int32_t>(reader.U32());
        error.description = reader.Text("description");
        reply = std::move(error);
    } else {
        throw ProtocolError("unknown reply status " + std::to_string(status));
    }
    reader.End();
    return reply;
}

std::uint32_t PayloadLength(std::string_view header) {
    std::uint32_t length = 0;
    for (std::size_t i = 0; i < kHeaderSize && i < header.size(); ++i) {
        length = (length << 8) | static_cast<std::uint8_t>(header[i]);
    }
    return length;
}

std::optional<Value> ScalarValue(const Variant& value) {
    switch (value.GetType()) {
    case Variant::Type::Empty:
        return std::monostate{};
    case Variant::Type::Boolean:
        return value.AsBool();
    case Variant::Type::Integer:
        return value.AsInteger();
    case Variant::Type::Long:
        return value.AsLong();
    case Variant::Type::String:
        return value.AsString();
    case Variant::Type::Object:
        break;
    }
    return std::nullopt;
}

} // namespace veltrano::ole::standin::wire
