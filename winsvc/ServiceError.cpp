#include "winsvc/ServiceError.h"

#include "platform/actole/AutomationError.h"
#include "platform/controls/ControlError.h"

#include <exception>
#include <new>
#include <system_error>

namespace veltrano::winsvc {

ErrorInfo CurrentError() noexcept {
    try {
        try {
            throw;
        } catch (const ServiceError& e) {
            return {e.Number(), e.what()};
        } catch (const ole::AutomationError& e) {
            return {e.Number(), e.Description()};
        } catch (const controls::ControlError& e) {
            return {e.Number(), e.what()};
        } catch (const std::bad_alloc&) {
            return {kOutOfMemory, "Out of memory"};
        } catch (const std::system_error& e) {
            return {e.code().value(), e.what()};
        } catch (const std::logic_error& e) {
            return {kInvalidProcedureCall, e.what()};
        } catch (const std::exception& e) {
            return {kInternalError, e.what()};
        } catch (...) {
            return {kInternalError, "Internal error"};
        }
    } catch (...) {
        // Copying a description can itself run out of memory.
        return {kOutOfMemory, {}};
    }
}

std::string ErrorText(const ErrorInfo& error) {
    return "Error: " + std::to_string(error.number) + ". " + error.description;
}

void ReportCurrentError(forms::FormsRuntime& forms, std::string_view operation) noexcept {
    const ErrorInfo error = CurrentError();
    try {
        forms.MsgBox(ErrorText(error), forms::vbOKOnly | forms::vbExclamation, operation);
    } catch (...) {
        // The report itself failed; there is nothing left to tell the user with.
    }
}

} // namespace veltrano::winsvc
