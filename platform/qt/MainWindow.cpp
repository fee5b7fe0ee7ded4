#include "platform/qt/MainWindow.h"

#include "app/ErrorReport.h"
#include "platform/qt/ButtonBar.h"
#include "platform/qt/Pictures.h"
#include "platform/qt/QtText.h"
#include "platform/qt/ReportList.h"
#include "platform/qt/StructureTree.h"
#include "platform/qt/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QScopedValueRollback>
#include <QStatusBar>

namespace veltrano::qt {

namespace {

// A column header added without a width is one inch wide, as in the list control.
constexpr int kDefaultColumnTwips = 1440;

} // namespace

MainWindow::MainWindow(app::frmHaupt& form, QWidget* parent)
    : QMainWindow(parent), form_(form),
      buttons_(new ButtonBar(form.Toolbar, IconsFor(form.ilButtons, DrawButtonPicture), this)),
      tree_(new StructureTree(form.tvACT, IconsFor(form.ilTVIcons, DrawNodePicture))),
      list_(new ReportList(form.lvACT, Twips(*this).ToPixelsX(kDefaultColumnTwips))),
      status_(new QLabel), changes_(new QLabel), client_(new QWidget) {
    setWindowTitle(QStringLiteral("Veltrano"));
    addToolBar(Qt::TopToolBarArea, buttons_);

    tree_->setParent(client_);
    list_->setParent(client_);
    client_->installEventFilter(this);
    setCentralWidget(client_);

    statusBar()->addWidget(status_, 1);
    changes_->setObjectName(QStringLiteral("Changes"));
    changes_->hide();
    statusBar()->addPermanentWidget(changes_);
    statusBar()->setFixedHeight(Twips(*this).ToPixelsY(app::frmHaupt::kStatusBarHeight));
    form_.StatusBar.SetListener(this);

    // The busy switch disables the tree first and enables it first: the focus it takes away
    // from the user's control comes back once the window is ready again.
    connect(tree_, &StructureTree::enabledAboutToChange, this, [this](bool enabled) {
        if (!enabled) {
            QWidget* focused = QApplication::focusWidget();
            focusBeforeBusy_ = focused != nullptr && isAncestorOf(focused) ? focused : nullptr;
        } else if (focusBeforeBusy_ != nullptr) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (focusBeforeBusy_ != nullptr && focusBeforeBusy_->isEnabled()) {
                        focusBeforeBusy_->setFocus(Qt::OtherFocusReason);
                    }
                    focusBeforeBusy_ = nullptr;
                },
                Qt::QueuedConnection);
        }
    });
    connect(buttons_, &ButtonBar::buttonClicked, this,
            [this](const QString& key) { Forward([&] { form_.OnButtonClick(ToCore(key)); }); });
    connect(tree_, &StructureTree::nodeClicked, this,
            [this] { Forward([&] { form_.OnNodeClick(); }); });
    connect(list_, &ReportList::columnClicked, this,
            [this](int column) { Forward([&] { form_.OnColumnClick(column); }); });
    connect(list_, &ReportList::rowDoubleClicked, this,
            [this] { Forward([&] { form_.OnListDoubleClick(); }); });

    form_.Load();
    status_->setText(FromCore(form_.StatusBar.Panels("Status").Text()));

    const Twips twips(*this);
    resize(twips.ToPixelsX(app::frmHaupt::kDesignClientWidth),
           twips.ToPixelsY(app::frmHaupt::kDesignClientHeight));
    PlaceControls();
}

MainWindow::~MainWindow() {
    form_.StatusBar.SetListener(nullptr);
}

template <class Handler> void MainWindow::Forward(Handler&& handler) {
    try {
        handler();
    } catch (...) {
        app::ReportCurrentException(form_.Forms());
    }
}

void MainWindow::PanelTextChanged(const std::string& key, const std::string& text) {
    if (key == "Status") {
        status_->setText(FromCore(text));
    } else if (key == "Changes") {
        changes_->setText(FromCore(text));
        changes_->setVisible(!text.empty());
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        Relayout();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool close = true;
    Forward([&] { close = form_.QueryUnload(); });
    if (close) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // Below the size its bars need, Qt may leave the client area alone: the window's own size
    // must still reach the form's minimum rule.
    QMetaObject::invokeMethod(this, &MainWindow::Relayout, Qt::QueuedConnection);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        Relayout();
    }
}

void MainWindow::Relayout() {
    if (relayingOut_) {
        return;
    }
    const QScopedValueRollback<bool> guard(relayingOut_, true);
    const Twips twips(*this);
    const Qt::WindowStates state = windowState();
    form_.State = (state & Qt::WindowMinimized)   ? app::WindowState::Minimized
                  : (state & Qt::WindowMaximized) ? app::WindowState::Maximized
                                                  : app::WindowState::Normal;
    const QSize outer = frameGeometry().size();
    form_.Width = twips.FromPixelsX(outer.width());
    form_.Height = twips.FromPixelsY(outer.height());
    // The form's inner area holds the toolbar and the status bar at their design heights
    // around the client area, whatever height Qt gives the real bars.
    form_.ScaleWidth = twips.FromPixelsX(client_->width());
    form_.ScaleHeight = app::frmHaupt::kToolbarHeight + twips.FromPixelsY(client_->height()) +
                        app::frmHaupt::kStatusBarHeight;
    const int width = form_.Width;
    const int height = form_.Height;
    Forward([&] { form_.OnResize(); });
    if (form_.Width != width || form_.Height != height) {
        // The form asked for a new outer size. Qt may apply it at once, inside this guarded
        // run, so the next run is queued rather than left to the resize event.
        const QSize frame = outer - size();
        resize(twips.AtLeastPixelsX(form_.Width) - frame.width(),
               twips.AtLeastPixelsY(form_.Height) - frame.height());
        QMetaObject::invokeMethod(this, &MainWindow::Relayout, Qt::QueuedConnection);
        return;
    }
    PlaceControls();
}

void MainWindow::PlaceControls() {
    const Twips twips(*this);
    const auto place = [&](QWidget& widget, const app::Rect& rect) {
        // Edges are converted, not sizes, so that margins stay exact whatever the rounding.
        const int top = rect.Top - app::frmHaupt::kToolbarHeight;
        const int left = twips.ToPixelsX(rect.Left);
        const int right = twips.ToPixelsX(rect.Left + std::max(0, rect.Width));
        const int y = twips.ToPixelsY(top);
        const int bottom = twips.ToPixelsY(top + std::max(0, rect.Height));
        widget.setGeometry(left, y, right - left, bottom - y);
    };
    place(*tree_, form_.tvACTRect);
    place(*list_, form_.lvACTRect);
}

} // namespace veltrano::qt
