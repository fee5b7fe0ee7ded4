#include "platform/win32ui/Handles.h"

#include "platform/win32ui/Dpi.h"

namespace veltrano::win32ui {

UniqueFont MessageFont(int dpi, bool bold, bool underline) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    LOGFONTW font{};
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        font = metrics.lfMessageFont;
        // The system answers for its own DPI; the window may sit on another monitor.
        font.lfHeight = ::MulDiv(font.lfHeight, dpi, SystemDpi());
    } else {
        font.lfHeight = -::MulDiv(9, dpi, 72);
        ::lstrcpynW(font.lfFaceName, L"Segoe UI", LF_FACESIZE);
    }
    if (bold) {
        font.lfWeight = FW_BOLD;
    }
    font.lfUnderline = underline ? TRUE : FALSE;
    return UniqueFont(::CreateFontIndirectW(&font));
}

UniqueBitmap ScreenBitmap(int width, int height) {
    HDC screen = ::GetDC(nullptr);
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen, width, height));
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

} // namespace veltrano::win32ui
