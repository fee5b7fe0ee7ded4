// Variant <-> VARIANT: every kind of the object model both ways, the exact VARIANT each becomes,
// and what arrives from COM in other shapes.

#include "platform/actole/com/VariantMarshal.h"
#include "platform/actole/AutomationError.h"
#include "platform/actole/com/ComApartment.h"
#include "platform/actole/com/DispatchServer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace veltrano::ole::com {
namespace {

class Nothing final : public Dispatch {
public:
    Variant Invoke(std::int32_t, InvokeKind, std::span<const Variant>) override { return {}; }
    Variant InvokeByName(std::string_view, InvokeKind, std::span<const Variant>) override {
        return {};
    }
};

// "Müller – 東京 😀": two-, three- and four-byte UTF-8 sequences.
const std::string kNonAscii =
    "M\xC3\xBCller \xE2\x80\x93 \xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x98\x80";
const std::wstring kNonAsciiWide = L"M\u00FCller \u2013 \u6771\u4EAC \U0001F600";

TEST(VariantMarshal, EveryKindBecomesItsVariantTypeAndComesBackEqual) {
    struct Case {
        Variant value;
        VARTYPE type;
    };
    const Case cases[] = {
        {Variant(), VT_EMPTY},
        {Variant(true), VT_BOOL},
        {Variant(false), VT_BOOL},
        {Variant(std::int16_t{-32768}), VT_I2},
        {Variant(std::int16_t{32767}), VT_I2},
        {Variant(std::int32_t{std::numeric_limits<std::int32_t>::min()}), VT_I4},
        {Variant(std::int32_t{2147483647}), VT_I4},
        {Variant(std::string()), VT_BSTR},
        {Variant(std::string("c:\\act\\dial.exe")), VT_BSTR},
        {Variant(kNonAscii), VT_BSTR},
        {Variant(std::string("a\0b", 3)), VT_BSTR},
        {Variant(DispatchPtr{}), VT_DISPATCH},
    };
    for (const Case& c : cases) {
        UniqueVariant raw;
        ToVARIANT(c.value, *raw.Put());
        EXPECT_EQ(V_VT(&raw.Get()), c.type) << c.value.ToText();
        EXPECT_EQ(FromVARIANT(raw.Get()), c.value) << c.value.ToText();
    }
}

TEST(VariantMarshal, BooleansAreVariantBoolsAndStringsAreUtf16Bstrs) {
    UniqueVariant yes;
    ToVARIANT(Variant(true), *yes.Put());
    EXPECT_EQ(V_BOOL(&yes.Get()), -1);
    UniqueVariant no;
    ToVARIANT(Variant(false), *no.Put());
    EXPECT_EQ(V_BOOL(&no.Get()), 0);

    UniqueVariant text;
    ToVARIANT(Variant(kNonAscii), *text.Put());
    const BSTR bstr = V_BSTR(&text.Get());
    ASSERT_EQ(::SysStringLen(bstr), kNonAsciiWide.size());
    EXPECT_EQ(std::wstring(bstr, ::SysStringLen(bstr)), kNonAsciiWide);

    // Any VARIANT_BOOL other than 0 is True, as VB reads it.
    VARIANT odd;
    V_VT(&odd) = VT_BOOL;
    V_BOOL(&odd) = 1;
    EXPECT_EQ(FromVARIANT(odd), Variant(true));
}

TEST(VariantMarshal, ProgramObjectsAreServedAndComeBackAsThemselves) {
    const ComApartment apartment;
    const auto live = std::make_shared<LiveObjects>();
    const DispatchPtr object = std::make_shared<Nothing>();
    {
        UniqueVariant raw;
        ToVARIANT(Variant(object), *raw.Put(), live);
        ASSERT_EQ(V_VT(&raw.Get()), VT_DISPATCH);
        EXPECT_EQ(live->Count(), 1);
        EXPECT_EQ(FromVARIANT(raw.Get()).AsObject(), object);
    }
    EXPECT_EQ(live->Count(), 0);
}

TEST(VariantMarshal, OtherShapesFromComAreReadOrRefused) {
    BSTR text = ::SysAllocString(kNonAsciiWide.c_str());
    VARIANT inner;
    V_VT(&inner) = VT_I2;
    V_I2(&inner) = -7;
    VARIANT nested;
    V_VT(&nested) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&nested) = &inner;
    SHORT shortValue = 12;

    struct Case {
        VARTYPE type;
        void (*fill)(VARIANT&, void*);
        void* data;
        Variant expected;
        std::int32_t error; // 0: no error
    };
    const Case cases[] = {
        {VT_BSTR | VT_BYREF, [](VARIANT& v, void* d) { V_BSTRREF(&v) = static_cast<BSTR*>(d); },
         &text, Variant(kNonAscii), 0},
        {VT_I2 | VT_BYREF, [](VARIANT& v, void* d) { V_I2REF(&v) = static_cast<SHORT*>(d); },
         &shortValue, Variant(std::int16_t{12}), 0},
        {VT_VARIANT | VT_BYREF,
         [](VARIANT& v, void* d) { V_VARIANTREF(&v) = static_cast<VARIANT*>(d); }, &inner,
         Variant(std::int16_t{-7}), 0},
        // A reference to a reference is malformed.
        {VT_VARIANT | VT_BYREF,
         [](VARIANT& v, void* d) { V_VARIANTREF(&v) = static_cast<VARIANT*>(d); },
         &nested,
         {},
         errors::kTypeMismatch},
        {VT_UI1, [](VARIANT& v, void*) { V_UI1(&v) = 200; }, nullptr, Variant(std::int16_t{200}),
         0},
        {VT_UI4, [](VARIANT& v, void*) { V_UI4(&v) = 2147483647U; }, nullptr,
         Variant(std::int32_t{2147483647}), 0},
        {VT_UI4,
         [](VARIANT& v, void*) { V_UI4(&v) = 2147483648U; },
         nullptr,
         {},
         errors::kOverflow},
        {VT_R8, [](VARIANT& v, void*) { V_R8(&v) = 1.5; }, nullptr, {}, errors::kTypeMismatch},
        {VT_DATE, [](VARIANT& v, void*) { V_DATE(&v) = 1.0; }, nullptr, {}, errors::kTypeMismatch},
        {VT_NULL, [](VARIANT&, void*) {}, nullptr, {}, 94},
    };
    for (const Case& c : cases) {
        VARIANT raw;
        std::memset(&raw, 0, sizeof(raw));
        V_VT(&raw) = c.type;
        c.fill(raw, c.data);
        if (c.error == 0) {
            EXPECT_EQ(FromVARIANT(raw), c.expected) << c.type;
        } else {
            try {
                FromVARIANT(raw);
                ADD_FAILURE() << "no error for type " << c.type;
            } catch (const AutomationError& error) {
                EXPECT_EQ(error.Number(), c.error) << c.type;
            }
        }
    }
    ::SysFreeString(text);
}

} // namespace
} // namespace veltrano::ole::com
