#pragma once

// Run-time errors of the Windows-service classes and their message layout.

#include "base/CurrentError.h"
#include "base/Error.h"
#include "platform/forms/FormsRuntime.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace veltrano::winsvc {

inline constexpr std::int32_t kInvalidProcedureCall = 5;

// A run-time error raised inside one of the classes, with the runtime's number.
class ServiceError : public base::Error {
public:
    using base::Error::Error;
};

// "Error: " + number + ". " + description, titled with the operation's name.
std::string ErrorText(const base::ErrorInfo& error);

// Shows the error of the exception in flight; never throws, so it can end any catch block.
void ReportCurrentError(forms::FormsRuntime& forms, std::string_view operation) noexcept;

} // namespace veltrano::winsvc
