#pragma once

#include "app/frmHaupt.h"
#include "platform/controls/StatusBar.h"

#include <QMainWindow>
#include <QPointer>

#include <map>
#include <set>
#include <string>
#include <vector>

class QLabel;

namespace veltrano::qt {

class ButtonBar;
class Divider;
class FindBox;
class ReportList;
class StructureTree;

// frmHaupt drawn with Qt: toolbar, structure tree, detail list and status bar. The window keeps
// no state of its own; it forwards the user's actions to frmHaupt's handlers and follows the
// models. Geometry is frmHaupt's, in twips.
class MainWindow final : public QMainWindow, private controls::StatusBar::Listener {
    Q_OBJECT

public:
    // Attaches the views to the form's controls, then runs the form's Load.
    explicit MainWindow(app::frmHaupt& form, QWidget* parent = nullptr);
    ~MainWindow() override;

    ButtonBar& Buttons() noexcept { return *buttons_; }
    StructureTree& Tree() noexcept { return *tree_; }
    ReportList& List() noexcept { return *list_; }
    QLabel& StatusText() noexcept { return *status_; }
    QLabel& ChangesText() noexcept { return *changes_; }
    FindBox& Find() noexcept { return *find_; }
    Divider& TreeDivider() noexcept { return *divider_; }

    // The layout remembered in the settings: frame geometry (when it fits on a screen), the
    // divider, and the column widths the user set, per list layout. Damaged values are skipped.
    void RestoreLayout();
    void SaveLayout();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PanelTextChanged(const std::string& key, const std::string& text) override;

    // Hands the window's size and state to frmHaupt, runs its OnResize and applies the result.
    void Relayout();
    void PlaceControls();
    void AddShortcuts();
    // Selects the next (or previous) node whose text holds the find box's text and runs its
    // node click as a user's click does.
    void FindInTree(bool forward, bool includeCurrent);
    void MoveDivider(int x);
    // After the list was rebuilt: the column widths the user gave its layout.
    void FollowListLayout();
    void RememberColumnWidth(int column, int width);
    // The column widths of a layout (-1 where the user left the width to the list), read from
    // the settings when first asked for.
    std::vector<int>& ColumnWidthsOf(const std::string& layout);
    // Runs a handler of the form; a failure that escapes it is reported, never thrown into Qt.
    template <class Handler> void Forward(Handler&& handler);

    app::frmHaupt& form_;
    ButtonBar* buttons_;
    StructureTree* tree_;
    ReportList* list_;
    QLabel* status_;
    QLabel* changes_;
    QWidget* client_;
    FindBox* find_;
    Divider* divider_;
    bool listRebuilt_ = false;
    // Column widths by list layout; the layouts the user changed in this run are saved.
    std::map<std::string, std::vector<int>> columnWidths_;
    std::set<std::string> layoutsRead_;
    std::set<std::string> layoutsResized_;
    bool relayingOut_ = false;
    QPointer<QWidget> focusBeforeBusy_;
};

} // namespace veltrano::qt
