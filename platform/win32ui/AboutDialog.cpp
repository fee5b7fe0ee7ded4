// The core's headers come before windows.h, whose macros share names with their constants.
#include "about/frmInfo.h"
#include "winsvc/clShellExecute.h"

#include "platform/win32ui/AboutDialog.h"

#include "platform/win32/windows/WideText.h"
#include "platform/win32ui/DialogText.h"
#include "platform/win32ui/Dpi.h"
#include "platform/win32ui/Resources.h"
#include "platform/win32ui/Twips.h"

#include <exception>

namespace veltrano::win32ui {

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr COLORREF kPanel = RGB(0x0c, 0x1a, 0x33);
constexpr COLORREF kText = RGB(0xe8, 0xef, 0xf4);
constexpr COLORREF kHeading = RGB(0x8f, 0xd3, 0xff);
constexpr COLORREF kMuted = RGB(0xb4, 0xcb, 0xd8);
constexpr COLORREF kLink = RGB(0x9c, 0xdc, 0xff);

// The form's layout in twips at the 15 twips per pixel its pictures were made for.
RECT TwipsRect(int left, int top, int width, int height) {
    return {left / 15, top / 15, (left + width) / 15, (top + height) / 15};
}
const RECT kScrollWindow = TwipsRect(1320, 1140, 2100, 660);
const RECT kVersion = TwipsRect(240, 1905, 2295, 240);
const RECT kNotice = TwipsRect(3360, 1875, 1215, 255);
const RECT kLinkRect = TwipsRect(2520, 2280, 2055, 255);

UniqueFont PixelFont(int pixels, bool bold = false, bool underline = false) {
    return UniqueFont(::CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                                    underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                    DEFAULT_PITCH, L"Segoe UI"));
}

void FillColor(HDC dc, const RECT& rect, COLORREF color) {
    const UniqueBrush brush(::CreateSolidBrush(color));
    ::FillRect(dc, &rect, brush.get());
}

void DrawTextIn(HDC dc, std::string_view text, RECT rect, HFONT font, COLORREF color, UINT format) {
    const SelectedObject selected(dc, font);
    ::SetTextColor(dc, color);
    ::SetBkMode(dc, TRANSPARENT);
    std::wstring wide = win32::Widen(text);
    ::DrawTextW(dc, wide.data(), static_cast<int>(wide.size()), &rect,
                format | DT_SINGLELINE | DT_NOPREFIX);
}

COLORREF Mix(COLORREF a, COLORREF b, double t) {
    const auto mix = [t](int x, int y) { return static_cast<BYTE>(x + (y - x) * t); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

struct AboutState {
    explicit AboutState(about::frmInfo& shown) : form(shown) {}

    about::frmInfo& form;
    UniqueBitmap background = InfoBackgroundPicture();
    UniqueBitmap scroll = ScrollTextPicture();
    UniqueFont labelFont;
    UniqueFont noticeFont;
    UniqueFont linkFont;
    UniqueFont linkUnderlinedFont;
    bool underlined = false;
    std::exception_ptr failure;
};

AboutState& StateOf(HWND dialog) {
    return *reinterpret_cast<AboutState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
}

RECT Scaled(const RECT& rect, const Twips& dpi) {
    return {dpi.Scale(rect.left), dpi.Scale(rect.top), dpi.Scale(rect.right),
            dpi.Scale(rect.bottom)};
}

void Place(HWND dialog, int id, const RECT& rect, const Twips& dpi) {
    const RECT r = Scaled(rect, dpi);
    ::SetWindowPos(::GetDlgItem(dialog, id), nullptr, r.left, r.top, r.right - r.left,
                   r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Shows the form's state: the link's underline, the pointer, and closing once it unloaded.
void FollowForm(HWND dialog) {
    AboutState& state = StateOf(dialog);
    if (state.underlined != state.form.lbMSUnderlined()) {
        state.underlined = state.form.lbMSUnderlined();
        HWND link = ::GetDlgItem(dialog, IDC_ABOUT_LINK);
        ::SendMessageW(link, WM_SETFONT,
                       reinterpret_cast<WPARAM>(state.underlined ? state.linkUnderlinedFont.get()
                                                                 : state.linkFont.get()),
                       FALSE);
        // The label is transparent: the background behind it is drawn again first.
        RECT rect{};
        ::GetWindowRect(link, &rect);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        ::InvalidateRect(dialog, &rect, TRUE);
    }
    ::SetCursor(::LoadCursorW(nullptr, state.form.MousePointer() == forms::vbUpArrow ? IDC_UPARROW
                                                                                     : IDC_ARROW));
    if (state.form.Unloaded()) {
        ::KillTimer(dialog, kTimerId);
        ::EndDialog(dialog, IDOK);
    }
}

template <class Handler> void Forward(HWND dialog, Handler&& handler) {
    AboutState& state = StateOf(dialog);
    try {
        handler(state.form);
    } catch (...) {
        state.failure = std::current_exception();
        ::KillTimer(dialog, kTimerId);
        ::EndDialog(dialog, IDABORT);
        return;
    }
    FollowForm(dialog);
}

void Initialize(HWND dialog, AboutState& state) {
    state.form.Load();
    const Twips dpi(WindowDpi(dialog));
    ::SetWindowTextW(dialog, win32::Widen(about::kCaption).c_str());

    // The client area is the background picture's size; the box stands in the screen's middle.
    RECT frame{0, 0, dpi.Scale(about::kFormWidth), dpi.Scale(about::kFormHeight)};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongW(dialog, GWL_EXSTYLE)));
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcWork;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    ::SetWindowPos(dialog, nullptr, area.left + (area.right - area.left - width) / 2,
                   area.top + (area.bottom - area.top - height) / 2, width, height, SWP_NOZORDER);

    Place(dialog, IDC_ABOUT_SCROLL, kScrollWindow, dpi);
    Place(dialog, IDC_ABOUT_VERSION, kVersion, dpi);
    Place(dialog, IDC_ABOUT_NOTICE, kNotice, dpi);
    Place(dialog, IDC_ABOUT_LINK, kLinkRect, dpi);

    state.labelFont = PixelFont(dpi.Scale(11));
    state.noticeFont = PixelFont(dpi.Scale(9));
    state.linkFont = PixelFont(dpi.Scale(11));
    state.linkUnderlinedFont = PixelFont(dpi.Scale(11), false, true);
    ::SendDlgItemMessageW(dialog, IDC_ABOUT_VERSION, WM_SETFONT,
                          reinterpret_cast<WPARAM>(state.labelFont.get()), FALSE);
    ::SendDlgItemMessageW(dialog, IDC_ABOUT_NOTICE, WM_SETFONT,
                          reinterpret_cast<WPARAM>(state.noticeFont.get()), FALSE);
    ::SendDlgItemMessageW(dialog, IDC_ABOUT_LINK, WM_SETFONT,
                          reinterpret_cast<WPARAM>(state.linkFont.get()), FALSE);
    SetDialogItemText(dialog, IDC_ABOUT_VERSION, state.form.lbVersionCaption());
    SetDialogItemText(dialog, IDC_ABOUT_NOTICE, state.form.lbCopyrightCaption());
    SetDialogItemText(dialog, IDC_ABOUT_LINK, state.form.lbMSCaption());
    ::SetTimer(dialog, kTimerId, about::kTimerInterval, nullptr);
}

void DrawScaled(HDC target, const RECT& to, HBITMAP picture, int left, int top, int width,
                int height) {
    const MemoryDc source;
    const SelectedObject selected(source.get(), picture);
    ::SetStretchBltMode(target, COLORONCOLOR);
    ::StretchBlt(target, to.left, to.top, to.right - to.left, to.bottom - to.top, source.get(),
                 left, top, width, height, SRCCOPY);
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        Initialize(dialog, *reinterpret_cast<AboutState*>(lParam));
        return FALSE;
    case WM_ERASEBKGND: {
        RECT client{};
        ::GetClientRect(dialog, &client);
        DrawScaled(reinterpret_cast<HDC>(wParam), client, StateOf(dialog).background.get(), 0, 0,
                   about::kFormWidth, about::kFormHeight);
        ::SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetBkMode(dc, TRANSPARENT);
        const bool link = reinterpret_cast<HWND>(lParam) == ::GetDlgItem(dialog, IDC_ABOUT_LINK);
        ::SetTextColor(dc, link ? kLink : kText);
        return reinterpret_cast<INT_PTR>(::GetStockObject(NULL_BRUSH));
    }
    case WM_DRAWITEM: {
        const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (draw.CtlID != IDC_ABOUT_SCROLL) {
            return FALSE;
        }
        // The rows of the scroll picture from the form's offset, unscaled at 96 DPI.
        DrawScaled(draw.hDC, draw.rcItem, StateOf(dialog).scroll.get(), 0,
                   StateOf(dialog).form.ScrollOffset(), about::kScrollWindowWidth,
                   about::kScrollWindowHeight);
        return TRUE;
    }
    case WM_TIMER:
        if (wParam == kTimerId) {
            Forward(dialog, [](about::frmInfo& form) { form.Timer1_Timer(); });
            ::RedrawWindow(::GetDlgItem(dialog, IDC_ABOUT_SCROLL), nullptr, nullptr,
                           RDW_INVALIDATE | RDW_UPDATENOW);
        }
        return TRUE;
    case WM_SETCURSOR: {
        if (HIWORD(lParam) == WM_MOUSEMOVE) {
            const auto over = reinterpret_cast<HWND>(wParam);
            if (over == ::GetDlgItem(dialog, IDC_ABOUT_LINK)) {
                Forward(dialog, [](about::frmInfo& form) { form.lbMS_MouseMove(); });
            } else if (over == dialog) {
                Forward(dialog, [](about::frmInfo& form) { form.Form_MouseMove(); });
            }
        }
        ::SetCursor(::LoadCursorW(nullptr, StateOf(dialog).form.MousePointer() == forms::vbUpArrow
                                               ? IDC_UPARROW
                                               : IDC_ARROW));
        ::SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    case WM_LBUTTONUP:
        Forward(dialog, [](about::frmInfo& form) { form.Form_Click(); });
        return TRUE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id == IDCANCEL) {
            Forward(dialog, [](about::frmInfo& form) { form.Form_KeyPress(about::kEscape); });
        } else if (id == IDOK) {
            Forward(dialog, [](about::frmInfo& form) { form.Form_KeyPress('\r'); });
        } else if (HIWORD(wParam) == STN_CLICKED && id == IDC_ABOUT_LINK) {
            const auto hWnd = static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(dialog));
            Forward(dialog, [hWnd](about::frmInfo& form) { form.lbMS_Click(hWnd); });
        } else if (HIWORD(wParam) == STN_CLICKED) {
            Forward(dialog, [](about::frmInfo& form) { form.Form_Click(); });
        }
        return TRUE;
    }
    case WM_CLOSE:
        ::KillTimer(dialog, kTimerId);
        ::EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

UniqueBitmap InfoBackgroundPicture() {
    UniqueBitmap picture = ScreenBitmap(about::kFormWidth, about::kFormHeight);
    const MemoryDc dc;
    const SelectedObject selected(dc.get(), picture.get());
    const COLORREF top = RGB(0x0f, 0x1f, 0x3d);
    const COLORREF middle = RGB(0x16, 0x3d, 0x5c);
    const COLORREF bottom = RGB(0x1d, 0x6a, 0x72);
    for (int y = 0; y < about::kFormHeight; ++y) {
        const double t = static_cast<double>(y) / (about::kFormHeight - 1);
        const COLORREF color =
            t < 0.55 ? Mix(top, middle, t / 0.55) : Mix(middle, bottom, (t - 0.55) / 0.45);
        FillColor(dc.get(), {0, y, about::kFormWidth, y + 1}, color);
    }
    const UniqueFont title = PixelFont(28, true);
    const UniqueFont subtitle = PixelFont(11);
    DrawTextIn(dc.get(), "Veltrano", {0, 8, about::kFormWidth, 44}, title.get(), RGB(255, 255, 255),
               DT_CENTER | DT_VCENTER);
    DrawTextIn(dc.get(), "Struktur und Trigger f\xC3\xBCr ACT!-Datenbanken",
               {0, 44, about::kFormWidth, 62}, subtitle.get(), kMuted, DT_CENTER | DT_VCENTER);
    // The frame around the scroll window.
    const UniqueBrush panel(::CreateSolidBrush(kPanel));
    {
        const SelectedObject brush(dc.get(), panel.get());
        HPEN edge = ::CreatePen(PS_SOLID, 1, RGB(0x5f, 0xa8, 0xbd));
        {
            const SelectedObject pen(dc.get(), edge);
            ::RoundRect(dc.get(), kScrollWindow.left - 5, kScrollWindow.top - 5,
                        kScrollWindow.right + 5, kScrollWindow.bottom + 5, 10, 10);
        }
        ::DeleteObject(edge);
    }
    FillColor(dc.get(), {16, 146, about::kFormWidth - 16, 147}, RGB(0x3c, 0x5c, 0x78));
    return picture;
}

UniqueBitmap ScrollTextPicture() {
    UniqueBitmap picture = ScreenBitmap(about::kScrollPictureWidth, about::kScrollPictureHeight);
    const MemoryDc dc;
    const SelectedObject selected(dc.get(), picture.get());
    FillColor(dc.get(), {0, 0, about::kScrollPictureWidth, about::kScrollPictureHeight}, kPanel);
    const UniqueFont plain = PixelFont(11);
    const UniqueFont bold = PixelFont(11, true);
    int top = 0;
    for (const about::ScrollLine& line : about::ScrollTextLines()) {
        DrawTextIn(dc.get(), line.text,
                   {0, top, about::kScrollPictureWidth, top + about::kScrollLineHeight},
                   line.heading ? bold.get() : plain.get(), line.heading ? kHeading : kText,
                   DT_CENTER | DT_VCENTER);
        top += about::kScrollLineHeight;
    }
    // The rows below the last offset repeat the top, so the wrap to offset 0 is seamless.
    const int repeatFrom = about::kLastScrollOffset + 1;
    ::BitBlt(dc.get(), 0, repeatFrom, about::kScrollPictureWidth,
             about::kScrollPictureHeight - repeatFrom, dc.get(), 0, 0, SRCCOPY);
    return picture;
}

void ShowAboutDialog(HWND owner, forms::FormsRuntime& forms, win32::Shell32& shell) {
    winsvc::clShellExecute launcher(shell, forms);
    about::frmInfo form(forms, launcher);
    AboutState state(form);
    ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), owner, AboutProc,
                      reinterpret_cast<LPARAM>(&state));
    if (state.failure) {
        std::rethrow_exception(state.failure);
    }
}

} // namespace veltrano::win32ui
