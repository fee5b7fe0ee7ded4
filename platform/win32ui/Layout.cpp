#include "platform/win32ui/Layout.h"

#include <algorithm>

namespace veltrano::win32ui {

namespace {

PixelRect ToPixels(const app::Rect& rect, const Twips& twips) {
    const int left = twips.ToPixels(rect.Left);
    const int top = twips.ToPixels(rect.Top);
    return {left, top, twips.ToPixels(rect.Left + std::max(0, rect.Width)),
            twips.ToPixels(rect.Top + std::max(0, rect.Height))};
}

} // namespace

LayoutResult LayOut(app::frmHaupt& form, const WindowGeometry& geometry, const Twips& twips) {
    form.State = geometry.state;
    form.Width = twips.FromPixels(geometry.outerWidth);
    form.Height = twips.FromPixels(geometry.outerHeight);
    form.ScaleWidth = twips.FromPixels(geometry.clientWidth);
    form.ScaleHeight = twips.FromPixels(geometry.clientHeight);
    const int width = form.Width;
    const int height = form.Height;
    form.OnResize();

    LayoutResult result;
    if (form.Width != width || form.Height != height) {
        result.resizeTo = std::pair{
            form.Width != width ? twips.AtLeastPixels(form.Width) : geometry.outerWidth,
            form.Height != height ? twips.AtLeastPixels(form.Height) : geometry.outerHeight};
    }
    result.tree = ToPixels(form.tvACTRect, twips);
    result.list = ToPixels(form.lvACTRect, twips);
    return result;
}

int MinimumOuterPixels(const Twips& twips) {
    return twips.AtLeastPixels(app::frmHaupt::kMinimumOuterSize);
}

} // namespace veltrano::win32ui
