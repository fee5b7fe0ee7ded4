#pragma once

// How a failed COM call reaches the program: the AutomationError with the number and the
// description that a VB program finds in Err after the same call. Servers go the other way.
//
// Client side (ErrorOfCall):
//   DISP_E_EXCEPTION        the server's EXCEPINFO: wCode when set, else the scode; an scode of
//                           the control facility (0x800A....) is a VB error number and becomes
//                           its low word, any other scode stays the HRESULT (so 0x80010105 is
//                           -2147417851, the error the application wrapper keeps silent); the
//                           description is the server's, or the usual text of that number
//   the HRESULTs of kMappings  the VB error numbers and texts listed there
//   any other HRESULT       the HRESULT itself as a signed number, "Automation error"
// Creating an object (ErrorOfCreation): whatever the reason, 429 "ActiveX component can't create
// object".
// Server side (RaiseException): a number 1 ... 65535 travels as scode 0x800A0000 + number, any
// other number as the HRESULT it is, with the description as bstrDescription.

#include "platform/actole/AutomationError.h"

#include <windows.h>

#include <ole2.h>

#include <cstdint>
#include <span>
#include <string_view>

namespace veltrano::ole::com {

struct HresultMapping {
    HRESULT hr;
    std::int32_t number;
    std::string_view description;
};

// The HRESULTs that a VB program sees under an error number of its own.
std::span<const HresultMapping> KnownHresults();

// The error a failed IDispatch call (Invoke, GetIDsOfNames) stands for. Frees the strings of
// info, which may be null.
AutomationError ErrorOfCall(HRESULT hr, EXCEPINFO* info);

// The error of a failed object creation (CLSIDFromProgID, CoCreateInstance).
AutomationError ErrorOfCreation(HRESULT hr);

// The scode that carries an error number, and back.
HRESULT ScodeOfNumber(std::int32_t number);
std::int32_t NumberOfScode(HRESULT scode);

// Fills info (when given) with the error and returns DISP_E_EXCEPTION; without info, returns
// the scode alone.
HRESULT RaiseException(const AutomationError& error, EXCEPINFO* info) noexcept;

} // namespace veltrano::ole::com
