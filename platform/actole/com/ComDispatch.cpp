#include "platform/actole/com/ComDispatch.h"

#include "platform/actole/com/ComErrors.h"
#include "platform/actole/com/VariantMarshal.h"
#include "platform/win32/windows/WideText.h"

#include <limits>
#include <new>

namespace veltrano::ole::com {

namespace {

WORD FlagsOf(InvokeKind kind) {
    switch (kind) {
    case InvokeKind::PropertyGet:
        return DISPATCH_PROPERTYGET | DISPATCH_METHOD;
    case InvokeKind::PropertyPut:
        return DISPATCH_PROPERTYPUT;
    case InvokeKind::Method:
        break;
    }
    return DISPATCH_METHOD;
}

} // namespace

ComDispatch::ComDispatch(ComPtr<IDispatch> object) : object_(std::move(object)) {}

Variant ComDispatch::Invoke(std::int32_t dispid, InvokeKind kind, std::span<const Variant> args) {
    if (args.size() > std::numeric_limits<UINT>::max()) {
        throw std::bad_alloc();
    }
    // Automation passes the arguments from the last to the first.
    VariantArray arguments(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        ToVARIANT(args[i], arguments[args.size() - 1 - i]);
    }
    DISPID propertyPut = DISPID_PROPERTYPUT;
    DISPPARAMS params{};
    params.rgvarg = arguments.Data();
    params.cArgs = static_cast<UINT>(arguments.Size());
    if (kind == InvokeKind::PropertyPut) {
        params.rgdispidNamedArgs = &propertyPut;
        params.cNamedArgs = 1;
    }
    UniqueVariant result;
    EXCEPINFO info{};
    UINT argumentInError = 0;
    const HRESULT hr = object_->Invoke(
        dispid, IID_NULL, LOCALE_USER_DEFAULT, FlagsOf(kind), &params,
        kind == InvokeKind::PropertyPut ? nullptr : result.Put(), &info, &argumentInError);
    if (FAILED(hr)) {
        throw ErrorOfCall(hr, &info);
    }
    return FromVARIANT(result.Get());
}

Variant ComDispatch::InvokeByName(std::string_view name, InvokeKind kind,
                                  std::span<const Variant> args) {
    std::wstring wide = win32::Widen(name);
    LPOLESTR names[] = {wide.data()};
    DISPID dispid = DISPID_UNKNOWN;
    const HRESULT hr = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid);
    if (FAILED(hr)) {
        throw ErrorOfCall(hr, nullptr);
    }
    return Invoke(dispid, kind, args);
}

} // namespace veltrano::ole::com
