#include "platform/actole/standin/com/ClassFactory.h"

#include "platform/actole/AutomationError.h"
#include "platform/actole/com/ComErrors.h"

#include <new>

namespace veltrano::ole::standin::com {

using ole::com::ComPtr;
using ole::com::DispatchServer;
using ole::com::LiveObjects;

ClassFactory::ClassFactory(Maker maker, std::shared_ptr<LiveObjects> live,
                           std::optional<IID> alsoAnswers)
    : maker_(std::move(maker)), live_(std::move(live)), alsoAnswers_(alsoAnswers) {
    if (live_) {
        live_->Add();
    }
}

ClassFactory::~ClassFactory() {
    if (live_) {
        live_->Remove();
    }
}

ComPtr<IClassFactory> ClassFactory::Create(Maker maker, std::shared_ptr<LiveObjects> live,
                                           std::optional<IID> alsoAnswers) {
    return ComPtr<IClassFactory>::Attach(
        new ClassFactory(std::move(maker), std::move(live), alsoAnswers));
}

HRESULT ClassFactory::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        AddRef();
        *object = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ClassFactory::AddRef() {
    return ++references_;
}

ULONG ClassFactory::Release() {
    const ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (outer != nullptr) {
        return CLASS_E_NOAGGREGATION;
    }
    try {
        const ComPtr<IDispatch> served = DispatchServer::Serve(maker_(), live_, alsoAnswers_);
        return served->QueryInterface(iid, object);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const AutomationError& error) {
        return ole::com::ScodeOfNumber(error.Number());
    } catch (const std::exception&) {
        return E_FAIL;
    }
}

HRESULT ClassFactory::LockServer(BOOL lock) {
    if (live_) {
        if (lock) {
            live_->Add();
        } else {
            live_->Remove();
        }
    }
    return S_OK;
}

} // namespace veltrano::ole::standin::com
