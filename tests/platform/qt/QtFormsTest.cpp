#include "platform/qt/QtForms.h"
#include "ModalHelper.h"
#include "platform/forms/MemorySettingsStore.h"

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
    void messageAndInputBoxes() {
        QStringList seen;
        const auto look = [&] {
            WhenModal([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QVERIFY(box != nullptr);
                QCOMPARE(box->buttons().size(), 1);
                seen << QString::number(box->icon()) << box->windowTitle() << box->text();
                box->button(QMessageBox::Ok)->click();
            });
        };
        look();
        QCOMPARE(forms.MsgBox("Fehlernummer: 5\r\nFehlerbeschreibung: x", forms::vbExclamation),
                 forms::vbOK);
        look();
        forms.MsgBox("Done", forms::vbInformation, "Search");
        QCOMPARE(seen, (QStringList{QString::number(QMessageBox::Warning), "Veltrano",
                                    "Fehlernummer: 5\nFehlerbeschreibung: x",
                                    QString::number(QMessageBox::Information), "Search", "Done"}));

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
            qt::QtForms local(settings);
            local.SetMousePointer(forms::vbHourglass);
            local.SetMousePointer(forms::vbHourglass);
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            local.SetMousePointer(forms::vbDefault);
            QCOMPARE(QApplication::overrideCursor(), nullptr);
            local.SetMousePointer(forms::vbHourglass);
        } // a runtime that goes away gives the pointer back
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // The clipboard: MainWindowTest's copy keys.
    void focusAndMissingViews() {
        QWidget window;
        auto* list = new QLineEdit(&window);
        list->setObjectName(QStringLiteral("lvACT"));
        new QLineEdit(&window);
        forms.SetMainWindow(&window);
        forms.SetFocus("lvACT");
        QCOMPARE(window.focusWidget(), list);
        forms.SetFocus("noSuchControl"); // ignored

        forms::LoginFormState state{"user", "pw", "ok"};
        forms.ShowLoginModal(state);
        QCOMPARE(state.Tag, std::string()); // no login view: cancelled
        forms.ShowAboutModal();             // no about view: nothing
        forms.SetMainWindow(nullptr);
    }

    void fileDialogTakesTheRequestAndReturnsPaths() {
        QCOMPARE(qt::NameFilter("Text", "*.txt;*.log"), QStringLiteral("Text (*.txt *.log)"));
        QTemporaryDir folder;
        std::ofstream(folder.filePath(QStringLiteral("b.dbf")).toStdString()) << "x";
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

        WhenModal([&](QWidget* modal) {
            // selectFile leaves the name box alone once it has the focus.
            auto* name = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name != nullptr);
            name->setText(QStringLiteral("b.dbf"));
            static_cast<QDialog*>(modal)->accept();
        });
        const auto answer = forms.ShowFileDialog(request);
        QVERIFY(answer.has_value() && answer->size() == 1);
        QVERIFY(QString::fromStdString(answer->at(0)).endsWith(QStringLiteral("/b.dbf")));
    }

private:
    forms::MemorySettingsStore settings;
    qt::QtForms forms{settings};
};

QTEST_MAIN(QtFormsTest)
#include "QtFormsTest.moc"
