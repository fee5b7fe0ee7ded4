// veltrano.exe: the window on Windows. "veltrano FILE" surveys FILE at once, as if it had been
// chosen in the file dialog.

#include "platform/actole/com/ComApartment.h"
#include "platform/forms/windows/RegistrySettingsStore.h"
#include "platform/win32/CommandLine.h"
#include "platform/win32/windows/WideText.h"
#include "platform/win32/windows/WindowsComDlg32.h"
#include "platform/win32/windows/WindowsShell32.h"
#include "platform/win32/windows/WindowsUser32.h"
#include "platform/win32ui/ActObjects.h"
#include "platform/win32ui/Dpi.h"
#include "platform/win32ui/MainWindow.h"
#include "platform/win32ui/Win32Forms.h"
#include "wiring/MainForm.h"

#include <windows.h>

#include <commctrl.h>

#include <exception>

namespace {

using namespace veltrano;

int Run(int argc, char* argv[]) {
    win32ui::BecomeDpiAware();
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    // The window's thread is the single-threaded apartment ACT!'s objects live in.
    const ole::com::ComApartment apartment;

    forms::RegistrySettingsStore settings;
    win32::WindowsShell32 shell32;
    win32::WindowsUser32 user32;
    win32::WindowsComDlg32 comdlg32;
    win32ui::Win32Forms forms(settings, shell32);
    const auto objects = win32ui::ActObjects();

    app::frmHaupt form = wiring::MainForm({forms, *objects, user32, comdlg32, shell32});
    win32ui::MainWindow window(form, forms);
    forms.SetMainWindow(window.Handle());
    window.Show(SW_SHOWDEFAULT);
    const std::vector<std::string> arguments = win32::ProgramArguments(argc, argv);
    if (!arguments.empty() && !arguments.front().empty()) {
        window.SurveyAtStart(arguments.front());
    }
    return window.Run();
}

} // namespace

int main(int argc, char* argv[]) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        // Only start-up can get here; handlers report their own failures.
        ::MessageBoxW(nullptr, win32::Widen(std::string("veltrano: ") + error.what()).c_str(),
                      L"Veltrano", MB_OK | MB_ICONERROR);
        return 1;
    }
}
