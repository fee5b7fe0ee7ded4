#pragma once

// Owners of the GDI and common-control handles the window creates.

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <type_traits>

namespace veltrano::win32ui {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const noexcept { ::DeleteObject(object); }
};
struct ImageListDeleter {
    void operator()(HIMAGELIST list) const noexcept { ::ImageList_Destroy(list); }
};
struct IconDeleter {
    void operator()(HICON icon) const noexcept { ::DestroyIcon(icon); }
};

using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using UniqueImageList = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// Selects an object into a DC for the scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectedObject() { ::SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory DC compatible with the screen.
class MemoryDc {
public:
    MemoryDc() : dc_(::CreateCompatibleDC(nullptr)) {}
    ~MemoryDc() { ::DeleteDC(dc_); }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const noexcept { return dc_; }

private:
    HDC dc_;
};

// The dialog and message font of the system at a DPI (the window's, per monitor).
UniqueFont MessageFont(int dpi, bool bold = false, bool underline = false);
// A 32-bit bitmap that can be drawn into, of the given pixel size.
UniqueBitmap ScreenBitmap(int width, int height);

} // namespace veltrano::win32ui
