#include "platform/actole/com/ComErrors.h"

#include "platform/actole/com/Bstr.h"

#include <winerror.h>

#include <array>

namespace veltrano::ole::com {

namespace {

constexpr std::string_view kAutomationError = "Automation error";
constexpr std::string_view kCannotCreate = "ActiveX component can't create object";
constexpr std::uint32_t kControlFacilityBase = 0x800A0000U;

constexpr std::array kMappings{
    HresultMapping{DISP_E_MEMBERNOTFOUND, errors::kMemberNotFound,
                   "Object doesn't support this property or method"},
    HresultMapping{DISP_E_UNKNOWNNAME, errors::kMemberNotFound,
                   "Object doesn't support this property or method"},
    HresultMapping{DISP_E_TYPEMISMATCH, errors::kTypeMismatch, "Type mismatch"},
    HresultMapping{DISP_E_BADVARTYPE, errors::kTypeMismatch, "Type mismatch"},
    HresultMapping{DISP_E_BADPARAMCOUNT, 450,
                   "Wrong number of arguments or invalid property assignment"},
    HresultMapping{DISP_E_PARAMNOTOPTIONAL, 449, "Argument not optional"},
    HresultMapping{DISP_E_NONAMEDARGS, 446, "Object doesn't support named arguments"},
    HresultMapping{DISP_E_OVERFLOW, errors::kOverflow, "Overflow"},
    HresultMapping{DISP_E_BADINDEX, errors::kSubscriptOutOfRange, "Subscript out of range"},
    HresultMapping{DISP_E_DIVBYZERO, 11, "Division by zero"},
    HresultMapping{E_OUTOFMEMORY, 7, "Out of memory"},
    HresultMapping{E_INVALIDARG, errors::kInvalidProcedureCall,
                   "Invalid procedure call or argument"},
    HresultMapping{E_NOINTERFACE, 430,
                   "Class does not support Automation or does not support expected interface"},
};

// The usual text of a VB error number that a server raised without a description.
std::string_view TextOfNumber(std::int32_t number) {
    for (const HresultMapping& mapping : kMappings) {
        if (mapping.number == number) {
            return mapping.description;
        }
    }
    switch (number) {
    case errors::kObjectVariableNotSet:
        return "Object variable or With block variable not set";
    case errors::kObjectRequired:
        return "Object required";
    case errors::kCannotCreateObject:
        return kCannotCreate;
    default:
        return kAutomationError;
    }
}

} // namespace

std::span<const HresultMapping> KnownHresults() {
    return kMappings;
}

HRESULT ScodeOfNumber(std::int32_t number) {
    if (number >= 1 && number <= 0xFFFF) {
        return static_cast<HRESULT>(kControlFacilityBase | static_cast<std::uint32_t>(number));
    }
    if (number < 0) {
        return static_cast<HRESULT>(number);
    }
    return E_FAIL; // 0 and numbers beyond 16 bits have no scode of their own
}

std::int32_t NumberOfScode(HRESULT scode) {
    const auto bits = static_cast<std::uint32_t>(scode);
    if ((bits & 0xFFFF0000U) == kControlFacilityBase) {
        return static_cast<std::int32_t>(bits & 0xFFFFU);
    }
    return static_cast<std::int32_t>(bits);
}

AutomationError ErrorOfCall(HRESULT hr, EXCEPINFO* info) {
    if (info != nullptr && hr == DISP_E_EXCEPTION && info->pfnDeferredFillIn != nullptr) {
        info->pfnDeferredFillIn(info);
    }
    // The strings are the caller's to free, whatever the HRESULT.
    Bstr description;
    if (info != nullptr) {
        Bstr::Attach(info->bstrSource);
        Bstr::Attach(info->bstrHelpFile);
        description = Bstr::Attach(info->bstrDescription);
        info->bstrSource = info->bstrDescription = info->bstrHelpFile = nullptr;
    }
    if (hr == DISP_E_EXCEPTION && info != nullptr) {
        const std::int32_t number = info->wCode != 0 ? info->wCode : NumberOfScode(info->scode);
        std::string text = description.ToUtf8();
        if (text.empty()) {
            text = TextOfNumber(number);
        }
        return AutomationError(number, std::move(text));
    }
    for (const HresultMapping& mapping : kMappings) {
        if (mapping.hr == hr) {
            return AutomationError(mapping.number, std::string(mapping.description));
        }
    }
    return AutomationError(static_cast<std::int32_t>(hr), std::string(kAutomationError));
}

AutomationError ErrorOfCreation(HRESULT) {
    return AutomationError(errors::kCannotCreateObject, std::string(kCannotCreate));
}

HRESULT RaiseException(const AutomationError& error, EXCEPINFO* info) noexcept {
    const HRESULT scode = ScodeOfNumber(error.Number());
    if (info == nullptr) {
        return scode;
    }
    *info = EXCEPINFO{};
    info->scode = scode;
    try {
        info->bstrDescription = Bstr(error.Description()).Detach();
    } catch (...) {
        // Without memory for the texts the number still arrives.
    }
    return DISP_E_EXCEPTION;
}

} // namespace veltrano::ole::com
