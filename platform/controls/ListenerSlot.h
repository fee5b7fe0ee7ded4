#pragma once

#include "platform/controls/ControlError.h"

namespace veltrano::controls::internal {

// A control model reports its changes to one view. A second view attached while one is
// attached is refused, since the first would silently stop seeing changes; nullptr detaches.
template <class Listener> Listener* Attach(Listener* attached, Listener* listener) {
    if (listener != nullptr && attached != nullptr && listener != attached) {
        throw ControlError(errors::kInvalidPropertyValue,
                           "The control already reports to another listener");
    }
    return listener;
}

} // namespace veltrano::controls::internal
