#include "platform/qt/frmLoginDialog.h"

#include "platform/qt/ArrowWhileShown.h"

#include "platform/qt/QtText.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltrano::qt {

namespace {

// Room for a typical user name without scrolling, in average characters.
constexpr int kTextBoxChars = 28;

template <class Control, class... Args> Control* Named(const char* name, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)...);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace

frmLogin::frmLogin(QWidget* parent)
    : QDialog(parent),
      frUserdaten(Named<QGroupBox>("frUserdaten", QStringLiteral("User data"), this)),
      lbName(Named<QLabel>("lbName", QStringLiteral("&Name"), frUserdaten)),
      txbUsername(Named<QLineEdit>("txbUsername", frUserdaten)),
      lbPassord(Named<QLabel>("lbPassord", QStringLiteral("&Password"), frUserdaten)),
      txbUserpassword(Named<QLineEdit>("txbUserpassword", frUserdaten)),
      cmdAbbort(Named<QPushButton>("cmdAbbort", QStringLiteral("A&bbort"), this)),
      cmdOK(Named<QPushButton>("cmdOK", QStringLiteral("&OK"), this)) {
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("ACT! login"));
    LayOut();

    lbName->setBuddy(txbUsername);
    lbPassord->setBuddy(txbUserpassword);
    QWidget::setTabOrder(txbUsername, txbUserpassword);
    QWidget::setTabOrder(txbUserpassword, cmdOK);
    QWidget::setTabOrder(cmdOK, cmdAbbort);
    txbUsername->setFocus(Qt::OtherFocusReason);

    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmLogin::accept);
    connect(cmdAbbort, &QPushButton::clicked, this, &frmLogin::reject);
}

void frmLogin::LayOut() {
    const int boxWidth = txbUsername->fontMetrics().averageCharWidth() * kTextBoxChars;
    txbUsername->setMinimumWidth(boxWidth);
    txbUserpassword->setMinimumWidth(boxWidth);

    auto* fields = new QGridLayout(frUserdaten);
    fields->addWidget(lbName, 0, 0);
    fields->addWidget(txbUsername, 0, 1);
    fields->addWidget(lbPassord, 1, 0);
    fields->addWidget(txbUserpassword, 1, 1);
    fields->setColumnStretch(1, 1);

    // Both buttons take the size of the larger one.
    const QSize buttonSize = cmdAbbort->sizeHint().expandedTo(cmdOK->sizeHint());
    cmdAbbort->setFixedSize(buttonSize);
    cmdOK->setFixedSize(buttonSize);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdAbbort);
    buttons->addWidget(cmdOK);

    auto* form = new QVBoxLayout(this);
    form->addWidget(frUserdaten);
    form->addLayout(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);
}

void frmLogin::accept() {
    tag_ = QStringLiteral("ok");
    QDialog::accept();
}

void frmLogin::reject() {
    tag_.clear();
    QDialog::reject();
}

void ShowFrmLogin(QWidget* parent, forms::LoginFormState& state) {
    frmLogin form(parent);
    form.txbUsername->setText(FromCore(state.Username));
    form.txbUserpassword->setText(FromCore(state.Userpassword));
    form.SetTag(FromCore(state.Tag));
    {
        const ArrowWhileShown arrow;
        form.exec();
    }
    state.Username = ToCore(form.txbUsername->text());
    state.Userpassword = ToCore(form.txbUserpassword->text());
    state.Tag = ToCore(form.Tag());
}

} // namespace veltrano::qt
