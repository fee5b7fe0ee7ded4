#pragma once

#include "platform/forms/FormsRuntime.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace veltrano::app {

inline constexpr std::string_view kCrLf = "\r\n";

// Lines joined by CR LF, none after the last.
std::string JoinLines(std::initializer_list<std::string_view> lines);

// The report of a failure that reached a command: exclamation icon, the application's title,
// "Fehlernummer: " and "Fehlerbeschreibung: " lines.
void ReportError(forms::FormsRuntime& forms, std::int32_t number, std::string_view description);

// Reports the exception in flight (call inside a catch block) with its number where it has one.
void ReportCurrentException(forms::FormsRuntime& forms);

} // namespace veltrano::app
