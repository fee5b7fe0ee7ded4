#pragma once

// Member tables and argument checks shared by the stand-in's automation objects.

#include "platform/actole/Dispatch.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace veltrano::ole::standin {

struct Member {
    std::int32_t dispid;
    std::string_view name;
    bool writable = false; // accepts a property put
};

// The dispatch identifier of a member name, ignoring case as automation does.
std::int32_t DispidOfName(std::span<const Member> members, std::string_view name);

// Raises "Unknown name." unless dispid is a member that accepts this kind of call. Property gets
// and method calls are interchangeable, as late-bound callers often send both flags.
void CheckCall(std::span<const Member> members, std::int32_t dispid, InvokeKind kind);

void CheckArgumentCount(std::span<const Variant> args, std::size_t min, std::size_t max);
void CheckArgumentCount(std::span<const Variant> args, std::size_t count);
std::int16_t IntegerArgument(std::span<const Variant> args, std::size_t index);
const std::string& StringArgument(std::span<const Variant> args, std::size_t index);

// A position given by the caller, checked against 0 ... count - 1.
std::size_t PositionArgument(std::span<const Variant> args, std::size_t index, std::size_t count);

Variant IntegerResult(std::size_t count);

} // namespace veltrano::ole::standin
