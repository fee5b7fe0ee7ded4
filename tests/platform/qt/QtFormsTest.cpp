#include "platform/qt/QtForms.h"
#include "ModalHelper.h"
#include "platform/forms/MemorySettingsStore.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

using namespace veltrano;

class QtFormsTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxShowsIconTitleAndLines() {
        qt::QtForms forms(settings);
        struct Seen {
            QMessageBox::Icon icon;
            QString title;
            QString text;
        };
        QList<Seen> seen;
        const auto look = [&] {
            WhenModal([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QVERIFY(box != nullptr);
                seen.append({box->icon(), box->windowTitle(), box->text()});
                QCOMPARE(box->buttons().size(), 1);
                box->button(QMessageBox::Ok)->click();
            });
        };
        look();
        QCOMPARE(forms.MsgBox("Fehlernummer: 5\r\nFehlerbeschreibung: x", forms::vbExclamation),
                 forms::vbOK);
        look();
        forms.MsgBox("Done", forms::vbInformation, "Search");
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0].icon, QMessageBox::Warning);
        QCOMPARE(seen[0].title, QStringLiteral("Veltrano"));
        QCOMPARE(seen[0].text, QStringLiteral("Fehlernummer: 5\nFehlerbeschreibung: x"));
        QCOMPARE(seen[1].icon, QMessageBox::Information);
        QCOMPARE(seen[1].title, QStringLiteral("Search"));
    }

    void inputBoxAnswersTextOrEmptyOnCancel() {
        qt::QtForms forms(settings);
        WhenModal([](QWidget* modal) {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->textValue(), QStringLiteral("old"));
            dialog->setTextValue(QStringLiteral("new text"));
            dialog->accept();
        });
        QCOMPARE(forms.InputBox("Search for:", "", "old"), std::string("new text"));
        WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        QCOMPARE(forms.InputBox("Search for:", "", "old"), std::string());
    }

    void hourglassIsOneOverrideUntilDefault() {
        {
            qt::QtForms forms(settings);
            forms.SetMousePointer(forms::vbHourglass);
            forms.SetMousePointer(forms::vbHourglass);
            QVERIFY(QApplication::overrideCursor() != nullptr);
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            QCOMPARE(forms.MousePointer(), forms::vbHourglass);
            forms.SetMousePointer(forms::vbDefault);
            QCOMPARE(QApplication::overrideCursor(), nullptr);
            forms.SetMousePointer(forms::vbHourglass);
        } // a runtime that goes away gives the pointer back
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void settingsClipboardFocusAndVersion() {
        qt::QtForms forms(settings);
        forms.SaveSetting("Veltrano", "options", "username", " Chris ");
        QCOMPARE(forms.GetSetting("Veltrano", "options", "username"), std::string(" Chris "));
        QCOMPARE(forms.GetSetting("Veltrano", "options", "missing", "dflt"), std::string("dflt"));

        forms.ClipboardClear();
        forms.ClipboardSetText("Name\tID\r\n");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Name\tID\r\n"));

        QWidget window;
        auto* list = new QLineEdit(&window);
        list->setObjectName(QStringLiteral("lvACT"));
        new QLineEdit(&window);
        forms.SetMainWindow(&window);
        forms.SetFocus("lvACT");
        QCOMPARE(window.focusWidget(), list);
        forms.SetFocus("noSuchControl"); // ignored

        QCOMPARE(forms.Version().Major, forms::BuildVersion().Major);
    }

    void loginAndAboutRunTheirHooks() {
        qt::QtForms forms(settings);
        forms::LoginFormState state{"user", "pw", "ok"};
        forms.ShowLoginModal(state);
        QCOMPARE(state.Tag, std::string()); // no login view: cancelled
        QWidget window;
        forms.SetMainWindow(&window);
        QWidget* parentSeen = nullptr;
        forms.ShowLogin = [&](QWidget* parent, forms::LoginFormState& s) {
            parentSeen = parent;
            s.Tag = "ok";
        };
        forms.ShowLoginModal(state);
        QCOMPARE(state.Tag, std::string("ok"));
        QCOMPARE(parentSeen, &window);
        int abouts = 0;
        forms.ShowAboutModal(); // no view yet: nothing
        forms.ShowAbout = [&](QWidget*) { ++abouts; };
        forms.ShowAboutModal();
        QCOMPARE(abouts, 1);
    }

    void fileDialogTakesTheRequestAndReturnsPaths() {
        QCOMPARE(qt::NameFilter("ACT! database (*.dbf)", "*.dbf"),
                 QStringLiteral("ACT! database (*.dbf)"));
        QCOMPARE(qt::NameFilter("Text", "*.txt;*.log"), QStringLiteral("Text (*.txt *.log)"));

        QTemporaryDir folder;
        for (const char* name : {"a.dbf", "b.dbf"}) {
            std::ofstream(folder.filePath(QString::fromLatin1(name)).toStdString()) << "x";
        }
        qt::QtForms forms(settings);
        forms::FileDialogRequest request;
        request.title = "Open ACT! database";
        request.initialDir = folder.path().toStdString();
        request.filters = {{"All files (*.*)", "*.*"}, {"ACT! database (*.dbf)", "*.dbf"}};
        request.filterIndex = 2;
        request.fileMustExist = true;

        WhenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Open ACT! database"));
            QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("ACT! database (*.dbf)"));
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
            QCOMPARE(dialog->directory().absolutePath(), QDir(folder.path()).absolutePath());
            dialog->reject();
        });
        QVERIFY(!forms.ShowFileDialog(request).has_value());

        request.multiSelect = true;
        WhenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFiles);
            dialog->selectFile(QStringLiteral("\"a.dbf\" \"b.dbf\""));
            static_cast<QDialog*>(dialog)->accept();
        });
        const auto answer = forms.ShowFileDialog(request);
        QVERIFY(answer.has_value());
        QCOMPARE(answer->size(), std::size_t(2));
        QVERIFY(QString::fromStdString(answer->at(0)).endsWith(QStringLiteral("a.dbf")));
        QVERIFY(QString::fromStdString(answer->at(1)).endsWith(QStringLiteral("b.dbf")));
    }

private:
    forms::MemorySettingsStore settings;
};

QTEST_MAIN(QtFormsTest)
#include "QtFormsTest.moc"
