#include "platform/qt/frmInfoDialog.h"
#include "platform/qt/ModalHelper.h"
#include "support/RecordingShell32.h"
#include "support/ScriptedForms.h"

#include <QLabel>
#include <QMouseEvent>
#include <QtTest>

#include <memory>

using namespace veltrano;

namespace {

void MoveOnto(QWidget* widget) {
    const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QImage Rgb(const QPixmap& pixmap, int top = 0, int height = 0) {
    return (height > 0 ? pixmap.copy(0, top, pixmap.width(), height) : pixmap)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

class frmInfoDialogTest : public QObject {
    Q_OBJECT

    testsupport::ScriptedForms forms;
    testsupport::RecordingShell32 shell;
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
        QCOMPARE(Label("lbVersion")->text(), QString("Version 3.4.0.56"));
        QCOMPARE(Label("lbMS")->text(),
                 QString::fromStdString(about::LinkCaptionOf(VELTRANO_WEB_ADDRESS)));
        QCOMPARE(Label("lbMS")->toolTip(), QString("Besuchen Sie uns im Internet..."));
        QCOMPARE(Label("lbCopyright")->text(), QString::fromUtf8("© 2026 Veltrano"));
        for (const char* name : {"lbVersion", "lbCopyright", "lbMS"}) {
            QVERIFY2(Label(name)->sizeHint().width() <= Label(name)->width(), name); // not cut
        }
        QTRY_VERIFY_WITH_TIMEOUT(dialog->Form().ScrollOffset() >= 2, 2000); // the timer runs
    }

    // On the box as the program shows it: ShowFrmInfo returns once Escape closed it.
    void escapeClosesOtherKeysDoNot() {
        dialog->hide();
        bool stayed = false;
        bool ticking = true;
        WhenModal([&](QWidget* modal) {
            auto* box = qobject_cast<qt::frmInfoDialog*>(modal);
            QVERIFY(box != nullptr);
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_A, Qt::Key_Space, Qt::Key_F4}) {
                QTest::keyClick(box, key);
            }
            stayed = box->isVisible();
            QTest::keyClick(box, Qt::Key_Escape);
            ticking = box->Timer1().isActive();
        });
        qt::ShowFrmInfo(nullptr, forms, shell);
        QVERIFY(stayed);
        QVERIFY(!ticking);
    }

    void leftClickClosesTheBox_data() {
        QTest::addColumn<QString>("control");
        for (const char* name : {"", "lbVersion", "lbCopyright", "picScrollText", "lbMS"}) {
            QTest::newRow(*name ? name : "surface") << QString(name);
        }
    }
    // Only the link launches, its address: the call itself is frmInfoTest's.
    void leftClickClosesTheBox() {
        QFETCH(QString, control);
        QWidget* target = control.isEmpty() ? dialog.get() : Control(qPrintable(control));
        QTest::mouseClick(target, Qt::RightButton, {}, QPoint(4, 4));
        QVERIFY(dialog->isVisible());
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(shell.calls.size(), std::size_t(control == "lbMS" ? 1 : 0));
    }

    void hoverUnderlinesTheLinkAndSurfaceRestores() {
        QLabel* link = Label("lbMS");
        QVERIFY(!link->font().underline());
        MoveOnto(link);
        QVERIFY(link->font().underline());
        QCOMPARE(dialog->cursor().shape(), Qt::UpArrowCursor);
        MoveOnto(Control("picScrollText"));
        MoveOnto(Control("lbVersion"));
        QVERIFY(link->font().underline()); // only the surface takes the effects back
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
        const auto shown = [&] { return Rgb(Control("picScrollText")->grab()); };
        QCOMPARE(shown(), Rgb(picture, 0, 44));
        for (int tick = 0; tick < 375; ++tick) {
            dialog->Timer1_Timer();
        }
        QCOMPARE(dialog->Form().ScrollOffset(), 375);
        QCOMPARE(shown(), Rgb(picture, 375, 44));
        dialog->Timer1_Timer();
        QCOMPARE(dialog->Form().ScrollOffset(), 0);
        QCOMPARE(shown(), Rgb(picture, 0, 44));
        QVERIFY(Rgb(picture, 0, 44) != Rgb(picture, 100, 44));
    }
};

QTEST_MAIN(frmInfoDialogTest)
#include "frmInfoDialogTest.moc"
