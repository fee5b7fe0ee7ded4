#include "platform/win32ui/ActObjects.h"

#include "platform/actole/standin/EngineOnlyObjectFactory.h"

namespace veltrano::win32ui {

std::unique_ptr<ole::ObjectFactory> ActObjects() {
    return std::make_unique<ole::standin::EngineOnlyObjectFactory>();
}

} // namespace veltrano::win32ui
