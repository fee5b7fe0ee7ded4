// The mapping of COM failures to the error numbers and texts a VB program sees, both ways.

#include "platform/actole/com/ComErrors.h"
#include "platform/actole/com/Bstr.h"

#include <gtest/gtest.h>

#include <optional>

namespace veltrano::ole::com {
namespace {

constexpr HRESULT kControl5 = static_cast<HRESULT>(0x800A0005);
constexpr HRESULT kControl429 = static_cast<HRESULT>(0x800A01AD);

HRESULT STDAPICALLTYPE FillInLater(EXCEPINFO* info) {
    info->scode = static_cast<HRESULT>(0x800A0009);
    info->bstrDescription = ::SysAllocString(L"filled in later");
    return S_OK;
}

TEST(ComErrors, CallFailuresBecomeTheNumbersAndTextsVbShows) {
    struct Case {
        const char* what;
        HRESULT hr;
        std::optional<EXCEPINFO> info;
        const wchar_t* description; // the server's, into bstrDescription
        std::int32_t number;
        std::string text;
    };
    const auto raised = [](HRESULT scode, WORD wCode = 0) {
        EXCEPINFO info{};
        info.scode = scode;
        info.wCode = wCode;
        return info;
    };
    EXCEPINFO deferred{};
    deferred.pfnDeferredFillIn = FillInLater;
    const Case cases[] = {
        {"VB error with text", DISP_E_EXCEPTION, raised(kControl5), L"Bad call", 5, "Bad call"},
        {"VB error without text", DISP_E_EXCEPTION, raised(kControl429), nullptr, 429,
         "ActiveX component can't create object"},
        {"wCode wins", DISP_E_EXCEPTION, raised(0, 1001), L"Own error", 1001, "Own error"},
        {"server fault stays its HRESULT (the silent one)", DISP_E_EXCEPTION,
         raised(RPC_E_SERVERFAULT), L"The server threw an exception.", -2147417851,
         "The server threw an exception."},
        {"non-ASCII text", DISP_E_EXCEPTION, raised(static_cast<HRESULT>(0x800A4E22)),
         L"Popup-Liste f\u00FCr Feld 9 fehlt \u2013 \u6771", 20002,
         "Popup-Liste f\xC3\xBCr Feld 9 fehlt \xE2\x80\x93 \xE6\x9D\xB1"},
        {"unknown number without text", DISP_E_EXCEPTION, raised(static_cast<HRESULT>(0x800A4E21)),
         nullptr, 20001, "Automation error"},
        {"deferred fill-in", DISP_E_EXCEPTION, deferred, nullptr, 9, "filled in later"},
        {"server fault as HRESULT", RPC_E_SERVERFAULT, std::nullopt, nullptr, -2147417851,
         "Automation error"},
        {"type mismatch", DISP_E_TYPEMISMATCH, std::nullopt, nullptr, 13, "Type mismatch"},
        {"parameter count", DISP_E_BADPARAMCOUNT, std::nullopt, nullptr, 450,
         "Wrong number of arguments or invalid property assignment"},
        {"overflow", DISP_E_OVERFLOW, std::nullopt, nullptr, 6, "Overflow"},
    };
    for (const Case& c : cases) {
        std::optional<EXCEPINFO> info = c.info;
        if (info && c.description != nullptr) {
            info->bstrDescription = ::SysAllocString(c.description);
            info->bstrSource = ::SysAllocString(L"ACT!");
        }
        const AutomationError error = ErrorOfCall(c.hr, info ? &*info : nullptr);
        EXPECT_EQ(error.Number(), c.number) << c.what;
        EXPECT_EQ(error.Description(), c.text) << c.what;
        if (info) {
            // The strings were freed and cleared.
            EXPECT_EQ(info->bstrDescription, nullptr) << c.what;
            EXPECT_EQ(info->bstrSource, nullptr) << c.what;
        }
    }
}

TEST(ComErrors, ServerErrorsArriveWithTheirNumberAndDescription) {
    struct Case {
        std::int32_t number;
        HRESULT scode;
    };
    const Case cases[] = {
        {5, kControl5},
        {-2147417851, RPC_E_SERVERFAULT},
    };
    for (const Case& c : cases) {
        EXCEPINFO info{};
        const std::string text = "Fehler \xC3\xBC " + std::to_string(c.number);
        EXPECT_EQ(RaiseException(AutomationError(c.number, text), &info), DISP_E_EXCEPTION);
        EXPECT_EQ(info.scode, c.scode) << c.number;
        const AutomationError back = ErrorOfCall(DISP_E_EXCEPTION, &info);
        EXPECT_EQ(back.Number(), c.number);
        EXPECT_EQ(back.Description(), text);
        // Without an EXCEPINFO only the scode is returned.
        EXPECT_EQ(RaiseException(AutomationError(c.number, text), nullptr), c.scode);
    }
}

} // namespace
} // namespace veltrano::ole::com
