#include "platform/qt/ModalHelper.h"
#include "platform/qt/frmLoginDialog.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace veltrano;
using qt::frmLogin;

namespace {

QRect InForm(const QWidget& form, const QWidget& control) {
    return QRect(control.mapTo(&form, QPoint(0, 0)), control.size());
}

} // namespace

class frmLoginTest : public QObject {
    Q_OBJECT

private slots:
    void captionsLayoutTabOrderAndAccessKeys() {
        frmLogin form;
        QCOMPARE(form.windowTitle(), QStringLiteral("ACT! login"));
        QCOMPARE(form.findChild<QGroupBox*>("frUserdaten")->title(), QStringLiteral("User data"));
        QCOMPARE(form.findChild<QLabel*>("lbName")->text(), QStringLiteral("&Name"));
        QCOMPARE(form.findChild<QLabel*>("lbPassord")->text(), QStringLiteral("&Password"));
        QCOMPARE(form.findChild<QPushButton*>("cmdAbbort")->text(), QStringLiteral("A&bbort"));
        QCOMPARE(form.findChild<QPushButton*>("cmdOK")->text(), QStringLiteral("&OK"));
        auto* user = form.findChild<QLineEdit*>("txbUsername");
        auto* password = form.findChild<QLineEdit*>("txbUserpassword");
        QVERIFY(user != nullptr && password != nullptr);
        QCOMPARE(password->echoMode(), QLineEdit::Normal); // the password shows its text

        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QVERIFY(form.rect().contains(InForm(form, *form.cmdAbbort)) &&
                form.rect().contains(InForm(form, *form.cmdOK)));
        QVERIFY(form.lbName->width() >= form.lbName->sizeHint().width());
        QVERIFY(form.lbPassord->width() >= form.lbPassord->sizeHint().width());
        QCOMPARE(QApplication::focusWidget(), form.txbUsername);
        const QWidgetList order{form.txbUserpassword, form.cmdOK, form.cmdAbbort, form.txbUsername};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(&form, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), form.txbUserpassword);
        QTest::keyClick(&form, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), form.txbUsername);
    }

    // OK sets the tag; every other way out clears an earlier one. The texts go back as typed.
    // The buttons' access keys are Qt's own from the captions checked above.
    void okSetsTheTagAndEveryOtherWayClearsIt() {
        const std::pair<std::function<void(frmLogin&)>, std::string> ways[] = {
            {[](frmLogin& form) { form.cmdOK->click(); }, "ok"},
            {[](frmLogin& form) { form.cmdAbbort->click(); }, ""},
            {[](frmLogin& form) { form.close(); }, ""}, // the window frame's close button
            {[](frmLogin& form) { QTest::keyClick(&form, Qt::Key_Escape); }, ""},
        };
        for (const auto& [way, tag] : ways) {
            forms::LoginFormState state{"old", "secret", "earlier"};
            WhenModal([&way](QWidget* modal) {
                auto* form = qobject_cast<frmLogin*>(modal);
                QVERIFY(form != nullptr);
                QCOMPARE(form->txbUsername->text(), QStringLiteral("old"));
                QCOMPARE(form->txbUserpassword->text(), QStringLiteral("secret"));
                form->txbUsername->setText(QStringLiteral("  Jürgen "));
                form->txbUserpassword->setText(QStringLiteral(" pw "));
                way(*form);
            });
            qt::ShowFrmLogin(nullptr, state);
            QCOMPARE(state.Tag, tag);
            QCOMPARE(state.Username, std::string("  J\xc3\xbcrgen "));
            QCOMPARE(state.Userpassword, std::string(" pw "));
        }
    }
};

QTEST_MAIN(frmLoginTest)
#include "frmLoginTest.moc"
