#pragma once

#include "platform/actole/Variant.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano::ole {

enum class InvokeKind { PropertyGet, PropertyPut, Method };

// A late-bound automation object. Members are reached by dispatch identifier or by name;
// a failure is thrown as AutomationError.
class Dispatch {
public:
    virtual ~Dispatch() = default;

    // For PropertyPut the value to store is the last argument.
    virtual Variant Invoke(std::int32_t dispid, InvokeKind kind, std::span<const Variant> args) = 0;
    virtual Variant InvokeByName(std::string_view name, InvokeKind kind,
                                 std::span<const Variant> args) = 0;

    // Convenience forms for the common calls.
    Variant Get(std::int32_t dispid, std::initializer_list<Variant> args = {});
    void Put(std::int32_t dispid, std::initializer_list<Variant> args);
    Variant Call(std::int32_t dispid, std::initializer_list<Variant> args = {});
    Variant GetByName(std::string_view name, std::initializer_list<Variant> args = {});
    Variant CallByName(std::string_view name, std::initializer_list<Variant> args = {});
};

// Creates automation objects: the ACT! Database class and objects by ProgID.
class ObjectFactory {
public:
    virtual ~ObjectFactory() = default;
    // A new Database object (class {99D296F7-...}). Throws AutomationError 429 when unavailable.
    virtual DispatchPtr CreateDatabase() = 0;
    // CreateObject(progId); throws AutomationError 429 when no server provides it.
    virtual DispatchPtr CreateObject(std::string_view progId) = 0;
    // The databases that every running ACT! has open, where the platform can list them all;
    // nullopt where only the application object of CreateObject can tell (one running ACT!).
    virtual std::optional<std::vector<std::string>> RunningDatabases() { return std::nullopt; }
};

} // namespace veltrano::ole
