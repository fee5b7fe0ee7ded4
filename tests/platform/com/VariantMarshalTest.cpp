// Variant <-> VARIANT: every kind of the object model both ways, the exact VARIANT each becomes,
// and what arrives from COM in other shapes. Objects: ComDispatchTest serves and returns one.

#include "platform/actole/com/VariantMarshal.h"
#include "platform/actole/AutomationError.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace veltrano::ole::com {
namespace {

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
    EXPECT_EQ(V_BOOL(&yes.Get()), -1); // False as 0: the round trip above

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

VARIANT Raw(VARTYPE type) {
    VARIANT raw;
    std::memset(&raw, 0, sizeof(raw));
    V_VT(&raw) = type;
    return raw;
}

TEST(VariantMarshal, OtherShapesFromComAreReadOrRefused) {
    BSTR text = ::SysAllocString(kNonAsciiWide.c_str());
    SHORT shortValue = 12;
    VARIANT inner = Raw(VT_I2), byText = Raw(VT_BSTR | VT_BYREF), byShort = Raw(VT_I2 | VT_BYREF),
            byVariant = Raw(VT_VARIANT | VT_BYREF), nested = Raw(VT_VARIANT | VT_BYREF),
            byte = Raw(VT_UI1), longest = Raw(VT_UI4), tooLong = Raw(VT_UI4), real = Raw(VT_R8),
            date = Raw(VT_DATE);
    V_I2(&inner) = -7;
    V_BSTRREF(&byText) = &text;
    V_I2REF(&byShort) = &shortValue;
    V_VARIANTREF(&byVariant) = &inner;
    V_VARIANTREF(&nested) = &byVariant; // a reference to a reference is malformed
    V_UI1(&byte) = 200;
    V_UI4(&longest) = 2147483647U;
    V_UI4(&tooLong) = 2147483648U;
    V_R8(&real) = 1.5;
    V_DATE(&date) = 1.0;

    struct Case {
        VARIANT raw;
        Variant expected;
        std::int32_t error; // 0: no error
    };
    const Case cases[] = {
        {byText, Variant(kNonAscii), 0},           {byShort, Variant(std::int16_t{12}), 0},
        {byVariant, Variant(std::int16_t{-7}), 0}, {nested, {}, errors::kTypeMismatch},
        {byte, Variant(std::int16_t{200}), 0},     {longest, Variant(std::int32_t{2147483647}), 0},
        {tooLong, {}, errors::kOverflow},          {real, {}, errors::kTypeMismatch},
        {date, {}, errors::kTypeMismatch},         {Raw(VT_NULL), {}, 94},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(V_VT(&c.raw));
        try {
            EXPECT_EQ(FromVARIANT(c.raw), c.expected);
            EXPECT_EQ(c.error, 0);
        } catch (const AutomationError& error) {
            EXPECT_EQ(error.Number(), c.error);
        }
    }
    ::SysFreeString(text);
}

} // namespace
} // namespace veltrano::ole::com
