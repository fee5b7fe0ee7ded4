#include "platform/actole/com/ComObjectFactory.h"

#include "platform/actole/com/ComDispatch.h"
#include "platform/actole/com/ComErrors.h"
#include "platform/win32/windows/WideText.h"

#include <objbase.h>

#include <stdexcept>

namespace veltrano::ole::com {

namespace {

DispatchPtr Create(const CLSID& classId) {
    ComPtr<IDispatch> object;
    const HRESULT hr =
        ::CoCreateInstance(classId, nullptr, CLSCTX_SERVER, IID_IDispatch, object.PutVoid());
    if (FAILED(hr)) {
        throw ErrorOfCreation(hr);
    }
    return std::make_shared<ComDispatch>(std::move(object));
}

} // namespace

CLSID ClassIdOf(std::string_view text) {
    std::wstring wide = win32::Widen(text);
    CLSID id{};
    if (FAILED(::CLSIDFromString(wide.data(), &id))) {
        throw std::invalid_argument("not a class identifier: " + std::string(text));
    }
    return id;
}

ComObjectFactory::ComObjectFactory(std::string_view databaseClassId)
    : databaseClass_(ClassIdOf(databaseClassId)) {}

DispatchPtr ComObjectFactory::CreateDatabase() {
    return Create(databaseClass_);
}

DispatchPtr ComObjectFactory::CreateObject(std::string_view progId) {
    const std::wstring wide = win32::Widen(progId);
    CLSID classId{};
    const HRESULT hr = ::CLSIDFromProgID(wide.c_str(), &classId);
    if (FAILED(hr)) {
        throw ErrorOfCreation(hr);
    }
    return Create(classId);
}

} // namespace veltrano::ole::com
