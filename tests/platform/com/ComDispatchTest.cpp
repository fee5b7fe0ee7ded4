// The COM client against a counting test server: what Invoke receives for each kind of call,
// references released on every path, errors raised by a served object, and 429 for classes
// that cannot be created.

#include "platform/actole/com/ComDispatch.h"
#include "platform/actole/AutomationError.h"
#include "platform/actole/com/ComObjectFactory.h"
#include "platform/actole/com/DispatchServer.h"
#include "platform/actole/com/VariantMarshal.h"

#include <gtest/gtest.h>

#include <vector>

namespace veltrano::ole::com {
namespace {

// The number and description of the error the call raises; {0, "no error"} when it raises none.
template <typename Call> std::pair<std::int32_t, std::string> ErrorOf(const Call& call) {
    try {
        call();
    } catch (const AutomationError& error) {
        return {error.Number(), error.Description()};
    }
    return {0, "no error"};
}

// An IDispatch that records each call and counts its references.
class CountingServer final : public IDispatch {
public:
    struct Call {
        DISPID dispid = 0;
        WORD flags = 0;
        std::vector<Variant> argsAsSent; // rgvarg in its own order (last argument first)
        std::vector<DISPID> named;
        bool wantsResult = false;
        bool operator==(const Call&) const = default;
    };

    ULONG references = 1;
    std::vector<Call> calls;
    std::vector<std::wstring> namesAsked;
    HRESULT answer = S_OK;
    Variant result;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
            AddRef();
            *object = this;
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID,
                                            DISPID* ids) override {
        namesAsked.emplace_back(names[0]);
        if (namesAsked.back() == L"Missing") {
            return DISP_E_UNKNOWNNAME;
        }
        ids[0] = 777;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* out, EXCEPINFO* info, UINT*) override {
        Call call{dispid, flags, {}, {}, out != nullptr};
        for (UINT i = 0; i < params->cArgs; ++i) {
            call.argsAsSent.push_back(FromVARIANT(params->rgvarg[i]));
        }
        call.named.assign(params->rgdispidNamedArgs,
                          params->rgdispidNamedArgs + params->cNamedArgs);
        calls.push_back(call);
        if (answer == DISP_E_EXCEPTION) {
            info->scode = static_cast<HRESULT>(0x800A0009);
            info->bstrDescription = ::SysAllocString(L"Index au\u00DFerhalb");
            return DISP_E_EXCEPTION;
        }
        if (FAILED(answer)) {
            return answer;
        }
        if (out != nullptr) {
            ToVARIANT(result, *out);
        }
        return S_OK;
    }
};

// A program object whose calls are recorded; it raises when told to.
class RecordingObject final : public Dispatch {
public:
    struct Call {
        std::int32_t dispid;
        std::string name;
        InvokeKind kind;
        std::vector<Variant> args;
    };
    std::vector<Call> calls;
    std::optional<AutomationError> raise;
    Variant result;

    Variant Invoke(std::int32_t dispid, InvokeKind kind, std::span<const Variant> args) override {
        calls.push_back({dispid, "", kind, {args.begin(), args.end()}});
        return Answer();
    }
    Variant InvokeByName(std::string_view name, InvokeKind kind,
                         std::span<const Variant> args) override {
        calls.push_back({0, std::string(name), kind, {args.begin(), args.end()}});
        return Answer();
    }

private:
    Variant Answer() {
        if (raise) {
            throw *raise;
        }
        return result;
    }
};

class ComDispatchTest : public ::testing::Test {
protected:
    ComApartment apartment;
    CountingServer server;
};

TEST_F(ComDispatchTest, EachKindOfCallReachesInvokeAsVbSendsItAndFailuresRaise) {
    {
        ComDispatch client(ComPtr<IDispatch>::Retain(&server));
        server.result = Variant(std::string("Name \xC3\xA4"));
        EXPECT_EQ(client.Get(1007, {Variant(std::int16_t{25})}), server.result);
        client.Put(1020, {Variant(std::int16_t{25}), Variant(std::string("c:\\a.exe"))});
        server.result = Variant(true);
        EXPECT_EQ(client.Call(1028), Variant(true));
        server.result = Variant(std::int32_t{3});
        EXPECT_EQ(client.CallByName("PopupCount", {Variant(true), Variant(std::int16_t{1})}),
                  Variant(std::int32_t{3}));

        // The server's EXCEPINFO reaches the error (the mapping of it and of bare HRESULTs:
        // ComErrorsTest), as does a name GetIDsOfNames does not know.
        server.answer = DISP_E_EXCEPTION;
        EXPECT_EQ(ErrorOf([&] { client.Get(1022, {Variant(std::string("argument"))}); }),
                  std::pair(9, std::string("Index au\xC3\x9F"
                                           "erhalb")));
        EXPECT_EQ(ErrorOf([&] { client.CallByName("Missing"); }).first, 438);
    }
    // A put sends the value to store as rgvarg[0], the index after it; CallByName asks the id.
    const std::vector<CountingServer::Call> expected = {
        {1007, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {Variant(std::int16_t{25})}, {}, true},
        {1020,
         DISPATCH_PROPERTYPUT,
         {Variant(std::string("c:\\a.exe")), Variant(std::int16_t{25})},
         {DISPID_PROPERTYPUT},
         false},
        {1028, DISPATCH_METHOD, {}, {}, true},
        {777, DISPATCH_METHOD, {Variant(std::int16_t{1}), Variant(true)}, {}, true},
    };
    server.calls.resize(4); // the failed call follows
    EXPECT_EQ(server.calls, expected);
    EXPECT_EQ(server.namesAsked, (std::vector<std::wstring>{L"PopupCount", L"Missing"}));
    EXPECT_EQ(server.references, 1u);
}

TEST_F(ComDispatchTest, ServedObjectsAnswerByIdentifierAndNameAndRaiseThroughExcepinfo) {
    const auto live = std::make_shared<LiveObjects>();
    const auto object = std::make_shared<RecordingObject>();
    const auto child = std::make_shared<RecordingObject>();
    {
        ComDispatch client(DispatchServer::Serve(object, live));
        object->result = Variant(std::int16_t{4});
        EXPECT_EQ(client.Get(1003), Variant(std::int16_t{4}));
        client.Put(1021, {Variant(std::int16_t{-3}), Variant(std::string("x"))});
        EXPECT_EQ(client.CallByName("fields"), Variant(std::int16_t{4}));
        EXPECT_EQ(client.CallByName("FIELDS"), Variant(std::int16_t{4}));

        // The error arrives as raised (the numbers and texts both ways: ComErrorsTest).
        object->raise = AutomationError(20002, "Liste f\xC3\xBCr Feld 9 fehlt");
        EXPECT_EQ(ErrorOf([&] { client.Get(1022, {Variant(std::int16_t{9})}); }),
                  std::pair(20002, std::string("Liste f\xC3\xBCr Feld 9 fehlt")));
        object->raise.reset();

        // An object returned is served, counted, and released with the result.
        object->result = Variant(DispatchPtr(child));
        EXPECT_EQ(client.Get(205).AsObject(), child);
        EXPECT_EQ(live->Count(), 1);
    }
    EXPECT_EQ(live->Count(), 0);
    ASSERT_EQ(object->calls.size(), 6u);
    EXPECT_EQ(object->calls[1].kind, InvokeKind::PropertyPut);
    EXPECT_EQ(object->calls[1].args,
              (std::vector<Variant>{Variant(std::int16_t{-3}), Variant(std::string("x"))}));
    // The name as first asked for, whatever case later calls use.
    EXPECT_EQ(object->calls[2].name, "fields");
    EXPECT_EQ(object->calls[3].name, "fields");
}

TEST_F(ComDispatchTest, ClassesThatCannotBeCreatedRaise429) {
    ComObjectFactory objects("{3F2504E0-4F89-11D3-9A0C-0305E82C3301}"); // registered nowhere
    for (const auto& create : std::vector<std::function<DispatchPtr()>>{
             [&] { return objects.CreateDatabase(); },
             [&] { return objects.CreateObject("Veltrano.NoSuchClass"); }}) {
        EXPECT_EQ(ErrorOf(create),
                  std::pair(429, std::string("ActiveX component can't create object")));
    }
}

} // namespace
} // namespace veltrano::ole::com
