#pragma once

// The cells of the Fields list that editing reads and writes.

#include <cstdint>

namespace veltrano::edit {

inline constexpr std::int32_t kSubItemFieldId = 1;
inline constexpr std::int32_t kSubItemEntryTrigger = 6;
inline constexpr std::int32_t kSubItemExitTrigger = 7;

} // namespace veltrano::edit
