#include "app/frmHaupt.h"
#include "platform/actole/AutomationError.h"
#include "platform/forms/IniSettingsStore.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtForms.h"

#include <QApplication>

namespace {

using namespace veltrano;

// TODO(platform wiring): stand-ins until the Linux services land; replace each by the real one.
class NoObjects final : public ole::ObjectFactory {
public:
    ole::DispatchPtr CreateDatabase() override { throw Unavailable(); }
    ole::DispatchPtr CreateObject(std::string_view) override { throw Unavailable(); }

private:
    static ole::AutomationError Unavailable() {
        return ole::AutomationError(ole::errors::kCannotCreateObject,
                                    "ActiveX component can't create object");
    }
};
class NoWindows final : public win32::User32 {
public:
    void EnumWindows(const std::function<bool(win32::HWND)>&) override {}
    bool IsWindowVisible(win32::HWND) override { return false; }
    bool IsWindow(win32::HWND) override { return false; }
    int GetClassNameA(win32::HWND, char* buffer, int size) override { return Empty(buffer, size); }
    int GetWindowTextLengthA(win32::HWND) override { return 0; }
    int GetWindowTextA(win32::HWND, char* buffer, int size) override { return Empty(buffer, size); }

private:
    static int Empty(char* buffer, int size) {
        if (size > 0) {
            buffer[0] = '\0';
        }
        return 0;
    }
};
class NoDialogs final : public win32::ComDlg32 {
public:
    std::int32_t GetOpenFileNameA(win32::OPENFILENAME&) override { return 0; }
    std::int32_t GetSaveFileNameA(win32::OPENFILENAME&) override { return 0; }
};
class NoShell final : public win32::Shell32 {
public:
    std::int32_t ShellExecuteA(std::int32_t, const std::optional<std::string>&, const std::string&,
                               const std::optional<std::string>&, const std::optional<std::string>&,
                               int) override {
        return win32::SE_ERR_NOASSOC;
    }
    bool ShellExecuteExA(win32::SHELLEXECUTEINFO& info) override {
        info.hInstApp = win32::SE_ERR_NOASSOC;
        return false;
    }
    bool GetExitCodeProcess(std::int32_t, std::uint32_t&) override { return false; }
    bool CloseHandle(std::int32_t) override { return false; }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrano"));

    forms::IniSettingsStore settings(forms::IniSettingsStore::DefaultPath(forms::kAppTitle));
    qt::QtForms forms(settings);
    NoObjects objects;  // TODO(platform wiring): the stand-in ACT! engine's object factory
    NoWindows user32;   // TODO(platform wiring): win32::RegisteredWindows
    NoDialogs comdlg32; // TODO(platform wiring): the Linux comdlg32 over forms.ShowFileDialog
    NoShell shell32;    // TODO(platform wiring): the Linux shell32
    app::frmHaupt form({forms, objects, user32, comdlg32, shell32},
                       app::Commands{}); // TODO(platform wiring): the commands of the subsystems

    qt::MainWindow window(form);
    forms.SetMainWindow(&window);
    window.show();
    return QApplication::exec();
}
