#pragma once

// The window's layout remembered between runs, in the settings section "window" beside the
// login's "options". Every value is checked when read; a damaged one counts as never saved.

#include "platform/controls/ListView.h"
#include "platform/forms/FormsRuntime.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano::app {

inline constexpr std::string_view kWindowSection = "window";

// Position and size of the window's frame in the front end's units, and whether it was
// maximised (the rectangle is then the size it comes back to).
struct WindowGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool maximized = false;
    bool operator==(const WindowGeometry&) const = default;
};

std::optional<WindowGeometry> LoadWindowGeometry(forms::FormsRuntime& forms);
void SaveWindowGeometry(forms::FormsRuntime& forms, const WindowGeometry& geometry);

// The tree's width in twips, as the divider left it.
std::optional<int> LoadTreeWidth(forms::FormsRuntime& forms);
void SaveTreeWidth(forms::FormsRuntime& forms, int width);

// A name for the columns the list shows, the same for every list of that layout.
std::string ListLayoutName(const controls::ListView& list);
// Column widths in pixels, one per column, -1 for a column whose width the user left to the
// list; nullopt when none were saved for the layout or the value is damaged.
std::optional<std::vector<int>> LoadColumnWidths(forms::FormsRuntime& forms,
                                                 std::string_view layout);
void SaveColumnWidths(forms::FormsRuntime& forms, std::string_view layout,
                      const std::vector<int>& widths);

// Comma-separated whole numbers, each within [least, most]; nullopt for anything else.
std::optional<std::vector<int>> ParseNumberList(std::string_view text, int least, int most);

} // namespace veltrano::app
