#include "platform/forms/FormsRuntime.h"

namespace veltrano::forms {

AppVersion BuildVersion() noexcept {
    return {VELTRANO_VERSION_MAJOR, VELTRANO_VERSION_MINOR, VELTRANO_VERSION_REVISION};
}

} // namespace veltrano::forms
