#pragma once

// The program's own automation objects served to COM clients: an IDispatch over a Dispatch.
// Arguments and results are converted as in VariantMarshal.h (objects returned are served the
// same way), an AutomationError reaches the client as DISP_E_EXCEPTION with its EXCEPINFO, and
// no exception ever leaves a COM call.
//
// Members called by name: GetIDsOfNames hands out a dispatch identifier of its own for each name
// (from kFirstNameId on), and Invoke with it calls the object's InvokeByName, which knows the
// names of its members.

#include "platform/actole/Dispatch.h"
#include "platform/actole/com/ComPtr.h"

#include <windows.h>

#include <ole2.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace veltrano::ole::com {

// Counts the served objects alive: a server is unused when the count is 0.
class LiveObjects {
public:
    long Count() const noexcept { return count_.load(); }
    void Add() noexcept { ++count_; }
    void Remove() noexcept { --count_; }

private:
    std::atomic<long> count_{0};
};

class DispatchServer final : public IDispatch {
public:
    static constexpr DISPID kFirstNameId = 0x40000000;
    static constexpr std::size_t kMaxNames = 1024;

    // A new IDispatch serving object, counted in live (when given) with every object it hands
    // out. It also answers QueryInterface for alsoAnswers, the dispatch interface of its class.
    static ComPtr<IDispatch> Serve(DispatchPtr object, std::shared_ptr<LiveObjects> live = {},
                                   std::optional<IID> alsoAnswers = std::nullopt);
    // The object an IDispatch of this process serves; null for anyone else's.
    static DispatchPtr Served(IDispatch* dispatch);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* dispids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* info,
                                     UINT* argumentInError) override;

private:
    DispatchServer(DispatchPtr object, std::shared_ptr<LiveObjects> live,
                   std::optional<IID> alsoAnswers);
    ~DispatchServer();

    std::atomic<ULONG> references_{1};
    DispatchPtr object_;
    std::shared_ptr<LiveObjects> live_;
    std::optional<IID> alsoAnswers_;
    std::vector<std::string> names_;
};

} // namespace veltrano::ole::com
