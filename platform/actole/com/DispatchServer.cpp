#include "platform/actole/com/DispatchServer.h"

#include "platform/actole/AutomationError.h"
#include "platform/actole/com/ComErrors.h"
#include "platform/actole/com/VariantMarshal.h"
#include "platform/win32/windows/WideText.h"

#include <algorithm>
#include <new>

namespace veltrano::ole::com {

namespace {

// Asked for by Served() only; an object of another process never answers it.
constexpr IID kServedObject = {
    0x62e30ccd, 0x0c03, 0x4a0b, {0xa8, 0xa6, 0x5b, 0x8b, 0x4f, 0x5a, 0xcf, 0x22}};

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::optional<InvokeKind> KindOf(WORD flags, const DISPPARAMS& params, HRESULT& refusal) {
    if ((flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0) {
        if (params.cNamedArgs != 1 || params.rgdispidNamedArgs == nullptr ||
            params.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT || params.cArgs < 1) {
            refusal = DISP_E_PARAMNOTFOUND;
            return std::nullopt;
        }
        return InvokeKind::PropertyPut;
    }
    if (params.cNamedArgs != 0) {
        refusal = DISP_E_NONAMEDARGS;
        return std::nullopt;
    }
    if ((flags & DISPATCH_PROPERTYGET) != 0) {
        return InvokeKind::PropertyGet;
    }
    if ((flags & DISPATCH_METHOD) != 0) {
        return InvokeKind::Method;
    }
    refusal = E_INVALIDARG;
    return std::nullopt;
}

} // namespace

DispatchServer::DispatchServer(DispatchPtr object, std::shared_ptr<LiveObjects> live,
                               std::optional<IID> alsoAnswers)
    : object_(std::move(object)), live_(std::move(live)), alsoAnswers_(alsoAnswers) {
    if (live_) {
        live_->Add();
    }
}

DispatchServer::~DispatchServer() {
    if (live_) {
        live_->Remove();
    }
}

ComPtr<IDispatch> DispatchServer::Serve(DispatchPtr object, std::shared_ptr<LiveObjects> live,
                                        std::optional<IID> alsoAnswers) {
    return ComPtr<IDispatch>::Attach(
        new DispatchServer(std::move(object), std::move(live), alsoAnswers));
}

DispatchPtr DispatchServer::Served(IDispatch* dispatch) {
    ComPtr<IDispatch> ours;
    if (dispatch == nullptr || FAILED(dispatch->QueryInterface(kServedObject, ours.PutVoid()))) {
        return nullptr;
    }
    return static_cast<DispatchServer*>(ours.Get())->object_;
}

HRESULT DispatchServer::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, kServedObject) || (alsoAnswers_ && IsEqualIID(iid, *alsoAnswers_))) {
        AddRef();
        *object = static_cast<IDispatch*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG DispatchServer::AddRef() {
    return ++references_;
}

ULONG DispatchServer::Release() {
    const ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT DispatchServer::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0; // late-bound only
    return S_OK;
}

HRESULT DispatchServer::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) {
        *info = nullptr;
    }
    return DISP_E_BADINDEX;
}

HRESULT DispatchServer::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                      DISPID* dispids) {
    if (!IsEqualIID(iid, IID_NULL)) {
        return DISP_E_UNKNOWNINTERFACE;
    }
    if (names == nullptr || dispids == nullptr || count == 0) {
        return E_INVALIDARG;
    }
    // Only the member itself: named arguments are not supported.
    for (UINT i = 1; i < count; ++i) {
        dispids[i] = DISPID_UNKNOWN;
    }
    try {
        const std::string name = win32::Narrow(names[0] != nullptr ? names[0] : L"");
        auto known = std::find_if(names_.begin(), names_.end(), [&](const std::string& other) {
            return SameNameIgnoringCase(name, other);
        });
        if (known == names_.end()) {
            if (name.empty() || names_.size() >= kMaxNames) {
                dispids[0] = DISPID_UNKNOWN;
                return DISP_E_UNKNOWNNAME;
            }
            known = names_.insert(names_.end(), name);
        }
        dispids[0] = kFirstNameId + static_cast<DISPID>(known - names_.begin());
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return count > 1 ? DISP_E_UNKNOWNNAME : S_OK;
}

HRESULT DispatchServer::Invoke(DISPID dispid, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO* info, UINT* argumentInError) {
    if (!IsEqualIID(iid, IID_NULL)) {
        return DISP_E_UNKNOWNINTERFACE;
    }
    DISPPARAMS none{};
    const DISPPARAMS& call = params != nullptr ? *params : none;
    if (call.cArgs > 0 && call.rgvarg == nullptr) {
        return E_INVALIDARG;
    }
    HRESULT refusal = S_OK;
    const std::optional<InvokeKind> kind = KindOf(flags, call, refusal);
    if (!kind) {
        return refusal;
    }
    try {
        std::vector<Variant> args;
        args.reserve(call.cArgs);
        // rgvarg holds the arguments from the last to the first; a put's value comes last.
        for (UINT i = call.cArgs; i-- > 0;) {
            try {
                args.push_back(FromVARIANT(call.rgvarg[i]));
            } catch (const AutomationError&) {
                if (argumentInError != nullptr) {
                    *argumentInError = i;
                }
                return DISP_E_TYPEMISMATCH;
            }
        }
        Variant value;
        if (dispid >= kFirstNameId &&
            static_cast<std::size_t>(dispid - kFirstNameId) < names_.size()) {
            const std::string name = names_[static_cast<std::size_t>(dispid - kFirstNameId)];
            value = object_->InvokeByName(name, *kind, args);
        } else {
            value = object_->Invoke(dispid, *kind, args);
        }
        if (result != nullptr) {
            ::VariantInit(result);
            ToVARIANT(value, *result, live_);
        }
        return S_OK;
    } catch (const AutomationError& error) {
        return RaiseException(error, info);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::exception& error) {
        return RaiseException(AutomationError(static_cast<std::int32_t>(E_FAIL), error.what()),
                              info);
    }
}

} // namespace veltrano::ole::com
