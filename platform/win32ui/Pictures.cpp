#include "platform/win32ui/Pictures.h"

#include "platform/win32/windows/WideText.h"

namespace veltrano::win32ui {

int IconSize(int dpi) noexcept {
    return dpi > 120 ? 32 : 16;
}

UniqueImageList IconImages(const controls::ImageList& keys, int size) {
    UniqueImageList images(::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, keys.Count(), 0));
    for (const std::string& key : keys.Keys()) {
        const std::wstring name = win32::Widen(key);
        UniqueIcon icon(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), name.c_str(),
                                                        IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
        // A missing picture must not move the others to the wrong keys.
        if (!icon || ::ImageList_AddIcon(images.get(), icon.get()) < 0) {
            HBITMAP blank = ::CreateBitmap(size, size, 1, 32, nullptr);
            ::ImageList_Add(images.get(), blank, nullptr);
            ::DeleteObject(blank);
        }
    }
    return images;
}

UniqueImageList SortImages(const controls::ImageList& keys, int scale) {
    const int width = keys.ImageWidth() * scale;
    const int height = keys.ImageHeight() * scale;
    UniqueImageList images(::ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 2, 0));
    const MemoryDc dc;
    for (int image = 0; image < 2; ++image) {
        UniqueBitmap picture = ScreenBitmap(width, height);
        {
            const SelectedObject selected(dc.get(), picture.get());
            const RECT all{0, 0, width, height};
            const UniqueBrush background(::CreateSolidBrush(RGB(255, 0, 255)));
            ::FillRect(dc.get(), &all, background.get());
            const UniqueBrush ink(::CreateSolidBrush(::GetSysColor(COLOR_BTNTEXT)));
            const SelectedObject brush(dc.get(), ink.get());
            const SelectedObject pen(dc.get(), ::GetStockObject(NULL_PEN));
            // A triangle as wide as the picture, its tip at the top for ascending.
            const POINT up[] = {{width / 2, 0}, {width, height}, {0, height}};
            const POINT down[] = {{0, 0}, {width, 0}, {width / 2, height}};
            ::Polygon(dc.get(), image == 0 ? up : down, 3);
        }
        ::ImageList_AddMasked(images.get(), picture.get(), RGB(255, 0, 255));
    }
    return images;
}

} // namespace veltrano::win32ui
