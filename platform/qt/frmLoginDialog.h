#pragma once

#include "platform/forms/FormsRuntime.h"

#include <QDialog>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace veltrano::qt {

// The ACT! login form: user name and password in a frame, Abbort and OK below it. Its result is
// the Tag: "ok" after OK; "" after Abbort, Escape or closing by the window frame.
class frmLogin final : public QDialog {
    Q_OBJECT

public:
    explicit frmLogin(QWidget* parent = nullptr);

    const QString& Tag() const noexcept { return tag_; }
    void SetTag(const QString& tag) { tag_ = tag; }

    // The controls, owned by the form.
    QGroupBox* const frUserdaten;
    QLabel* const lbName;
    QLineEdit* const txbUsername;
    QLabel* const lbPassord;
    QLineEdit* const txbUserpassword;
    QPushButton* const cmdAbbort;
    QPushButton* const cmdOK;

public slots:
    void accept() override;
    void reject() override;

private:
    void LayOut();

    QString tag_;
};

// Shows frmLogin modally with the state's texts and writes the texts and the Tag back.
// Meant for QtForms::ShowLogin.
void ShowFrmLogin(QWidget* parent, forms::LoginFormState& state);

} // namespace veltrano::qt
