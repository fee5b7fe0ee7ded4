#include "platform/qt/MainWindow.h"

#include "app/ErrorReport.h"
#include "app/WindowSettings.h"
#include "platform/controls/TreeFind.h"
#include "platform/qt/ButtonBar.h"
#include "platform/qt/Divider.h"
#include "platform/qt/FindBox.h"
#include "platform/qt/Pictures.h"
#include "platform/qt/QtText.h"
#include "platform/qt/ReportList.h"
#include "platform/qt/StructureTree.h"
#include "platform/qt/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStatusBar>

namespace veltrano::qt {

namespace {

// A column header added without a width is one inch wide, as in the list control.
constexpr int kDefaultColumnTwips = 1440;

struct ButtonShortcut {
    const char* key;
    QKeySequence sequence;
};

} // namespace

MainWindow::MainWindow(app::frmHaupt& form, QWidget* parent)
    : QMainWindow(parent), form_(form),
      buttons_(new ButtonBar(form.Toolbar, IconsFor(form.ilButtons, DrawButtonPicture), this)),
      tree_(new StructureTree(form.tvACT, IconsFor(form.ilTVIcons, DrawNodePicture))),
      list_(new ReportList(form.lvACT, Twips(*this).ToPixelsX(kDefaultColumnTwips))),
      status_(new QLabel), changes_(new QLabel), client_(new QWidget), find_(new FindBox),
      divider_(new Divider) {
    setWindowTitle(QStringLiteral("Veltrano"));
    addToolBar(Qt::TopToolBarArea, buttons_);

    tree_->setParent(client_);
    list_->setParent(client_);
    divider_->setParent(client_);
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
    connect(list_, &ReportList::copyRequested, this,
            [this] { Forward([&] { form_.OnCopyRows(list_->SelectedRows()); }); });
    connect(tree_, &StructureTree::copyRequested, this,
            [this] { Forward([&] { form_.OnCopyNodeText(); }); });
    connect(list_, &ReportList::columnResizedByUser, this, &MainWindow::RememberColumnWidth);
    connect(&list_->Model(), &QAbstractItemModel::modelReset, this,
            [this] { listRebuilt_ = true; });
    connect(find_, &FindBox::findRequested, this, &MainWindow::FindInTree);
    connect(divider_, &Divider::dragged, this, &MainWindow::MoveDivider);

    form_.Load();
    status_->setText(FromCore(form_.StatusBar.Panels("Status").Text()));

    // The find box sits at the toolbar's right end, away from the tree and the list.
    auto* spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    buttons_->AddTrailingWidget(spacer);
    buttons_->AddTrailingWidget(find_);
    AddShortcuts();

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
        FollowListLayout();
    } catch (...) {
        app::ReportCurrentException(form_.Forms());
    }
}

void MainWindow::AddShortcuts() {
    const ButtonShortcut shortcuts[] = {
        {"SurveyDatabase", QKeySequence(Qt::Key_F5)},
        {"CopyTable", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        {"Back", QKeySequence(Qt::ALT | Qt::Key_Left)},
        {"For", QKeySequence(Qt::ALT | Qt::Key_Right)},
        {"Search", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {"Replace", QKeySequence(Qt::CTRL | Qt::Key_H)},
        {"Save", QKeySequence(Qt::CTRL | Qt::Key_S)},
    };
    const auto add = [this](const QKeySequence& sequence, auto&& slot) {
        auto* action = new QAction(this);
        action->setShortcut(sequence);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    for (const ButtonShortcut& shortcut : shortcuts) {
        const QString key = QString::fromLatin1(shortcut.key);
        buttons_->SetShortcutHint(key, shortcut.sequence);
        // Through the button, so that a disabled button or a busy toolbar refuses it.
        add(shortcut.sequence, [this, key] {
            QAction* button = buttons_->ActionFor(key);
            if (buttons_->isEnabled() && button != nullptr) {
                button->trigger();
            }
        });
    }
    add(QKeySequence(Qt::Key_F3), [this] {
        if (find_->hasFocus()) {
            FindInTree(true, false);
        } else if (buttons_->isEnabled()) {
            Forward([&] { form_.OnSearchAgain(); });
        }
    });
    add(QKeySequence(Qt::CTRL | Qt::Key_L), [this] {
        find_->setFocus(Qt::ShortcutFocusReason);
        find_->selectAll();
    });
}

void MainWindow::FindInTree(bool forward, bool includeCurrent) {
    const std::string text = ToCore(find_->text());
    if (text.empty() || !form_.tvACT.Enabled()) {
        return;
    }
    const auto from = form_.tvACT.SelectedItem();
    const auto node = controls::FindNodeContaining(form_.tvACT, text, from,
                                                   forward ? controls::FindDirection::Forward
                                                           : controls::FindDirection::Backward,
                                                   includeCurrent);
    find_->SetNoMatch(node == 0);
    if (node == 0 || node == from) {
        return;
    }
    // As a click on the node: selected first, then its handler, which may ask to discard.
    form_.tvACT.EnsureVisible(node);
    form_.tvACT.SetSelected(node);
    Forward([&] { form_.OnNodeClick(); });
}

void MainWindow::MoveDivider(int x) {
    const Twips twips(*this);
    form_.SetTreeWidth(twips.FromPixelsX(x) - form_.tvACTRect.Left);
    PlaceControls();
}

std::vector<int>& MainWindow::ColumnWidthsOf(const std::string& layout) {
    if (layoutsRead_.insert(layout).second) {
        if (auto saved = app::LoadColumnWidths(form_.Forms(), layout)) {
            columnWidths_[layout] = std::move(*saved);
        }
    }
    return columnWidths_[layout];
}

void MainWindow::RememberColumnWidth(int column, int width) {
    const std::string layout = app::ListLayoutName(form_.lvACT);
    std::vector<int>& widths = ColumnWidthsOf(layout);
    widths.resize(static_cast<std::size_t>(form_.lvACT.ColumnCount()), -1);
    widths[static_cast<std::size_t>(column)] = width;
    layoutsResized_.insert(layout);
}

void MainWindow::FollowListLayout() {
    if (!listRebuilt_ || form_.lvACT.ColumnCount() == 0) {
        return;
    }
    listRebuilt_ = false;
    const std::vector<int>& widths = ColumnWidthsOf(app::ListLayoutName(form_.lvACT));
    if (widths.size() != static_cast<std::size_t>(form_.lvACT.ColumnCount())) {
        return;
    }
    for (std::size_t column = 0; column < widths.size(); ++column) {
        if (widths[column] >= 0) {
            form_.lvACT.SetColumnWidth(static_cast<std::int32_t>(column) + 1, widths[column]);
        }
    }
}

void MainWindow::RestoreLayout() {
    auto& forms = form_.Forms();
    if (const auto geometry = app::LoadWindowGeometry(forms)) {
        const QRect rect(geometry->left, geometry->top, geometry->width, geometry->height);
        bool fits = false;
        for (const QScreen* screen : QGuiApplication::screens()) {
            fits = fits || screen->availableGeometry().contains(rect);
        }
        if (fits) {
            setGeometry(rect);
        } else if (screen()->availableGeometry().size().expandedTo(rect.size()) ==
                   screen()->availableGeometry().size()) {
            resize(rect.size()); // off every screen now: the size alone, where Qt puts it
        }
        if (geometry->maximized) {
            setWindowState(windowState() | Qt::WindowMaximized);
        }
    }
    if (const auto width = app::LoadTreeWidth(forms)) {
        form_.SetTreeWidth(*width);
        PlaceControls();
    }
}

void MainWindow::SaveLayout() {
    auto& forms = form_.Forms();
    const QRect rect = (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized))
                           ? normalGeometry()
                           : geometry();
    app::SaveWindowGeometry(forms, {rect.x(), rect.y(), rect.width(), rect.height(),
                                    (windowState() & Qt::WindowMaximized) != 0});
    app::SaveTreeWidth(forms, form_.tvACTRect.Width);
    for (const std::string& layout : layoutsResized_) {
        app::SaveColumnWidths(forms, layout, columnWidths_[layout]);
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
        // A layout that cannot be remembered is reported; the window still closes.
        Forward([&] { SaveLayout(); });
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
    const QRect tree = tree_->geometry();
    divider_->setGeometry(tree.right() + 1, tree.top(),
                          std::max(1, list_->geometry().left() - tree.right() - 1), tree.height());
}

} // namespace veltrano::qt
