#pragma once

// The class object of a stand-in class: each CreateInstance serves a new object of the
// engine. Class objects, the objects they make and locks count in one LiveObjects, so a server
// knows when it is unused.

#include "platform/actole/Dispatch.h"
#include "platform/actole/com/ComPtr.h"
#include "platform/actole/com/DispatchServer.h"

#include <windows.h>

#include <ole2.h>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

namespace veltrano::ole::standin::com {

class ClassFactory final : public IClassFactory {
public:
    using Maker = std::function<DispatchPtr()>;

    // alsoAnswers: the dispatch interface of the class, besides IDispatch.
    static ole::com::ComPtr<IClassFactory> Create(Maker maker,
                                                  std::shared_ptr<ole::com::LiveObjects> live,
                                                  std::optional<IID> alsoAnswers = std::nullopt);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    ClassFactory(Maker maker, std::shared_ptr<ole::com::LiveObjects> live,
                 std::optional<IID> alsoAnswers);
    ~ClassFactory();

    std::atomic<ULONG> references_{1};
    Maker maker_;
    std::shared_ptr<ole::com::LiveObjects> live_;
    std::optional<IID> alsoAnswers_;
};

} // namespace veltrano::ole::standin::com
