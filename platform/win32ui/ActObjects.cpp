#include "platform/win32ui/ActObjects.h"

#include "platform/actole/DispatchIds.h"
#include "platform/actole/com/ComObjectFactory.h"

namespace veltrano::win32ui {

std::unique_ptr<ole::ObjectFactory> ActObjects() {
    return std::make_unique<ole::com::ComObjectFactory>(ole::classid::kDatabaseClass);
}

} // namespace veltrano::win32ui
