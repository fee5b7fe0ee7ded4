#include "winsvc/ServiceError.h"

namespace veltrano::winsvc {

std::string ErrorText(const base::ErrorInfo& error) {
    return "Error: " + std::to_string(error.number) + ". " + error.description;
}

void ReportCurrentError(forms::FormsRuntime& forms, std::string_view operation) noexcept {
    const base::ErrorInfo error = base::CurrentError();
    try {
        forms.MsgBox(ErrorText(error), forms::vbOKOnly | forms::vbExclamation, operation);
    } catch (...) {
        // The report itself failed; there is nothing left to tell the user with.
    }
}

} // namespace veltrano::winsvc
