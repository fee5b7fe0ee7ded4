#pragma once

#include <cstdint>
#include <string>

namespace veltrano::base {

struct ErrorInfo {
    std::int32_t number = 0;
    std::string description;
    bool operator==(const ErrorInfo&) const = default;
};

// Number and description of the exception in flight, whatever was thrown: the one place where
// an exception becomes what the user reads. Meant for catch blocks; never throws.
ErrorInfo CurrentError() noexcept;

} // namespace veltrano::base
