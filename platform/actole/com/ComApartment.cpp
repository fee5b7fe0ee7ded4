#include "platform/actole/com/ComApartment.h"

#include <objbase.h>

#include <system_error>

namespace veltrano::ole::com {

ComApartment::ComApartment() {
    const HRESULT hr = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (hr == RPC_E_CHANGED_MODE) {
        // The thread already lives in the multithreaded apartment; COM is usable as it is,
        // and that join is not ours to undo.
        return;
    }
    if (FAILED(hr)) {
        throw std::system_error(static_cast<int>(hr), std::system_category(),
                                "COM cannot be started on this thread");
    }
    joined_ = true;
}

ComApartment::~ComApartment() {
    if (joined_) {
        ::CoUninitialize();
    }
}

} // namespace veltrano::ole::com
