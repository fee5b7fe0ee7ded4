#pragma once

// ACT!'s automation objects through COM: the Database by its class identifier, other objects
// (the application) by ProgID, as VB's CreateObject does. Every object it makes must go before
// the factory, whose apartment they live in.

#include "platform/actole/Dispatch.h"
#include "platform/actole/com/ComApartment.h"

#include <windows.h>

#include <ole2.h>

#include <string_view>

namespace veltrano::ole::com {

// A class identifier in registry form, "{XXXXXXXX-XXXX-...}"; throws std::invalid_argument.
CLSID ClassIdOf(std::string_view text);

class ComObjectFactory final : public ObjectFactory {
public:
    // Joins the calling thread's single-threaded apartment.
    explicit ComObjectFactory(std::string_view databaseClassId);

    // CoCreateInstance of the Database class; 429 when it is not registered or fails to start.
    DispatchPtr CreateDatabase() override;
    // CLSIDFromProgID, then CoCreateInstance; 429 when either fails. A server that only
    // registers its class object while it runs is found only then.
    DispatchPtr CreateObject(std::string_view progId) override;

private:
    ComApartment apartment_;
    CLSID databaseClass_;
};

} // namespace veltrano::ole::com
