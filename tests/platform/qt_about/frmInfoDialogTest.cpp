#include "platform/qt/frmInfoDialog.h"
#include "platform/forms/ScriptedForms.h"
#include "platform/qt/ModalHelper.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace veltrano;

namespace {

// Records the addresses handed to the shell.
class RecordingShell final : public win32::Shell32 {
public:
    struct Call {
        std::optional<std::string> verb;
        std::string file;
        int show = 0;
    };
    std::vector<Call> calls;

    std::int32_t ShellExecuteA(std::int32_t, const std::optional<std::string>& verb,
                               const std::string& file, const std::optional<std::string>&,
                               const std::optional<std::string>&, int show) override {
        calls.push_back({verb, file, show});
        return 42;
    }
    bool ShellExecuteExA(win32::SHELLEXECUTEINFO&) override { return false; }
    bool GetExitCodeProcess(std::int32_t, std::uint32_t&) override { return false; }
    bool CloseHandle(std::int32_t) override { return false; }
};

void MoveOnto(QWidget* widget) {
    const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QImage Rgb(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class frmInfoDialogTest : public QObject {
    Q_OBJECT

    forms::ScriptedForms forms;
    RecordingShell shell;
    std::unique_ptr<winsvc::clShellExecute> launcher;
    std::unique_ptr<about::frmInfo> form;
    std::unique_ptr<qt::frmInfoDialog> dialog;

    QWidget* Control(const char* name) { return dialog->findChild<QWidget*>(name); }
    QLabel* Label(const char* name) { return dialog->findChild<QLabel*>(name); }

private slots:
    void init() {
        forms.SetVersion({3, 4, 56});
        shell.calls.clear();
        launcher = std::make_unique<winsvc::clShellExecute>(shell, forms);
        form = std::make_unique<about::frmInfo>(forms, *launcher);
        dialog = std::make_unique<qt::frmInfoDialog>(*form);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    void cleanup() {
        dialog.reset();
        form.reset();
        launcher.reset();
    }

    void showsCaptionLayoutAndTexts() {
        QCOMPARE(dialog->windowTitle(), QString::fromUtf8("Informationen über das Programm"));
        QCOMPARE(dialog->size(), QSize(320, 182));
        QCOMPARE(Control("picScrollText")->geometry(), QRect(88, 76, 140, 44));
        QCOMPARE(Control("lbVersion")->geometry(), QRect(16, 127, 153, 16));
        QCOMPARE(Control("lbCopyright")->geometry(), QRect(224, 125, 81, 17));
        QCOMPARE(Control("lbMS")->geometry(), QRect(168, 152, 137, 17));
        QCOMPARE(Label("lbVersion")->text(), QString("Version 3.4.0.56"));
        QCOMPARE(Label("lbMS")->text(),
                 QString::fromStdString(about::LinkCaptionOf(VELTRANO_WEB_ADDRESS)));
        QCOMPARE(Label("lbMS")->toolTip(), QString("Besuchen Sie uns im Internet..."));
        QVERIFY(!Label("lbCopyright")->text().isEmpty());
        for (const char* name : {"lbVersion", "lbCopyright", "lbMS"}) {
            QVERIFY2(Label(name)->sizeHint().width() <= Label(name)->width(), name); // not cut
        }
        QCOMPARE(dialog->Timer1().interval(), 70);
        QVERIFY(dialog->Timer1().isActive());
    }

    void escapeClosesOtherKeysDoNot() {
        QTest::keyClick(dialog.get(), Qt::Key_Return);
        QTest::keyClick(dialog.get(), Qt::Key_A);
        QTest::keyClick(dialog.get(), Qt::Key_Space);
        QTest::keyClick(dialog.get(), Qt::Key_F4);
        QVERIFY(dialog->isVisible());
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!dialog->Timer1().isActive());
    }

    void clickClosesTheBox_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("surface") << QString();
        QTest::newRow("lbVersion") << QString("lbVersion");
        QTest::newRow("lbCopyright") << QString("lbCopyright");
        QTest::newRow("picScrollText") << QString("picScrollText");
    }
    void clickClosesTheBox() {
        QFETCH(QString, control);
        QWidget* target = control.isEmpty() ? dialog.get() : Control(qPrintable(control));
        QTest::mouseClick(target, Qt::RightButton, {}, QPoint(4, 4));
        QVERIFY(dialog->isVisible());
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(!dialog->isVisible());
        QVERIFY(shell.calls.empty());
    }

    void linkClickOpensTheAddressAndCloses() {
        QTest::mouseClick(Control("lbMS"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(shell.calls.size(), size_t{1});
        QVERIFY(!shell.calls[0].verb.has_value());
        QCOMPARE(shell.calls[0].file, std::string(VELTRANO_WEB_ADDRESS));
        QCOMPARE(shell.calls[0].show, 10);
    }

    void hoverUnderlinesTheLinkAndSurfaceRestores() {
        QLabel* link = Label("lbMS");
        QVERIFY(!link->font().underline());
        MoveOnto(link);
        QVERIFY(link->font().underline());
        QCOMPARE(dialog->cursor().shape(), Qt::UpArrowCursor);
        MoveOnto(Control("picScrollText"));
        MoveOnto(Control("lbVersion"));
        QVERIFY(link->font().underline());
        QCOMPARE(dialog->cursor().shape(), Qt::UpArrowCursor);
        MoveOnto(dialog.get());
        QVERIFY(!link->font().underline());
        QCOMPARE(dialog->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(dialog->isVisible());
    }

    void scrollWindowShowsThePictureFromTheOffset() {
        dialog->Timer1().stop();
        const QPixmap& picture = dialog->ScrollPicture();
        QCOMPARE(picture.size(), QSize(140, 420));
        QCOMPARE(Rgb(Control("picScrollText")->grab()), Rgb(picture.copy(0, 0, 140, 44)));
        for (int tick = 0; tick < 375; ++tick) {
            dialog->Timer1_Timer();
        }
        QCOMPARE(dialog->Form().ScrollOffset(), 375);
        QCOMPARE(Rgb(Control("picScrollText")->grab()), Rgb(picture.copy(0, 375, 140, 44)));
        dialog->Timer1_Timer();
        QCOMPARE(dialog->Form().ScrollOffset(), 0);
        QCOMPARE(Rgb(Control("picScrollText")->grab()), Rgb(picture.copy(0, 0, 140, 44)));
    }

    void pictureRepeatsItsTopBelowTheLastOffset() {
        const QPixmap& picture = dialog->ScrollPicture();
        QCOMPARE(Rgb(picture.copy(0, 376, 140, 44)), Rgb(picture.copy(0, 0, 140, 44)));
        QVERIFY(Rgb(picture.copy(0, 0, 140, 44)) != Rgb(picture.copy(0, 100, 140, 44)));
    }

    void noTextLineIsCutAtTheSides() {
        const QImage picture = Rgb(dialog->ScrollPicture());
        const QRgb background = picture.pixel(0, 0);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x : {0, 1, picture.width() - 2, picture.width() - 1}) {
                QVERIFY2(picture.pixel(x, y) == background,
                         qPrintable(QString("text at %1,%2").arg(x).arg(y)));
            }
        }
    }

    void timerScrolls() { QTRY_VERIFY_WITH_TIMEOUT(dialog->Form().ScrollOffset() >= 2, 2000); }

    void everyOpeningStartsAtTheTop() {
        dialog->hide();
        std::vector<int> offsetsAtOpening;
        for (int opening = 0; opening < 2; ++opening) {
            WhenModal([&](QWidget* modal) {
                auto* box = qobject_cast<qt::frmInfoDialog*>(modal);
                QVERIFY(box != nullptr);
                offsetsAtOpening.push_back(box->Form().ScrollOffset());
                for (int tick = 0; tick < 50; ++tick) {
                    box->Timer1_Timer();
                }
                QTest::keyClick(box, Qt::Key_Escape);
            });
            qt::ShowFrmInfo(nullptr, forms, shell);
        }
        QCOMPARE(offsetsAtOpening, (std::vector<int>{0, 0}));
    }
};

QTEST_MAIN(frmInfoDialogTest)
#include "frmInfoDialogTest.moc"
