// Registering the stand-in: the keys it writes, and its refusal to write over another server's
// registration, on scratch keys that stand in for the per-user and the machine's classes.

#include "platform/actole/standin/com/Registration.h"

#include <gtest/gtest.h>

#include <optional>

namespace veltrano::ole::standin::com {
namespace {

const std::wstring kDatabase = L"CLSID\\{99D296F7-11CF-11D0-8680-0020AFA095EE}";
const std::wstring kApplication = L"CLSID\\{BB706BED-ACBE-4508-8F9D-D0CDA9EA431F}";
const std::wstring kProgId = L"ACTOLE.APPOBJECT";

std::optional<std::wstring> Value(const std::wstring& key, const wchar_t* name = nullptr) {
    wchar_t text[512] = {};
    DWORD size = sizeof(text);
    if (::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(text);
}

void SetValue(const std::wstring& key, const std::wstring& value) {
    ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, REG_SZ, value.c_str(),
                                static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
}

class RegistrationTest : public ::testing::Test {
protected:
    ~RegistrationTest() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, scratch.c_str()); }

    std::wstring scratch =
        L"Software\\Veltrano-registration-test-" + std::to_wstring(::GetCurrentProcessId());
    std::wstring user = scratch + L"\\User";
    std::wstring machine = scratch + L"\\Machine";
    RegistrationPlan plan{{{HKEY_CURRENT_USER, user, "USER"}},
                          {{HKEY_CURRENT_USER, machine, "MACHINE"}}};
    std::wstring dll = L"C:\\stand-in\\act-standin.dll";
};

TEST_F(RegistrationTest, WritesTheThreeIdentifiersAndCanDoItAgain) {
    RegisterStandIn(plan, dll);
    RegisterStandIn(plan, L"D:\\moved\\act-standin.dll");
    EXPECT_EQ(Value(user + L"\\" + kDatabase + L"\\InprocServer32"), L"D:\\moved\\act-standin.dll");
    EXPECT_EQ(Value(user + L"\\" + kDatabase + L"\\InprocServer32", L"ThreadingModel"),
              L"Apartment");
    EXPECT_EQ(Value(user + L"\\" + kProgId + L"\\CLSID"),
              L"{BB706BED-ACBE-4508-8F9D-D0CDA9EA431F}");
    EXPECT_EQ(Value(user + L"\\" + kApplication + L"\\ProgID"), L"ACTOLE.APPOBJECT");
    // The application is served only while `run` runs: no server that COM could start.
    EXPECT_FALSE(Value(user + L"\\" + kApplication + L"\\LocalServer32"));
    EXPECT_FALSE(Value(machine + L"\\" + kDatabase + L"\\InprocServer32"));

    EXPECT_EQ(UnregisterStandIn(plan), 3);
    EXPECT_FALSE(Value(user + L"\\" + kDatabase + L"\\InprocServer32"));
    EXPECT_FALSE(Value(user + L"\\" + kProgId + L"\\CLSID"));
    EXPECT_EQ(UnregisterStandIn(plan), 0);
}

TEST_F(RegistrationTest, RefusesToWriteOverAnotherServer) {
    struct Case {
        std::wstring key;   // the foreign registration
        std::wstring value; // its default value
        std::string message;
    };
    const Case cases[] = {
        {machine + L"\\" + kDatabase + L"\\InprocServer32", L"C:\\Program Files\\ACT\\actole.dll",
         "MACHINE\\CLSID\\{99D296F7-11CF-11D0-8680-0020AFA095EE} already belongs to another "
         "server (C:\\Program Files\\ACT\\actole.dll); the stand-in does not register over it"},
        {user + L"\\" + kProgId + L"\\CLSID", L"{00000000-1111-2222-3333-444444444444}",
         "USER\\ACTOLE.APPOBJECT already belongs to another server "
         "({00000000-1111-2222-3333-444444444444}); the stand-in does not register over it"},
        {machine + L"\\" + kApplication, L"",
         "MACHINE\\CLSID\\{BB706BED-ACBE-4508-8F9D-D0CDA9EA431F} already belongs to another "
         "server (no server named); the stand-in does not register over it"},
    };
    for (const Case& c : cases) {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, scratch.c_str());
        SetValue(c.key, c.value);
        try {
            RegisterStandIn(plan, dll);
            ADD_FAILURE() << c.message;
        } catch (const RegistrationRefused& refused) {
            EXPECT_EQ(refused.what(), c.message);
        }
        // Nothing of the stand-in was written, and unregistering leaves the other server be.
        EXPECT_FALSE(Value(user + L"\\" + kDatabase + L"\\InprocServer32"));
        EXPECT_EQ(UnregisterStandIn(plan), 0);
        EXPECT_EQ(Value(c.key), c.value);
    }
}

} // namespace
} // namespace veltrano::ole::standin::com
