#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace veltrano::base {

// A failure with the number and description the user is shown. Automation, control and
// service errors are all of this kind, so that one translator reads every one of them.
class Error : public std::runtime_error {
public:
    Error(std::int32_t number, const std::string& description)
        : std::runtime_error(description), number_(number), description_(description) {}

    std::int32_t Number() const noexcept { return number_; }
    const std::string& Description() const noexcept { return description_; }

private:
    std::int32_t number_;
    std::string description_;
};

namespace errors {
// The runtime's numbers for failures that carry none of their own.
inline constexpr std::int32_t kOutOfMemory = 7;
inline constexpr std::int32_t kInternalError = 51;
} // namespace errors

} // namespace veltrano::base
