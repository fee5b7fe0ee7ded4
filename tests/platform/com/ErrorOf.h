#pragma once

#include "platform/actole/AutomationError.h"

#include <cstdint>
#include <string>
#include <utility>

namespace veltrano::testsupport {

// The number and description of the error the call raises; {0, "no error"} when it raises none.
template <typename Call> std::pair<std::int32_t, std::string> ErrorOf(const Call& call) {
    try {
        call();
    } catch (const ole::AutomationError& error) {
        return {error.Number(), error.Description()};
    }
    return {0, "no error"};
}

} // namespace veltrano::testsupport
