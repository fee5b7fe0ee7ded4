#pragma once

// frmHaupt as a native window: toolbar, structure tree, detail list and status bar of the
// common controls. The window keeps no program state of its own; it forwards the user's
// actions to frmHaupt's handlers and follows the models. Geometry is frmHaupt's, in twips at
// the window's DPI.

#include "app/frmHaupt.h"
#include "platform/controls/StatusBar.h"
#include "platform/win32ui/ButtonBar.h"
#include "platform/win32ui/Handles.h"
#include "platform/win32ui/ListPane.h"
#include "platform/win32ui/TreePane.h"
#include "platform/win32ui/Win32Forms.h"

#include <windows.h>

#include <memory>
#include <string>

namespace veltrano::win32ui {

inline constexpr wchar_t kMainWindowClass[] = L"VeltranoMain";

class MainWindow final : private controls::StatusBar::Listener {
public:
    static constexpr UINT kNodeClickMessage = WM_APP + 1;
    static constexpr UINT kSurveyFileMessage = WM_APP + 2;
    static constexpr UINT kResizeMessage = WM_APP + 3;
    static constexpr UINT kRestoreFocusMessage = WM_APP + 4;

    // Creates the window (hidden) and its controls, attaches them to the form's models, then
    // runs the form's Load.
    MainWindow(app::frmHaupt& form, Win32Forms& forms);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND Handle() const noexcept { return window_; }
    TreePane& Tree() noexcept { return *tree_; }
    ListPane& List() noexcept { return *list_; }
    void Show(int how);
    // Surveys the file once the message loop runs, as if it had been chosen in the dialog.
    void SurveyAtStart(std::string file);
    // The message loop, until the window is closed; the quit code.
    int Run();

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(const NMHDR& header);
    // Alt + the access key of a toolbar button, wherever the focus is in the window: true when
    // the key pressed a button.
    bool OnAccessKey(const MSG& message);
    void PanelTextChanged(const std::string& key, const std::string& text) override;

    // Fonts, pictures and sizes for the window's DPI.
    void ApplyDpi(int dpi);
    void LayOutBars();
    // Hands the window's size and state to frmHaupt, runs its OnResize and applies the result.
    void Relayout();
    void ShowStatusPanels();
    // The focused control if it is one of the window's.
    HWND FocusedControl() const;
    // Runs a handler of the form; a failure that escapes it is reported, never thrown into
    // the window procedure.
    template <class Handler> void Forward(Handler&& handler);

    app::frmHaupt& form_;
    Win32Forms& forms_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    std::unique_ptr<ButtonBar> buttons_;
    std::unique_ptr<TreePane> tree_;
    std::unique_ptr<ListPane> list_;
    HWND status_ = nullptr;
    UniqueFont font_;
    UniqueImageList buttonImages_;
    UniqueImageList nodeImages_;
    UniqueImageList sortImages_;
    std::string startFile_;
    // The control that had the focus before the window became busy, or before it was left.
    HWND focusBeforeBusy_ = nullptr;
    HWND lastFocus_ = nullptr;
    bool relayingOut_ = false;
};

} // namespace veltrano::win32ui
