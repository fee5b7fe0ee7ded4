// The registry settings store: values exactly as saved, missing keys, and the place VB programs
// keep their settings. Every test uses its own application key.

#include "platform/forms/windows/RegistrySettingsStore.h"
#include "platform/win32/windows/WideText.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace veltrano::forms {
namespace {

class RegistrySettingsStoreTest : public ::testing::Test {
protected:
    void TearDown() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER,
                         win32::Widen(std::string(kVbSettingsRoot) + "\\" + app).c_str());
    }

    std::string app = "VeltranoTest-" + std::to_string(::GetCurrentProcessId()) + "-" +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name();
    RegistrySettingsStore store;
};

TEST_F(RegistrySettingsStoreTest, ValuesReadBackExactlyAsTyped) {
    const std::string values[] = {"", "  leading and trailing  ", "line\r\nbreak\ttab",
                                  "B\xC3\xBCr\xC3\xB6 \xE2\x82\xAC \xE6\x97\xA5\xE6\x9C\xAC",
                                  std::string(5000, 'x')};
    for (const auto& value : values) {
        store.Save(app, "options", "userpassword", value);
        EXPECT_EQ(store.Get(app, "options", "userpassword", "default"), value);
    }
}

TEST_F(RegistrySettingsStoreTest, MissingOrForeignValuesGiveTheDefault) {
    EXPECT_EQ(store.Get(app, "options", "username", "none"), "none"); // no key at all
    store.Save(app, "options", "username", "Chris");
    EXPECT_EQ(store.Get(app, "options", "userpassword", "none"), "none"); // no value

    const std::wstring section = win32::Widen(store.SectionKey(app, "options"));
    const DWORD number = 7;
    // Stored without its closing NUL, as other programs may write it.
    const wchar_t raw[] = {L'a', L'b', L'c'};
    ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, section.c_str(), L"count", REG_DWORD, &number,
                                sizeof number),
              ERROR_SUCCESS);
    ::RegSetKeyValueW(HKEY_CURRENT_USER, section.c_str(), L"raw", REG_SZ, raw, sizeof raw);
    EXPECT_EQ(store.Get(app, "options", "count", "default"), "default");
    EXPECT_EQ(store.Get(app, "options", "raw", ""), "abc");
}

TEST_F(RegistrySettingsStoreTest, ValuesAreStringsWhereVbProgramsKeepTheirs) {
    store.Save(app, "options", "username", "Chris M\xC3\xBCller");

    const std::wstring path =
        L"Software\\VB and VBA Program Settings\\" + win32::Widen(app) + L"\\options";
    wchar_t data[64] = {};
    DWORD type = 0;
    DWORD size = sizeof data;
    ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, path.c_str(), L"username", RRF_RT_ANY, &type, data,
                             &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::wstring(data), L"Chris M\u00FCller");
    EXPECT_EQ(size, sizeof(L"Chris M\u00FCller"));
}

TEST_F(RegistrySettingsStoreTest, ARefusedWriteThrows) {
    RegistrySettingsStore bad("Software\\" + std::string(300, 'k')); // longer than a key may be
    EXPECT_THROW(bad.Save(app, "options", "username", "x"), std::system_error);
    EXPECT_EQ(bad.Get(app, "options", "username", "default"), "default");
}

} // namespace
} // namespace veltrano::forms
