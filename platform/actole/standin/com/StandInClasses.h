#pragma once

// The identifiers the stand-in serves under COM. The Database class is ACT!'s own; the
// application class is the stand-in's, found through the ProgID ACT! uses.

#include <string_view>

namespace veltrano::ole::standin::com {

inline constexpr std::string_view kApplicationClass = "{BB706BED-ACBE-4508-8F9D-D0CDA9EA431F}";
inline constexpr std::string_view kInprocServerFile = "act-standin.dll";
inline constexpr std::string_view kWindowClass = "ActStandInFrame";

} // namespace veltrano::ole::standin::com
