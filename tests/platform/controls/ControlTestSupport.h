#pragma once

#include "platform/controls/ControlError.h"

#include <functional>
#include <string>

// The number of the ControlError the action raises; 0 when it raises none.
inline int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const veltrano::controls::ControlError& e) {
        return e.Number();
    }
    return 0;
}
