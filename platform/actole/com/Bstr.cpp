#include "platform/actole/com/Bstr.h"

#include "platform/win32/windows/WideText.h"

#include <limits>
#include <new>

namespace veltrano::ole::com {

Bstr::Bstr(std::string_view utf8) {
    const std::wstring wide = win32::Widen(utf8);
    if (wide.size() > std::numeric_limits<UINT>::max()) {
        throw std::bad_alloc();
    }
    bstr_ = ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (bstr_ == nullptr) {
        throw std::bad_alloc();
    }
}

std::string Bstr::ToUtf8() const {
    return Utf8Of(bstr_);
}

std::string Utf8Of(BSTR bstr) {
    if (bstr == nullptr) {
        return {};
    }
    return win32::Narrow(std::wstring_view(bstr, ::SysStringLen(bstr)));
}

} // namespace veltrano::ole::com
