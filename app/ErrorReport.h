#pragma once

#include "base/CurrentError.h"
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
void ReportError(forms::FormsRuntime& forms, const base::ErrorInfo& error);

// Reports a failed closing step of a command in this layout (the report of base::ClosingSteps).
inline auto StepReport(forms::FormsRuntime& forms) {
    return [&forms](const base::ErrorInfo& error) { ReportError(forms, error); };
}

// Reports the exception in flight (call inside a catch block), whatever was thrown. Never
// throws, so that it can end any catch block and any closing step.
void ReportCurrentException(forms::FormsRuntime& forms) noexcept;

} // namespace veltrano::app
