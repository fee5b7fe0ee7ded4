#pragma once

// frmHaupt's geometry in the window: the window's size and state go to the form in twips, the
// form's OnResize runs, and its placements come back as pixel rectangles of the client area.

#include "app/frmHaupt.h"
#include "platform/win32ui/Twips.h"

#include <optional>

namespace veltrano::win32ui {

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

struct WindowGeometry {
    int outerWidth = 0; // pixels
    int outerHeight = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    app::WindowState state = app::WindowState::Normal;
};

struct LayoutResult {
    // The outer size in pixels the form asked for (its minimum); the window is resized to it
    // and laid out again then.
    std::optional<std::pair<int, int>> resizeTo;
    PixelRect tree;
    PixelRect list;
};

// Runs the form's OnResize for this geometry. Edges are converted, not sizes, so that the
// margins stay exact whatever the rounding.
LayoutResult LayOut(app::frmHaupt& form, const WindowGeometry& geometry, const Twips& twips);

// The smallest outer size in pixels that the form accepts.
int MinimumOuterPixels(const Twips& twips);

} // namespace veltrano::win32ui
