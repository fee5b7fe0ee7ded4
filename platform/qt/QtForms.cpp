#include "platform/qt/QtForms.h"

#include "platform/qt/ArrowWhileShown.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace veltrano::qt {

namespace {

QString TitleOr(std::string_view title) {
    return title.empty() ? FromCore(forms::kAppTitle) : FromCore(title);
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0x70) {
    case 16: // vbCritical
        return QMessageBox::Critical;
    case 32: // vbQuestion
        return QMessageBox::Question;
    case forms::vbExclamation:
        return QMessageBox::Warning;
    case forms::vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

Qt::CursorShape CursorOf(int pointer) {
    switch (pointer) {
    case forms::vbHourglass:
        return Qt::WaitCursor;
    case forms::vbUpArrow:
        return Qt::UpArrowCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

QString DialogText(std::string_view text) {
    QString result = FromCore(text);
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return result;
}

QString NameFilter(const std::string& description, const std::string& pattern) {
    const QString patterns = FromCore(pattern).replace(QLatin1Char(';'), QLatin1Char(' '));
    const QString text = FromCore(description);
    // "ACT! database (*.dbf)" already names its pattern as QFileDialog expects it.
    if (text.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')'))) {
        return text;
    }
    return text + QLatin1String(" (") + patterns + QLatin1Char(')');
}

QtForms::QtForms(forms::SettingsStore& settings) : settings_(settings) {}

QtForms::~QtForms() {
    if (cursorOverridden_) {
        QApplication::restoreOverrideCursor();
    }
}

int QtForms::MsgBox(std::string_view text, int style, std::string_view title) {
    const ArrowWhileShown arrow;
    if ((style & 7) == forms::vbYesNo) {
        QMessageBox box(IconOf(style), TitleOr(title), DialogText(text),
                        QMessageBox::Yes | QMessageBox::No, window_);
        box.setDefaultButton((style & forms::vbDefaultButton2) != 0 ? QMessageBox::No
                                                                    : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? forms::vbYes : forms::vbNo;
    }
    QMessageBox box(IconOf(style), TitleOr(title), DialogText(text), QMessageBox::Ok, window_);
    box.exec();
    return forms::vbOK;
}

std::string QtForms::InputBox(std::string_view prompt, std::string_view title,
                              std::string_view defaultText) {
    const ArrowWhileShown arrow;
    bool confirmed = false;
    const QString answer =
        QInputDialog::getText(window_, TitleOr(title), DialogText(prompt), QLineEdit::Normal,
                              FromCore(defaultText), &confirmed);
    return confirmed ? ToCore(answer) : std::string();
}

void QtForms::DoEvents() {
    QCoreApplication::processEvents();
}

void QtForms::ClipboardClear() {
    QGuiApplication::clipboard()->clear();
}

void QtForms::ClipboardSetText(std::string_view text) {
    QGuiApplication::clipboard()->setText(FromCore(text));
}

std::string QtForms::GetSetting(std::string_view app, std::string_view section,
                                std::string_view key, std::string_view defaultValue) {
    return settings_.Get(app, section, key, defaultValue);
}

void QtForms::SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                          std::string_view value) {
    settings_.Save(app, section, key, value);
}

forms::AppVersion QtForms::Version() const {
    return forms::BuildVersion();
}

void QtForms::SetMousePointer(int pointer) {
    pointer_ = pointer;
    if (pointer == forms::vbDefault) {
        if (cursorOverridden_) {
            QApplication::restoreOverrideCursor();
            cursorOverridden_ = false;
        }
        return;
    }
    if (cursorOverridden_) {
        QApplication::changeOverrideCursor(CursorOf(pointer));
    } else {
        QApplication::setOverrideCursor(CursorOf(pointer));
        cursorOverridden_ = true;
    }
}

void QtForms::SetFocus(std::string_view control) {
    if (window_ == nullptr) {
        return;
    }
    if (auto* widget = window_->findChild<QWidget*>(FromCore(control))) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void QtForms::ShowLoginModal(forms::LoginFormState& state) {
    if (ShowLogin) {
        ShowLogin(window_, state);
        return;
    }
    state.Tag.clear(); // no login form: the same as a cancelled one
}

void QtForms::ShowAboutModal() {
    if (ShowAbout) {
        ShowAbout(window_);
    }
}

forms::FileDialogAnswer QtForms::ShowFileDialog(const forms::FileDialogRequest& request) {
    const ArrowWhileShown arrow;
    QFileDialog dialog(window_, FromCore(request.title), FromCore(request.initialDir));
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    if (!request.open) {
        dialog.setFileMode(QFileDialog::AnyFile);
    } else if (request.multiSelect) {
        dialog.setFileMode(QFileDialog::ExistingFiles);
    } else {
        dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile
                                                 : QFileDialog::AnyFile);
    }
    QStringList filters;
    for (const auto& [description, pattern] : request.filters) {
        filters << NameFilter(description, pattern);
    }
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        // FilterIndex counts from 1; 0 means the first.
        const int index = request.filterIndex >= 1 && request.filterIndex <= filters.size()
                              ? request.filterIndex - 1
                              : 0;
        dialog.selectNameFilter(filters[index]);
    }
    if (!request.defaultExt.empty()) {
        QString suffix = FromCore(request.defaultExt);
        if (suffix.startsWith(QLatin1Char('.'))) {
            suffix.remove(0, 1);
        }
        dialog.setDefaultSuffix(suffix);
    }
    if (!request.initialName.empty()) {
        dialog.selectFile(FromCore(request.initialName));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    std::vector<std::string> paths;
    for (const QString& path : dialog.selectedFiles()) {
        paths.push_back(ToCore(path));
    }
    return paths;
}

} // namespace veltrano::qt
