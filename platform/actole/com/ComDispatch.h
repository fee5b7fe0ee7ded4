#pragma once

// An automation object of a COM server, called through IDispatch::Invoke by dispatch
// identifier, or by name through GetIDsOfNames first. Failures arrive as AutomationError
// (ComErrors.h). The object must go before the apartment of the thread that made it.

#include "platform/actole/Dispatch.h"
#include "platform/actole/com/ComPtr.h"

#include <windows.h>

#include <ole2.h>

namespace veltrano::ole::com {

class ComDispatch final : public Dispatch {
public:
    explicit ComDispatch(ComPtr<IDispatch> object);

    // PropertyGet is sent as DISPATCH_PROPERTYGET | DISPATCH_METHOD, as VB sends a read whose
    // value it uses; PropertyPut passes the value (the last argument) as DISPID_PROPERTYPUT.
    Variant Invoke(std::int32_t dispid, InvokeKind kind, std::span<const Variant> args) override;
    Variant InvokeByName(std::string_view name, InvokeKind kind,
                         std::span<const Variant> args) override;

    IDispatch* Interface() const noexcept { return object_.Get(); }

private:
    ComPtr<IDispatch> object_;
};

} // namespace veltrano::ole::com
