#include "app/ErrorReport.h"

#include "platform/actole/AutomationError.h"
#include "platform/controls/ControlError.h"

#include <exception>
#include <system_error>

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

void ReportCurrentException(forms::FormsRuntime& forms) {
    try {
        throw;
    } catch (const ole::AutomationError& e) {
        ReportError(forms, e.Number(), e.Description());
    } catch (const controls::ControlError& e) {
        ReportError(forms, e.Number(), e.what());
    } catch (const std::system_error& e) {
        ReportError(forms, e.code().value(), e.what());
    } catch (const std::bad_alloc&) {
        ReportError(forms, 7, "Out of memory");
    } catch (const std::exception& e) {
        ReportError(forms, 51, e.what()); // 51: internal error
    }
}

} // namespace veltrano::app
