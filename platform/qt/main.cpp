#include "app/frmHaupt.h"
#include "platform/actole/standin/application/LinuxObjectFactory.h"
#include "platform/forms/IniSettingsStore.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtForms.h"
#include "platform/qt/frmInfoDialog.h"
#include "platform/qt/frmLoginDialog.h"
#include "platform/win32/NoWindows.h"
#include "platform/win32/linux/LinuxComDlg32.h"
#include "platform/win32/linux/LinuxShell32.h"
#include "platform/win32/linux/RegisteredWindows.h"
#include "platform/win32/linux/RegistrationFolder.h"
#include "scan/SurveyDatabase.h"
#include "wiring/MainForm.h"

#include <QApplication>
#include <QIcon>
#include <QStringList>
#include <QTimer>

#include <iostream>
#include <memory>

namespace {

using namespace veltrano;

// The registration folder of running stand-in ACT! programs, checked before any window in it
// is believed. A folder that fails the checks is reported, and no window is found there.
std::filesystem::path TrustedRegistrationFolder(std::string& problem) {
    try {
        return win32::OpenRegistrationFolder();
    } catch (const win32::RegistrationError& error) {
        problem = error.what();
        return {};
    }
}

// The program's icon at every size the desktop draws it (built in from packaging/linux/icons).
QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/veltrano-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

int Run(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(
        QString::fromUtf8(forms::kAppTitle.data(), forms::kAppTitle.size()));
    // Every window and dialog shows the icon; the desktop entry's name ties the window to it.
    QApplication::setWindowIcon(ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("veltrano"));

    forms::IniSettingsStore settings(forms::IniSettingsStore::DefaultPath(forms::kAppTitle));
    qt::QtForms forms(settings);
    std::string folderProblem;
    const auto folder = TrustedRegistrationFolder(folderProblem);
    std::unique_ptr<win32::User32> user32;
    if (folderProblem.empty()) {
        user32 = std::make_unique<win32::RegisteredWindows>(folder);
    } else {
        user32 = std::make_unique<win32::NoWindows>();
    }
    ole::standin::LinuxObjectFactory objects;
    win32::LinuxComDlg32 comdlg32(forms);
    win32::LinuxShell32 shell32;
    forms.ShowLogin = qt::ShowFrmLogin;
    forms.ShowAbout = [&](QWidget* parent) { qt::ShowFrmInfo(parent, forms, shell32); };

    app::frmHaupt form = wiring::MainForm({forms, objects, *user32, comdlg32, shell32});
    const auto window = std::make_unique<qt::MainWindow>(form);
    forms.SetMainWindow(window.get());
    window->RestoreLayout();
    window->show();
    if (!folderProblem.empty()) {
        forms.MsgBox("A running ACT! cannot be found: " + folderProblem, forms::vbExclamation);
    }
    // "veltrano FILE" surveys FILE as if it had been chosen in the file dialog.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1 && !arguments.at(1).isEmpty()) {
        const std::string file = arguments.at(1).toStdString();
        QTimer::singleShot(0, window.get(), [&form, file] {
            form.RunCommand([&file](app::frmHaupt& f) { scan::SurveyDatabase(f, file); });
        });
    }
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        // Only start-up can get here (no settings folder, for instance); handlers report their own.
        std::cerr << "veltrano: " << error.what() << '\n';
        return 1;
    }
}
