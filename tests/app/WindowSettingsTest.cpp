#include "app/WindowSettings.h"
#include "support/NullPlatform.h"

#include <gtest/gtest.h>

namespace {

using namespace veltrano;

TEST(WindowSettingsTest, DamagedValuesReadAsNeverSaved) {
    const std::pair<const char*, bool> cases[] = {
        {"-1200,20,900,600", true}, // a screen left of the primary one
        {"10,20,900", false},       {"10,20,900,600,5", false},   {"10,20,0,600", false},
        {"10, 20,900,600", false},  {"10,20,900,600,", false},    {"a,b,c,d", false},
        {"+10,20,900,600", false},  {"99999999999,0,1,1", false}, {"", false}};
    for (const auto& [geometry, restored] : cases) {
        testsupport::ScriptedForms forms;
        forms.Settings().Save("Veltrano", "window", "geometry", geometry);
        EXPECT_EQ(app::LoadWindowGeometry(forms).has_value(), restored) << geometry;
    }
    testsupport::ScriptedForms forms;
    app::SaveWindowGeometry(forms, {-1200, 5, 800, 600, true});
    EXPECT_EQ(app::LoadWindowGeometry(forms), (app::WindowGeometry{-1200, 5, 800, 600, true}));
    forms.Settings().Save("Veltrano", "window", "columns.ID3", "100,-5,42");
    EXPECT_FALSE(app::LoadColumnWidths(forms, "ID3"));
}

} // namespace
