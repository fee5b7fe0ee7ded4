#include "platform/actole/com/VariantMarshal.h"

#include "platform/actole/AutomationError.h"
#include "platform/actole/com/Bstr.h"
#include "platform/actole/com/ComDispatch.h"
#include "platform/actole/com/ComPtr.h"
#include "platform/actole/com/DispatchServer.h"

#include <cstdint>
#include <limits>

namespace veltrano::ole::com {

namespace {

[[noreturn]] void TypeMismatch() {
    throw AutomationError(errors::kTypeMismatch, "Type mismatch");
}

constexpr std::int32_t kInvalidUseOfNull = 94;

Variant ObjectOf(IUnknown* unknown) {
    if (unknown == nullptr) {
        return Variant(DispatchPtr{}); // Nothing
    }
    ComPtr<IDispatch> dispatch;
    if (FAILED(unknown->QueryInterface(IID_IDispatch, dispatch.PutVoid()))) {
        TypeMismatch();
    }
    if (DispatchPtr served = DispatchServer::Served(dispatch.Get())) {
        return Variant(std::move(served));
    }
    return Variant(DispatchPtr(std::make_shared<ComDispatch>(std::move(dispatch))));
}

Variant LongOf(std::uint64_t value) {
    if (value > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
        throw AutomationError(errors::kOverflow, "Overflow");
    }
    return Variant(static_cast<std::int32_t>(value));
}

} // namespace

VariantArray::VariantArray(std::size_t count) : values_(count) {
    for (VARIANT& value : values_) {
        ::VariantInit(&value);
    }
}

VariantArray::~VariantArray() {
    for (VARIANT& value : values_) {
        ::VariantClear(&value);
    }
}

void ToVARIANT(const Variant& value, VARIANT& out, const std::shared_ptr<LiveObjects>& live) {
    switch (value.GetType()) {
    case Variant::Type::Empty:
        V_VT(&out) = VT_EMPTY;
        return;
    case Variant::Type::Boolean:
        V_VT(&out) = VT_BOOL;
        V_BOOL(&out) = value.AsBool() ? VARIANT_TRUE : VARIANT_FALSE;
        return;
    case Variant::Type::Integer:
        V_VT(&out) = VT_I2;
        V_I2(&out) = value.AsInteger();
        return;
    case Variant::Type::Long:
        V_VT(&out) = VT_I4;
        V_I4(&out) = value.AsLong();
        return;
    case Variant::Type::String:
        V_BSTR(&out) = Bstr(value.AsString()).Detach();
        V_VT(&out) = VT_BSTR;
        return;
    case Variant::Type::Object:
        break;
    }
    if (value == Variant(DispatchPtr{})) {
        V_VT(&out) = VT_DISPATCH;
        V_DISPATCH(&out) = nullptr;
        return;
    }
    const DispatchPtr& object = value.AsObject();
    if (const auto* remote = dynamic_cast<const ComDispatch*>(object.get())) {
        V_DISPATCH(&out) = ComPtr<IDispatch>::Retain(remote->Interface()).Detach();
    } else {
        V_DISPATCH(&out) = DispatchServer::Serve(object, live).Detach();
    }
    V_VT(&out) = VT_DISPATCH;
}

namespace {

Variant Read(const VARIANT& value, bool mayReferToVariant) {
    const VARTYPE type = V_VT(&value);
    const bool byRef = (type & VT_BYREF) != 0;
    switch (type & ~VT_BYREF) {
    case VT_EMPTY:
        if (byRef) {
            TypeMismatch();
        }
        return {};
    case VT_NULL:
        throw AutomationError(kInvalidUseOfNull, "Invalid use of Null");
    case VT_BOOL:
        return Variant((byRef ? *V_BOOLREF(&value) : V_BOOL(&value)) != VARIANT_FALSE);
    case VT_I2:
        return Variant(static_cast<std::int16_t>(byRef ? *V_I2REF(&value) : V_I2(&value)));
    case VT_I4:
        return Variant(static_cast<std::int32_t>(byRef ? *V_I4REF(&value) : V_I4(&value)));
    case VT_UI1:
        return Variant(static_cast<std::int16_t>(byRef ? *V_UI1REF(&value) : V_UI1(&value)));
    case VT_I1:
        return Variant(static_cast<std::int16_t>(byRef ? *V_I1REF(&value) : V_I1(&value)));
    case VT_UI2:
        return Variant(static_cast<std::int32_t>(byRef ? *V_UI2REF(&value) : V_UI2(&value)));
    case VT_INT:
        return Variant(static_cast<std::int32_t>(byRef ? *V_INTREF(&value) : V_INT(&value)));
    case VT_UI4:
        return LongOf(byRef ? *V_UI4REF(&value) : V_UI4(&value));
    case VT_UINT:
        return LongOf(byRef ? *V_UINTREF(&value) : V_UINT(&value));
    case VT_BSTR:
        return Variant(Utf8Of(byRef ? *V_BSTRREF(&value) : V_BSTR(&value)));
    case VT_DISPATCH:
        return ObjectOf(byRef ? *V_DISPATCHREF(&value) : V_DISPATCH(&value));
    case VT_UNKNOWN:
        return ObjectOf(byRef ? *V_UNKNOWNREF(&value) : V_UNKNOWN(&value));
    case VT_VARIANT:
        // One level only: a VARIANT that refers to another reference is malformed.
        if (byRef && mayReferToVariant && V_VARIANTREF(&value) != nullptr) {
            return Read(*V_VARIANTREF(&value), false);
        }
        break;
    default:
        break;
    }
    TypeMismatch();
}

} // namespace

Variant FromVARIANT(const VARIANT& value) {
    return Read(value, true);
}

} // namespace veltrano::ole::com
