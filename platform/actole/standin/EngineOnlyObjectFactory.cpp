#include "platform/actole/standin/EngineOnlyObjectFactory.h"

#include "platform/actole/AutomationError.h"
#include "platform/actole/standin/StandInEngine.h"

namespace veltrano::ole::standin {

DispatchPtr EngineOnlyObjectFactory::CreateDatabase() {
    return CreateStandInDatabase([] { return std::string(); });
}

DispatchPtr EngineOnlyObjectFactory::CreateObject(std::string_view) {
    throw AutomationError(errors::kCannotCreateObject, "ActiveX component can't create object");
}

} // namespace veltrano::ole::standin
