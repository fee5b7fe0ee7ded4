#pragma once

// Run-time errors of the Windows-service classes and their message layout.

#include "platform/forms/FormsRuntime.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace veltrano::winsvc {

inline constexpr std::int32_t kInvalidProcedureCall = 5;
inline constexpr std::int32_t kOutOfMemory = 7;
inline constexpr std::int32_t kInternalError = 51;

// A run-time error raised inside one of the classes, with the runtime's number.
class ServiceError : public std::runtime_error {
public:
    ServiceError(std::int32_t number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    std::int32_t Number() const noexcept { return number_; }

private:
    std::int32_t number_;
};

struct ErrorInfo {
    std::int32_t number = 0;
    std::string description;
};

// Number and description of the exception in flight; call only inside a catch block.
ErrorInfo CurrentError() noexcept;

// "Error: " + number + ". " + description, titled with the operation's name.
std::string ErrorText(const ErrorInfo& error);

// Shows the error of the exception in flight; never throws, so it can end any catch block.
void ReportCurrentError(forms::FormsRuntime& forms, std::string_view operation) noexcept;

} // namespace veltrano::winsvc
