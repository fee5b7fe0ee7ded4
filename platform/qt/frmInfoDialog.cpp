#include "platform/qt/frmInfoDialog.h"

#include "platform/qt/QtText.h"
#include "platform/qt/Twips.h"
#include "winsvc/clShellExecute.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>
#include <QTimer>

namespace veltrano::qt {

namespace {

// The form's layout in twips at the 15 twips per pixel its pictures were made for.
const Twips kPictureScale(96, 96);

QRect TwipsRect(int left, int top, int width, int height) {
    return {kPictureScale.ToPixelsX(left), kPictureScale.ToPixelsY(top),
            kPictureScale.ToPixelsX(width), kPictureScale.ToPixelsY(height)};
}

const QColor kPanel(0x0c, 0x1a, 0x33);
const QColor kText(0xe8, 0xef, 0xf4);
const QColor kHeading(0x8f, 0xd3, 0xff);
const QColor kMuted(0xb4, 0xcb, 0xd8);
const QColor kLink(0x9c, 0xdc, 0xff);

QFont PixelFont(int pixels, bool bold = false, int stretch = QFont::Unstretched) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStretch(stretch);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// picScrollText: shows the rows of the scroll picture from the form's offset, unscaled.
class ScrollWindow final : public QWidget {
public:
    ScrollWindow(const about::frmInfo& form, const QPixmap& picture, QWidget* parent)
        : QWidget(parent), form_(form), picture_(picture) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawPixmap(
            QPoint(0, 0), picture_,
            QRect(0, form_.ScrollOffset(), about::kScrollWindowWidth, about::kScrollWindowHeight));
    }

private:
    const about::frmInfo& form_;
    const QPixmap& picture_;
};

} // namespace

QPixmap InfoBackgroundPicture() {
    QPixmap picture(about::kFormWidth, about::kFormHeight);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(picture.rect());

    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0.0, QColor(0x0f, 0x1f, 0x3d));
    sky.setColorAt(0.55, QColor(0x16, 0x3d, 0x5c));
    sky.setColorAt(1.0, QColor(0x1d, 0x6a, 0x72));
    p.fillRect(area, sky);

    // Two soft glows for depth.
    QRadialGradient glow(QPointF(282, 18), 120);
    glow.setColorAt(0.0, QColor(0x6f, 0xd0, 0xe0, 70));
    glow.setColorAt(1.0, QColor(0x6f, 0xd0, 0xe0, 0));
    p.fillRect(area, glow);
    QRadialGradient low(QPointF(20, 190), 140);
    low.setColorAt(0.0, QColor(0x3a, 0x7b, 0xd5, 45));
    low.setColorAt(1.0, QColor(0x3a, 0x7b, 0xd5, 0));
    p.fillRect(area, low);

    p.setPen(Qt::white);
    p.setFont(PixelFont(28, true));
    p.drawText(QRectF(0, 8, area.width(), 36), Qt::AlignHCenter | Qt::AlignVCenter, "Veltrano");
    p.setPen(kMuted);
    p.setFont(PixelFont(11));
    p.drawText(QRectF(0, 44, area.width(), 18), Qt::AlignHCenter | Qt::AlignVCenter,
               QString::fromUtf8("Struktur und Trigger für ACT!-Datenbanken"));

    // The frame around the scroll window.
    const QRectF window = TwipsRect(1320, 1140, 2100, 660);
    QPainterPath frame;
    frame.addRoundedRect(window.adjusted(-4.5, -4.5, 4.5, 4.5), 5, 5);
    p.fillPath(frame, kPanel);
    p.setPen(QPen(QColor(0x5f, 0xa8, 0xbd, 150), 1));
    p.drawPath(frame);

    p.setPen(QPen(QColor(0xff, 0xff, 0xff, 50), 1));
    p.drawLine(QPointF(16, 146.5), QPointF(area.width() - 16, 146.5));
    return picture;
}

QPixmap ScrollTextPicture() {
    QPixmap picture(about::kScrollPictureWidth, about::kScrollPictureHeight);
    picture.fill(kPanel);
    QPainter p(&picture);
    p.setRenderHint(QPainter::TextAntialiasing);
    int top = 0;
    for (const about::ScrollLine& line : about::ScrollTextLines()) {
        p.setPen(line.heading ? kHeading : kText);
        p.setFont(PixelFont(11, line.heading));
        p.drawText(QRect(0, top, about::kScrollPictureWidth, about::kScrollLineHeight),
                   Qt::AlignCenter, FromCore(line.text));
        top += about::kScrollLineHeight;
    }
    // The rows below the last offset repeat the top, so the wrap to offset 0 is seamless.
    const int repeatFrom = about::kLastScrollOffset + 1;
    const QPixmap head =
        picture.copy(0, 0, about::kScrollPictureWidth, about::kScrollPictureHeight - repeatFrom);
    p.drawPixmap(0, repeatFrom, head);
    return picture;
}

frmInfoDialog::frmInfoDialog(about::frmInfo& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      form_(form), background_(InfoBackgroundPicture()), scrollPicture_(ScrollTextPicture()) {
    form_.Load();
    setWindowTitle(FromCore(about::kCaption));
    setFixedSize(about::kFormWidth, about::kFormHeight);
    setMouseTracking(true);

    picScrollText_ = new ScrollWindow(form_, scrollPicture_, this);
    picScrollText_->setObjectName("picScrollText");
    picScrollText_->setGeometry(TwipsRect(1320, 1140, 2100, 660));
    picScrollText_->setMouseTracking(true);
    picScrollText_->installEventFilter(this);

    lbVersion_ = MakeLabel("lbVersion", TwipsRect(240, 1905, 2295, 240));
    lbVersion_->setText(FromCore(form_.lbVersionCaption()));
    lbCopyright_ = MakeLabel("lbCopyright", TwipsRect(3360, 1875, 1215, 255));
    lbCopyright_->setText(FromCore(form_.lbCopyrightCaption()));
    lbCopyright_->setFont(PixelFont(10, false, QFont::SemiCondensed));
    lbCopyright_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbMS_ = MakeLabel("lbMS", TwipsRect(2520, 2280, 2055, 255));
    lbMS_->setText(FromCore(form_.lbMSCaption()));
    lbMS_->setToolTip(FromCore(about::kLinkToolTip));
    lbMS_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette link = lbMS_->palette();
    link.setColor(QPalette::WindowText, kLink);
    lbMS_->setPalette(link);

    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setInterval(about::kTimerInterval);
    connect(timer_, &QTimer::timeout, this, &frmInfoDialog::Timer1_Timer);
}

QLabel* frmInfoDialog::MakeLabel(const char* name, QRect geometry) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(PixelFont(11));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kText);
    label->setPalette(palette);
    label->setMouseTracking(true);
    label->installEventFilter(this);
    return label;
}

void frmInfoDialog::Timer1_Timer() {
    form_.Timer1_Timer();
    picScrollText_->repaint();
}

void frmInfoDialog::RethrowFailure() const {
    if (failure_) {
        std::rethrow_exception(failure_);
    }
}

void frmInfoDialog::done(int result) {
    closed_ = true;
    timer_->stop();
    QDialog::done(result);
}

template <class Handler> void frmInfoDialog::Forward(Handler&& handler) {
    try {
        handler();
    } catch (...) {
        // Qt's event loop must not see it; the box closes and ShowFrmInfo hands it on.
        failure_ = std::current_exception();
        done(QDialog::Rejected);
        return;
    }
    FollowForm();
}

void frmInfoDialog::FollowForm() {
    QFont font = lbMS_->font();
    if (font.underline() != form_.lbMSUnderlined()) {
        font.setUnderline(form_.lbMSUnderlined());
        lbMS_->setFont(font);
    }
    if (form_.MousePointer() == forms::vbUpArrow) {
        setCursor(Qt::UpArrowCursor);
    } else {
        unsetCursor();
    }
    if (form_.Unloaded() && !closed_) {
        done(QDialog::Accepted);
    }
}

void frmInfoDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

void frmInfoDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* target = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(target->availableGeometry().center());
        move(frame.topLeft());
    }
    timer_->start();
}

void frmInfoDialog::mouseMoveEvent(QMouseEvent*) {
    Forward([this] { form_.Form_MouseMove(); });
}

void frmInfoDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Forward([this] { form_.Form_Click(); });
    }
}

void frmInfoDialog::keyPressEvent(QKeyEvent* event) {
    // Every key goes to the form, which closes on Esc alone; Enter must not accept the dialog.
    const int ascii = event->key() == Qt::Key_Escape ? about::kEscape
                      : event->text().isEmpty()      ? 0
                                                     : event->text().at(0).unicode();
    Forward([this, ascii] { form_.Form_KeyPress(ascii); });
}

bool frmInfoDialog::eventFilter(QObject* watched, QEvent* event) {
    const bool link = watched == lbMS_;
    if (!link && watched != lbVersion_ && watched != lbCopyright_ && watched != picScrollText_) {
        return QDialog::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseMove:
        // Over the other controls nothing changes; the surface must not see the move.
        if (link) {
            Forward([this] { form_.lbMS_MouseMove(); });
        }
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* control = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            control->rect().contains(mouse->position().toPoint())) {
            if (link) {
                const auto hWnd = static_cast<std::int32_t>(winId());
                Forward([this, hWnd] { form_.lbMS_Click(hWnd); });
            } else {
                Forward([this] { form_.Form_Click(); });
            }
        }
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void ShowFrmInfo(QWidget* parent, forms::FormsRuntime& forms, win32::Shell32& shell) {
    winsvc::clShellExecute launcher(shell, forms);
    about::frmInfo form(forms, launcher);
    frmInfoDialog dialog(form, parent);
    dialog.exec();
    dialog.RethrowFailure();
}

} // namespace veltrano::qt
