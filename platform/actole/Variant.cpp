#include "platform/actole/Variant.h"

#include "platform/actole/AutomationError.h"

#include <limits>

namespace veltrano::ole {

namespace {

[[noreturn]] void ThrowTypeMismatch() {
    throw AutomationError(errors::kTypeMismatch, "Type mismatch");
}

} // namespace

bool Variant::AsBool() const {
    if (const auto* b = std::get_if<bool>(&value_)) {
        return *b;
    }
    ThrowTypeMismatch();
}

std::int16_t Variant::AsInteger() const {
    if (const auto* i = std::get_if<std::int16_t>(&value_)) {
        return *i;
    }
    if (const auto* l = std::get_if<std::int32_t>(&value_)) {
        if (*l < std::numeric_limits<std::int16_t>::min() ||
            *l > std::numeric_limits<std::int16_t>::max()) {
            throw AutomationError(errors::kOverflow, "Overflow");
        }
        return static_cast<std::int16_t>(*l);
    }
    ThrowTypeMismatch();
}

std::int32_t Variant::AsLong() const {
    if (const auto* i = std::get_if<std::int16_t>(&value_)) {
        return *i;
    }
    if (const auto* l = std::get_if<std::int32_t>(&value_)) {
        return *l;
    }
    ThrowTypeMismatch();
}

const std::string& Variant::AsString() const& {
    if (const auto* s = std::get_if<std::string>(&value_)) {
        return *s;
    }
    ThrowTypeMismatch();
}

std::string Variant::AsString() && {
    if (auto* s = std::get_if<std::string>(&value_)) {
        return std::move(*s);
    }
    ThrowTypeMismatch();
}

const DispatchPtr& Variant::AsObject() const {
    const auto* object = std::get_if<DispatchPtr>(&value_);
    if (object == nullptr || *object == nullptr) {
        throw AutomationError(errors::kObjectRequired, "Object required");
    }
    return *object;
}

std::string Variant::ToText() const {
    switch (GetType()) {
    case Type::Empty:
        return {};
    case Type::Boolean:
        return std::get<bool>(value_) ? "True" : "False";
    case Type::Integer:
        return std::to_string(std::get<std::int16_t>(value_));
    case Type::Long:
        return std::to_string(std::get<std::int32_t>(value_));
    case Type::String:
        return std::get<std::string>(value_);
    case Type::Object:
        break;
    }
    // An object has no text of its own here (no default member).
    ThrowTypeMismatch();
}

const char* TypeName(Variant::Type type) noexcept {
    switch (type) {
    case Variant::Type::Empty:
        return "Empty";
    case Variant::Type::Boolean:
        return "Boolean";
    case Variant::Type::Integer:
        return "Integer";
    case Variant::Type::Long:
        return "Long";
    case Variant::Type::String:
        return "String";
    case Variant::Type::Object:
        return "Object";
    }
    return "Unknown";
}

} // namespace veltrano::ole
