#pragma once

#include "base/Error.h"

#include <cstdint>

namespace veltrano::controls {

// A control's run-time error, with the numbers the common controls report.
class ControlError : public base::Error {
public:
    using base::Error::Error;
};

namespace errors {
inline constexpr std::int32_t kInvalidPropertyValue = 380;
inline constexpr std::int32_t kIndexOutOfBounds = 35600;
inline constexpr std::int32_t kElementNotFound = 35601;
inline constexpr std::int32_t kKeyNotUnique = 35602;
inline constexpr std::int32_t kInvalidKey = 35603;

// The description the common controls give for one of the numbers above.
inline const char* DescriptionOf(std::int32_t number) noexcept {
    switch (number) {
    case kInvalidPropertyValue:
        return "Invalid property value";
    case kIndexOutOfBounds:
        return "Index out of bounds";
    case kElementNotFound:
        return "Element not found";
    case kKeyNotUnique:
        return "Key is not unique in collection";
    case kInvalidKey:
        return "Invalid key";
    default:
        return "Unexpected control error";
    }
}

// A ControlError with the control's own description of its number.
inline ControlError Error(std::int32_t number) {
    return ControlError(number, DescriptionOf(number));
}
} // namespace errors

} // namespace veltrano::controls
