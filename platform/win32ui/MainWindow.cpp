#include "platform/win32ui/MainWindow.h"

#include "app/ErrorReport.h"
#include "platform/win32/windows/WideText.h"
#include "platform/win32ui/Dpi.h"
#include "platform/win32ui/Layout.h"
#include "platform/win32ui/Pictures.h"
#include "platform/win32ui/Resources.h"
#include "scan/SurveyDatabase.h"

#include <utility>

namespace veltrano::win32ui {

namespace {

// A column header added without a width is one inch wide, as in the list control.
constexpr int kDefaultColumnTwips = 1440;
// Room beside the text of the status bar's "Changes" panel.
constexpr int kPanelPadding = 16;

void RegisterWindowClass(WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (::GetClassInfoExW(instance, kMainWindowClass, &existing)) {
        return;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kMainWindowClass;
    windowClass.hIcon = static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(IDI_VELTRANO), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    windowClass.hIconSm = static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(IDI_VELTRANO), IMAGE_ICON,
                     ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0));
    ::RegisterClassExW(&windowClass);
}

HWND Child(HWND parent, const wchar_t* windowClass, DWORD style, int id) {
    return ::CreateWindowExW(0, windowClass, nullptr, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
}

} // namespace

MainWindow::MainWindow(app::frmHaupt& form, Win32Forms& forms) : form_(form), forms_(forms) {
    RegisterWindowClass(&MainWindow::Proc);
    window_ = ::CreateWindowExW(0, kMainWindowClass, L"Veltrano", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr) {
        throw std::runtime_error("The main window cannot be created");
    }
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    buttons_ =
        std::make_unique<ButtonBar>(window_, IDC_MAIN_TOOLBAR, form_.Toolbar, form_.ilButtons);
    tree_ = std::make_unique<TreePane>(window_, IDC_MAIN_TREE, form_.tvACT, kNodeClickMessage);
    list_ = std::make_unique<ListPane>(window_, IDC_MAIN_LIST, form_.lvACT);
    status_ = Child(window_, STATUSCLASSNAMEW, SBARS_SIZEGRIP, IDC_MAIN_STATUS);
    // Disabling the focused control takes the focus away: it comes back once the window is
    // ready again.
    tree_->EnabledAboutToChange = [this](bool enabled) {
        if (!enabled) {
            focusBeforeBusy_ = FocusedControl();
        } else if (focusBeforeBusy_ != nullptr) {
            ::PostMessageW(window_, kRestoreFocusMessage, 0, 0);
        }
    };
    list_->ColumnClicked = [this](int column) { Forward([&] { form_.OnColumnClick(column); }); };
    list_->RowDoubleClicked = [this] { Forward([&] { form_.OnListDoubleClick(); }); };
    forms_.SetControl("tvACT", tree_->Handle());
    forms_.SetControl("lvACT", list_->Handle());
    form_.StatusBar.SetListener(this);

    form_.Load();
    ApplyDpi(WindowDpi(window_));

    // The design size of the client area.
    const Twips twips(dpi_);
    RECT frame{0, 0, twips.ToPixels(app::frmHaupt::kDesignClientWidth),
               twips.ToPixels(app::frmHaupt::kDesignClientHeight)};
    ::AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    ::SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Relayout();
}

MainWindow::~MainWindow() {
    form_.StatusBar.SetListener(nullptr);
    list_.reset();
    tree_.reset();
    buttons_.reset();
    if (::IsWindow(window_)) {
        ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        ::DestroyWindow(window_);
    }
}

void MainWindow::Show(int how) {
    ::ShowWindow(window_, how);
    ::UpdateWindow(window_);
    ::SetFocus(tree_->Handle());
}

void MainWindow::SurveyAtStart(std::string file) {
    startFile_ = std::move(file);
    ::PostMessageW(window_, kSurveyFileMessage, 0, 0);
}

int MainWindow::Run() {
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_SYSKEYDOWN && OnAccessKey(message)) {
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

HWND MainWindow::FocusedControl() const {
    HWND focused = ::GetFocus();
    return focused != nullptr && ::IsChild(window_, focused) ? focused : nullptr;
}

bool MainWindow::OnAccessKey(const MSG& message) {
    if (message.hwnd != window_ && !::IsChild(window_, message.hwnd)) {
        return false;
    }
    const auto character = static_cast<wchar_t>(
        ::MapVirtualKeyW(static_cast<UINT>(message.wParam), MAPVK_VK_TO_CHAR) & 0xFFFF);
    const auto key = character != 0 ? buttons_->KeyOfAccessKey(character) : std::nullopt;
    if (!key) {
        return false;
    }
    Forward([&] { form_.OnButtonClick(*key); });
    return true;
}

template <class Handler> void MainWindow::Forward(Handler&& handler) {
    try {
        handler();
    } catch (...) {
        app::ReportCurrentException(forms_);
    }
}

LRESULT CALLBACK MainWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

void MainWindow::ApplyDpi(int dpi) {
    dpi_ = dpi;
    const Twips twips(dpi);
    font_ = MessageFont(dpi);
    const int iconSize = IconSize(dpi);
    buttonImages_ = IconImages(form_.ilButtons, iconSize);
    nodeImages_ = IconImages(form_.ilTVIcons, iconSize);
    sortImages_ = SortImages(form_.ilSortierung, std::max(1, (dpi + 48) / 96));
    buttons_->SetImages(buttonImages_.get());
    ::SendMessageW(buttons_->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    tree_->SetImages(nodeImages_.get(), form_.ilTVIcons);
    ::SendMessageW(tree_->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    list_->SetMetrics(font_.get(), twips.ToPixels(kDefaultColumnTwips));
    list_->SetSortImages(sortImages_.get());
    ::SendMessageW(status_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

void MainWindow::PanelTextChanged(const std::string&, const std::string&) {
    ShowStatusPanels();
}

void MainWindow::ShowStatusPanels() {
    if (status_ == nullptr) {
        return;
    }
    const std::wstring status = win32::Widen(form_.StatusBar.Panels("Status").Text());
    const std::wstring changes = win32::Widen(form_.StatusBar.Panels("Changes").Text());
    RECT client{};
    ::GetClientRect(status_, &client);
    int parts[2] = {-1, -1};
    int count = 1;
    if (!changes.empty()) {
        HDC dc = ::GetDC(status_);
        SIZE size{};
        {
            const SelectedObject font(dc, font_.get());
            ::GetTextExtentPoint32W(dc, changes.c_str(), static_cast<int>(changes.size()), &size);
        }
        ::ReleaseDC(status_, dc);
        const int grip = ::GetSystemMetrics(SM_CXVSCROLL);
        parts[0] = std::max(0, static_cast<int>(client.right - size.cx) - kPanelPadding - grip);
        count = 2;
    }
    ::SendMessageW(status_, SB_SETPARTS, static_cast<WPARAM>(count),
                   reinterpret_cast<LPARAM>(parts));
    ::SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(status.c_str()));
    if (count == 2) {
        ::SendMessageW(status_, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(changes.c_str()));
    }
}

void MainWindow::LayOutBars() {
    ::SendMessageW(buttons_->Handle(), TB_AUTOSIZE, 0, 0);
    ::SendMessageW(status_, WM_SIZE, 0, 0);
    ShowStatusPanels();
}

void MainWindow::Relayout() {
    if (relayingOut_ || tree_ == nullptr) {
        return;
    }
    relayingOut_ = true;
    LayOutBars();
    RECT outer{};
    RECT client{};
    ::GetWindowRect(window_, &outer);
    ::GetClientRect(window_, &client);
    WindowGeometry geometry;
    geometry.outerWidth = outer.right - outer.left;
    geometry.outerHeight = outer.bottom - outer.top;
    geometry.clientWidth = client.right;
    geometry.clientHeight = client.bottom;
    geometry.state = ::IsIconic(window_)   ? app::WindowState::Minimized
                     : ::IsZoomed(window_) ? app::WindowState::Maximized
                                           : app::WindowState::Normal;
    LayoutResult result;
    Forward([&] { result = LayOut(form_, geometry, Twips(dpi_)); });
    relayingOut_ = false;
    if (result.resizeTo) {
        // The form asked for its minimum size: resized after this message, laid out then.
        ::PostMessageW(window_, kResizeMessage, static_cast<WPARAM>(result.resizeTo->first),
                       static_cast<LPARAM>(result.resizeTo->second));
        return;
    }
    if (geometry.state == app::WindowState::Minimized) {
        return;
    }
    const auto place = [](HWND control, const PixelRect& rect) {
        ::MoveWindow(control, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     TRUE);
    };
    place(tree_->Handle(), result.tree);
    place(list_->Handle(), result.list);
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
    LRESULT result = 0;
    if (header.hwndFrom == tree_->Handle()) {
        if (tree_->OnNotify(header, result)) {
            return result;
        }
    } else if (header.hwndFrom == list_->Handle() || header.hwndFrom == list_->Header()) {
        if (list_->OnNotify(header, result)) {
            return result;
        }
    }
    return ::DefWindowProcW(window_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == buttons_->Handle()) {
            if (const auto key = buttons_->KeyOfCommand(LOWORD(wParam))) {
                Forward([&] { form_.OnButtonClick(*key); });
            }
            return 0;
        }
        break;
    case WM_SETCURSOR:
        if (HCURSOR cursor = forms_.PointerCursor()) {
            ::SetCursor(cursor);
            return TRUE;
        }
        break;
    case WM_SIZE:
        Relayout();
        return 0;
    case WM_GETMINMAXINFO: {
        auto& info = *reinterpret_cast<MINMAXINFO*>(lParam);
        const int minimum = MinimumOuterPixels(Twips(dpi_));
        info.ptMinTrackSize = {minimum, minimum};
        return 0;
    }
    case WM_DPICHANGED: {
        ApplyDpi(HIWORD(wParam));
        const auto& suggested = *reinterpret_cast<const RECT*>(lParam);
        ::SetWindowPos(window_, nullptr, suggested.left, suggested.top,
                       suggested.right - suggested.left, suggested.bottom - suggested.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        Relayout();
        return 0;
    }
    case kResizeMessage:
        ::SetWindowPos(window_, nullptr, 0, 0, static_cast<int>(wParam), static_cast<int>(lParam),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    case kNodeClickMessage:
        if (tree_->TakeClick()) {
            Forward([&] { form_.OnNodeClick(); });
        }
        return 0;
    case kSurveyFileMessage:
        form_.RunCommand(
            [file = startFile_](app::frmHaupt& form) { scan::SurveyDatabase(form, file); });
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            lastFocus_ = FocusedControl();
        }
        break;
    case WM_SETFOCUS:
        ::SetFocus(lastFocus_ != nullptr && ::IsWindowEnabled(lastFocus_) ? lastFocus_
                                                                          : tree_->Handle());
        return 0;
    case kRestoreFocusMessage:
        if (focusBeforeBusy_ != nullptr && ::IsWindowEnabled(focusBeforeBusy_) &&
            ::GetActiveWindow() == window_) {
            ::SetFocus(focusBeforeBusy_);
        }
        focusBeforeBusy_ = nullptr;
        return 0;
    case WM_CLOSE: {
        // Closing waits until the command that runs has ended: it still uses the window.
        if (!form_.Toolbar.Enabled()) {
            return 0;
        }
        bool close = true;
        Forward([&] { close = form_.QueryUnload(); });
        if (close) {
            ::DestroyWindow(window_);
        }
        return 0;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(window_, message, wParam, lParam);
}

} // namespace veltrano::win32ui
