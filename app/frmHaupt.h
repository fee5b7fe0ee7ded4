#pragma once

#include "app/Platform.h"
#include "history/clHistoryPuffer.h"
#include "platform/controls/ImageList.h"
#include "platform/controls/ListView.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/Toolbar.h"
#include "platform/controls/TreeView.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano::app {

// A control's placement in twips.
struct Rect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

enum class WindowState { Normal, Minimized, Maximized };

// The tree node the detail list was built from, so that commands work on the list that is shown
// even when the tree's selection has moved or the tree was rebuilt since.
struct ListSource {
    controls::TreeView::Index node = 0; // 0: the list shows no node's contents
    std::uint64_t treeGeneration = 0;
    std::string tag;
};

inline constexpr std::string_view kChangesPanelText = " changes not saved";
inline constexpr std::string_view kDiscardQuestion = " changes have not been saved. Discard them?";

class frmHaupt;

// The commands and handlers that other subsystems provide; an empty one does nothing.
struct Commands {
    std::function<void(frmHaupt&)> SurveyDatabase;
    std::function<void(frmHaupt&)> CopyTable;
    std::function<void(frmHaupt&)> Search;
    std::function<void(frmHaupt&)> Replace;
    std::function<void(frmHaupt&)> Save;
    std::function<void(frmHaupt&)> Info;
    std::function<void(frmHaupt&)> NodeClick;
    std::function<void(frmHaupt&, int)> ColumnClick;
    std::function<void(frmHaupt&)> ListDoubleClick;
    // Search once more for LastSearchText, without asking.
    std::function<void(frmHaupt&)> SearchAgain;
    // Puts the given rows of the list (1-based, in the order shown) on the clipboard.
    std::function<void(frmHaupt&, const std::vector<std::int32_t>&)> CopyRows;
};

// The main window's state and behaviour; the front end draws it and forwards its events.
class frmHaupt {
public:
    // Design-time sizes in twips.
    static constexpr int kDesignClientWidth = 11595;
    static constexpr int kDesignClientHeight = 6555;
    static constexpr int kToolbarHeight = 630;
    static constexpr int kStatusBarHeight = 375;
    static constexpr int kMinimumOuterSize = 3800;
    // The designed gap between the tree's right edge and the list's left edge, and the least
    // width the divider leaves each of them.
    static constexpr int kDividerGap = 105;
    static constexpr int kMinimumPaneWidth = 600;

    explicit frmHaupt(Platform platform, Commands commands = {});
    frmHaupt(const frmHaupt&) = delete;
    frmHaupt& operator=(const frmHaupt&) = delete;

    // Form_Load: status panel, the eight buttons, a new history, button states.
    void Load();

    void SetReady(bool ready);
    void UpdateHistoryButtons();
    void OnButtonClick(std::string_view key);
    void OnResize();
    void OnNodeClick();
    void OnColumnClick(int columnIndex); // 1-based column header index
    void OnListDoubleClick();
    // Closing the window: false when the user keeps unsaved changes and the window stays open.
    bool QueryUnload();
    // Keyboard additions: F3 (Search with the last text), copying the selected rows or the
    // selected node's text.
    void OnSearchAgain();
    void OnCopyRows(const std::vector<std::int32_t>& rows);
    void OnCopyNodeText();
    // The divider between tree and list moved: the tree takes `width` (kept between the least
    // pane widths) and the list's left edge follows it with the designed gap.
    void SetTreeWidth(int width);

    // The "Felder" node whose Fields list is shown; 0 when the list shows none or its node is
    // gone (the tree was rebuilt).
    controls::TreeView::Index ShownFieldsNode() const;
    // Changed (bold) trigger cells of the Fields list shown, which only Save writes.
    std::int32_t UnsavedChangeCount() const;
    // Asks before the marked cells are thrown away; true when there are none or the user agrees.
    bool ConfirmDiscardChanges();
    // The second panel shows the progress of a long command; clearing it brings back the
    // panel's text at rest.
    controls::StatusBar::Panel& ProgressPanel() { return StatusBar.Panels("Changes"); }
    void ClearProgress() { UpdateChangesPanel(); }
    // Records that the list now shows the contents of node (0 for none).
    void SetListSource(controls::TreeView::Index node);
    // Runs a command as the toolbar does: a failure that reaches it is reported, never passed on.
    void RunCommand(const std::function<void(frmHaupt&)>& command);
    // What the running command wants shown in the second panel once it ends (unsaved marks
    // still win); every command starts without one.
    void SetStatusNote(std::string note) { statusNote_ = std::move(note); }

    Platform& Services() noexcept { return platform_; }
    Commands& Handlers() noexcept { return commands_; }
    forms::FormsRuntime& Forms() noexcept { return platform_.forms; }

    // Controls.
    controls::TreeView tvACT;
    controls::ListView lvACT;
    controls::Toolbar Toolbar;
    controls::StatusBar StatusBar{{"Status", "Changes"}};
    controls::ImageList ilButtons{
        16,
        16,
        {"SurveyDatabase", "CopyTable", "Back", "For", "Info", "Save", "Replace", "Search"}};
    controls::ImageList ilTVIcons{16,
                                  16,
                                  {"Datenbank", "Eigenschaft", "Feld", "Felder", "PopupItem",
                                   "PopupListe", "Tabelle", "Tabellen", "User", "Users"}};
    controls::ImageList ilSortierung{9, 5, {"Aufsteigend", "Absteigend"}};

    // Shared members.
    controls::StatusBar::Panel* StatusPanel = nullptr;
    history::clHistoryPuffer History;
    std::string LastSearchText;
    ListSource ListNode;

    // Geometry in twips, kept by the front end: outer size, inner size, state.
    int Width = kDesignClientWidth;
    int Height = kDesignClientHeight;
    int ScaleWidth = kDesignClientWidth;
    int ScaleHeight = kDesignClientHeight;
    WindowState State = WindowState::Normal;
    Rect tvACTRect{120, 720, 3375, 5100};
    Rect lvACTRect{3600, 720, 7875, 5100};

private:
    void GoInHistory(bool forward);
    void UpdateChangesPanel();
    void LayOut();

    Platform platform_;
    Commands commands_;
    std::string statusNote_;
    // The database summary of the tree it was counted for (generation and node count).
    std::string summary_;
    std::uint64_t summaryGeneration_ = 0;
    std::int32_t summaryCount_ = 0;
};

// Numbers right-aligned to five characters, so that a text sort orders them by value.
std::string PadNumericText(std::string_view text);

} // namespace veltrano::app
