#pragma once

// frmInfo drawn with Qt: the background picture, the scroll window over the text picture, the
// version, notice and link labels. Events go to the form; the dialog follows its state.

#include "about/frmInfo.h"
#include "platform/forms/FormsRuntime.h"
#include "platform/win32/Shell32.h"

#include <QDialog>
#include <QPixmap>

#include <exception>

class QLabel;
class QTimer;

namespace veltrano::qt {

class frmInfoDialog final : public QDialog {
    Q_OBJECT

public:
    // Runs the form's Load; the scroll timer runs while the dialog is shown.
    explicit frmInfoDialog(about::frmInfo& form, QWidget* parent = nullptr);

    about::frmInfo& Form() noexcept { return form_; }
    QTimer& Timer1() noexcept { return *timer_; }
    const QPixmap& ScrollPicture() const noexcept { return scrollPicture_; }
    // One scroll step, repainted at once.
    void Timer1_Timer();
    // A failure that escaped a handler of the form closed the dialog; the caller gets it here.
    void RethrowFailure() const;

    void done(int result) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* MakeLabel(const char* name, QRect geometry);
    // Runs a handler of the form, then shows its state: underline, pointer, closing.
    template <class Handler> void Forward(Handler&& handler);
    void FollowForm();

    about::frmInfo& form_;
    QPixmap background_;
    QPixmap scrollPicture_;
    QWidget* picScrollText_;
    QLabel* lbVersion_;
    QLabel* lbCopyright_;
    QLabel* lbMS_;
    QTimer* timer_;
    std::exception_ptr failure_;
    bool closed_ = false;
};

// The 320 x 182 background and the 140 x 420 scroll picture.
QPixmap InfoBackgroundPicture();
QPixmap ScrollTextPicture();

// Shows the about box modally and returns when it is closed; a fresh box each time.
void ShowFrmInfo(QWidget* parent, forms::FormsRuntime& forms, win32::Shell32& shell);

} // namespace veltrano::qt
