#include "platform/actole/standin/Members.h"

#include "platform/actole/standin/StandInErrors.h"

#include <algorithm>
#include <limits>

namespace veltrano::ole::standin {

namespace {

bool SameName(std::string_view a, std::string_view b) noexcept {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

[[noreturn]] void ThrowUnknownName() {
    throw AutomationError(errors::kDispMemberNotFound, "Unknown name.");
}

} // namespace

std::int32_t DispidOfName(std::span<const Member> members, std::string_view name) {
    const auto it = std::find_if(members.begin(), members.end(),
                                 [&](const Member& m) { return SameName(m.name, name); });
    if (it == members.end()) {
        ThrowUnknownName();
    }
    return it->dispid;
}

void CheckCall(std::span<const Member> members, std::int32_t dispid, InvokeKind kind) {
    const auto it = std::find_if(members.begin(), members.end(),
                                 [&](const Member& m) { return m.dispid == dispid; });
    if (it == members.end() || (kind == InvokeKind::PropertyPut && !it->writable)) {
        ThrowUnknownName();
    }
}

void CheckArgumentCount(std::span<const Variant> args, std::size_t min, std::size_t max) {
    if (args.size() < min || args.size() > max) {
        throw AutomationError(errors::kDispBadParamCount, "Invalid number of parameters.");
    }
}

void CheckArgumentCount(std::span<const Variant> args, std::size_t count) {
    CheckArgumentCount(args, count, count);
}

std::int16_t IntegerArgument(std::span<const Variant> args, std::size_t index) {
    return args[index].AsInteger();
}

const std::string& StringArgument(std::span<const Variant> args, std::size_t index) {
    return args[index].AsString();
}

std::size_t PositionArgument(std::span<const Variant> args, std::size_t index, std::size_t count) {
    const std::int16_t position = IntegerArgument(args, index);
    if (position < 0 || static_cast<std::size_t>(position) >= count) {
        throw AutomationError(errors::kPositionOutOfRange, "Subscript out of range");
    }
    return static_cast<std::size_t>(position);
}

Variant IntegerResult(std::size_t count) {
    if (count > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
        throw AutomationError(errors::kOverflow, "Overflow");
    }
    return Variant(static_cast<std::int16_t>(count));
}

} // namespace veltrano::ole::standin
