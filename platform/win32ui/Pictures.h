#pragma once

// The image lists of the window: the icons of the toolbar and the tree, loaded from the
// resources by their keys at 16 or 32 pixels, and the two sort triangles of ilSortierung.

#include "platform/controls/ImageList.h"
#include "platform/win32ui/Handles.h"

namespace veltrano::win32ui {

// 16 pixels up to 120 DPI, 32 above: the sizes the icons are drawn in.
int IconSize(int dpi) noexcept;
// One image per key of the model's list, in its order; a key without an icon gets an empty one.
UniqueImageList IconImages(const controls::ImageList& keys, int size);
// Image 0 points up (ascending), image 1 down (descending), at the model's size times scale.
UniqueImageList SortImages(const controls::ImageList& keys, int scale);

} // namespace veltrano::win32ui
