#include "app/ErrorReport.h"

namespace veltrano::app {

std::string JoinLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    bool first = true;
    for (auto line : lines) {
        if (!first) {
            text += kCrLf;
        }
        text += line;
        first = false;
    }
    return text;
}

void ReportError(forms::FormsRuntime& forms, std::int32_t number, std::string_view description) {
    const std::string numberLine = "Fehlernummer: " + std::to_string(number);
    const std::string descriptionLine = "Fehlerbeschreibung: " + std::string(description);
    forms.MsgBox(JoinLines({numberLine, descriptionLine}), forms::vbExclamation);
}

void ReportError(forms::FormsRuntime& forms, const base::ErrorInfo& error) {
    ReportError(forms, error.number, error.description);
}

void ReportCurrentException(forms::FormsRuntime& forms) noexcept {
    const base::ErrorInfo error = base::CurrentError();
    try {
        ReportError(forms, error);
    } catch (...) {
        // The report itself failed; there is nothing left to tell the user with.
    }
}

} // namespace veltrano::app
