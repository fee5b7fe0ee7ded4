#pragma once

// The automation objects where no stand-in ACT! can be running: Database objects of the
// stand-in engine, whose Open("") finds no open database, and error 429 for the application.

#include "platform/actole/Dispatch.h"

namespace veltrano::ole::standin {

class EngineOnlyObjectFactory final : public ObjectFactory {
public:
    DispatchPtr CreateDatabase() override;
    DispatchPtr CreateObject(std::string_view progId) override;
};

} // namespace veltrano::ole::standin
