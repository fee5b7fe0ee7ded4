#pragma once

#include "base/Error.h"

#include <cstdint>

namespace veltrano::ole {

// An automation failure: the number and description the server reported.
class AutomationError : public base::Error {
public:
    using base::Error::Error;
};

// Error numbers used across the object model (the values the automation runtime reports).
namespace errors {
inline constexpr std::int32_t kTypeMismatch = 13;
inline constexpr std::int32_t kInvalidProcedureCall = 5; // invalid argument
inline constexpr std::int32_t kOverflow = 6;
inline constexpr std::int32_t kSubscriptOutOfRange = 9;
inline constexpr std::int32_t kObjectVariableNotSet = 91;
inline constexpr std::int32_t kObjectRequired = 424;
inline constexpr std::int32_t kCannotCreateObject = 429;
inline constexpr std::int32_t kMemberNotFound = 438;
inline constexpr std::int32_t kObjectNotOpen = 3420;
inline constexpr std::int32_t kRpcCallRejected = -2147417851;    // 0x80010105
inline constexpr std::int32_t kDispMemberNotFound = -2147352573; // 0x80020003
inline constexpr std::int32_t kDispBadParamCount = -2147352562;  // 0x8002000E
inline constexpr std::int32_t kDispTypeMismatch = -2147352571;   // 0x80020005
} // namespace errors

} // namespace veltrano::ole
