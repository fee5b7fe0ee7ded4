#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

namespace veltrano::ole {

class Dispatch;
using DispatchPtr = std::shared_ptr<Dispatch>;

// The automation value: Empty, Boolean, Integer (16-bit), Long (32-bit), String or Object.
class Variant {
public:
    enum class Type { Empty, Boolean, Integer, Long, String, Object };

    Variant() = default;
    Variant(bool b) : value_(b) {}
    Variant(std::int16_t i) : value_(i) {}
    Variant(std::int32_t l) : value_(l) {}
    Variant(std::string s) : value_(std::move(s)) {}
    Variant(const char* s) : value_(std::string(s)) {}
    Variant(DispatchPtr object) : value_(std::move(object)) {}

    Type GetType() const noexcept { return static_cast<Type>(value_.index()); }
    bool IsEmpty() const noexcept { return GetType() == Type::Empty; }

    // Strict accessors: the wrong type raises AutomationError (type mismatch).
    bool AsBool() const;
    std::int16_t AsInteger() const; // accepts Integer, and Long within range
    std::int32_t AsLong() const;    // accepts Integer and Long
    const std::string& AsString() const&;
    // From a temporary (a call's result) the text is moved out, not copied.
    std::string AsString() &&;
    const DispatchPtr& AsObject() const; // a null object raises "Object required"

    // The text a value shows when put into a text: "True"/"False", decimal numbers, "" for Empty.
    std::string ToText() const;

    friend bool operator==(const Variant&, const Variant&) = default;

private:
    std::variant<std::monostate, bool, std::int16_t, std::int32_t, std::string, DispatchPtr> value_;
};

const char* TypeName(Variant::Type type) noexcept;

} // namespace veltrano::ole
