#include "app/frmHaupt.h"

#include "app/ChangesPanel.h"
#include "app/ErrorReport.h"

#include <algorithm>

namespace veltrano::app {

namespace {

struct ButtonDefinition {
    const char* key;
    const char* caption;
};

constexpr ButtonDefinition kButtons[] = {
    {"SurveyDatabase", "&Survey Database"},
    {"CopyTable", "&Copy Table"},
    {"Back", "&Back"},
    {"For", "&Forward"},
    {"Search", "S&earch"},
    {"Replace", "&Replace"},
    {"Save", "S&ave"},
    {"Info", "&Info"},
};

} // namespace

frmHaupt::frmHaupt(Platform platform, Commands commands)
    : platform_(platform), commands_(std::move(commands)) {}

void frmHaupt::Load() {
    StatusPanel = &StatusBar.Panels("Status");
    Toolbar.ButtonsClear();
    for (const auto& button : kButtons) {
        Toolbar.ButtonsAdd(button.key, button.caption, button.key);
    }
    History = history::clHistoryPuffer{};
    UpdateHistoryButtons();
}

void frmHaupt::SetReady(bool ready) {
    Forms().SetMousePointer(ready ? forms::vbDefault : forms::vbHourglass);
    tvACT.SetEnabled(ready);
    lvACT.SetEnabled(ready);
    Toolbar.SetEnabled(ready);
    Forms().DoEvents();
}

void frmHaupt::UpdateHistoryButtons() {
    Toolbar.SetButtonEnabled("Back", History.BackwardIsPossible());
    Toolbar.SetButtonEnabled("For", History.ForwardIsPossible());
}

controls::TreeView::Index frmHaupt::ShownFieldsNode() const {
    const auto node = ListNode.node;
    if (node == 0 || ListNode.tag != "Felder" || ListNode.treeGeneration != tvACT.Generation() ||
        !tvACT.Exists(node) || tvACT.Tag(node) != "Felder") {
        return 0;
    }
    return node;
}

std::int32_t frmHaupt::UnsavedChangeCount() const {
    // Only Replace marks cells, and only the trigger cells of a Fields list.
    return ListNode.tag == "Felder" ? lvACT.BoldSubItemCount() : 0;
}

bool frmHaupt::ConfirmDiscardChanges() {
    const std::int32_t count = UnsavedChangeCount();
    if (count == 0) {
        return true;
    }
    const std::string question = std::to_string(count) + std::string(kDiscardQuestion);
    return Forms().MsgBox(question, forms::vbYesNo | forms::vbQuestion | forms::vbDefaultButton2) ==
           forms::vbYes;
}

void frmHaupt::SetListSource(controls::TreeView::Index node) {
    ListNode = node == 0 ? ListSource{}
                         : ListSource{node, tvACT.Generation(), std::string(tvACT.Tag(node))};
}

void frmHaupt::UpdateChangesPanel() {
    // Counting the fields walks the whole tree: once per surveyed tree.
    if (summaryGeneration_ != tvACT.Generation() || summaryCount_ != tvACT.Count()) {
        summary_ = DatabaseSummary(tvACT);
        summaryGeneration_ = tvACT.Generation();
        summaryCount_ = tvACT.Count();
    }
    StatusBar.Panels("Changes").SetText(
        ChangesPanelText(UnsavedChangeCount(), statusNote_, summary_));
}

bool frmHaupt::QueryUnload() {
    return ConfirmDiscardChanges();
}

void frmHaupt::RunCommand(const std::function<void(frmHaupt&)>& command) {
    if (!command) {
        return;
    }
    statusNote_.clear();
    // Commands report their own failures; this catches what slipped through so that a
    // failure never ends the program.
    try {
        command(*this);
    } catch (...) {
        ReportCurrentException(Forms());
    }
    try {
        UpdateChangesPanel();
    } catch (...) {
        ReportCurrentException(Forms());
    }
}

void frmHaupt::GoInHistory(bool forward) {
    if (!ConfirmDiscardChanges()) {
        return;
    }
    if (forward) {
        History.Forward();
    } else {
        History.Backward();
    }
    const auto node = History.Value();
    if (tvACT.Exists(node)) {
        tvACT.SetSelected(node);
        tvACT.EnsureVisible(node);
        RunCommand(commands_.NodeClick);
    }
    UpdateHistoryButtons();
}

void frmHaupt::OnButtonClick(std::string_view key) {
    if (key == "SurveyDatabase") {
        if (ConfirmDiscardChanges()) {
            RunCommand(commands_.SurveyDatabase);
        }
    } else if (key == "CopyTable") {
        RunCommand(commands_.CopyTable);
    } else if (key == "Back") {
        GoInHistory(false);
    } else if (key == "For") {
        GoInHistory(true);
    } else if (key == "Search") {
        if (ShownFieldsNode() != 0) {
            RunCommand(commands_.Search);
        }
    } else if (key == "Replace") {
        if (ShownFieldsNode() != 0) {
            RunCommand(commands_.Replace);
        }
    } else if (key == "Save") {
        if (ShownFieldsNode() != 0) {
            RunCommand(commands_.Save);
        }
    } else if (key == "Info") {
        RunCommand(commands_.Info);
    }
}

void frmHaupt::OnNodeClick() {
    if (!ConfirmDiscardChanges()) {
        // The list keeps its marks, so the tree goes back to the node they belong to.
        tvACT.SetSelected(tvACT.Exists(ListNode.node) ? ListNode.node : 0);
        return;
    }
    RunCommand(commands_.NodeClick);
}

void frmHaupt::OnColumnClick(int columnIndex) {
    if (commands_.ColumnClick) {
        RunCommand([&](frmHaupt& form) { commands_.ColumnClick(form, columnIndex); });
    }
}

void frmHaupt::OnListDoubleClick() {
    RunCommand(commands_.ListDoubleClick);
}

void frmHaupt::OnSearchAgain() {
    if (ShownFieldsNode() != 0) {
        RunCommand(commands_.SearchAgain);
    }
}

void frmHaupt::OnCopyRows(const std::vector<std::int32_t>& rows) {
    if (commands_.CopyRows) {
        RunCommand([&](frmHaupt& form) { commands_.CopyRows(form, rows); });
    }
}

void frmHaupt::OnCopyNodeText() {
    const auto node = tvACT.SelectedItem();
    if (!tvACT.Exists(node)) {
        return;
    }
    RunCommand([node](frmHaupt& form) {
        form.Forms().ClipboardClear();
        form.Forms().ClipboardSetText(form.tvACT.Text(node));
    });
}

void frmHaupt::SetTreeWidth(int width) {
    const int margin = tvACTRect.Left;
    const int most = ScaleWidth - 2 * margin - kDividerGap - kMinimumPaneWidth;
    tvACTRect.Width = std::clamp(width, kMinimumPaneWidth, std::max(kMinimumPaneWidth, most));
    lvACTRect.Left = tvACTRect.Left + tvACTRect.Width + kDividerGap;
    if (State != WindowState::Minimized) {
        LayOut();
    }
}

void frmHaupt::OnResize() {
    if (State == WindowState::Minimized) {
        return;
    }
    if (Width < kMinimumOuterSize) {
        Width = kMinimumOuterSize;
        return;
    }
    if (Height < kMinimumOuterSize) {
        Height = kMinimumOuterSize;
        return;
    }
    LayOut();
}

void frmHaupt::LayOut() {
    const int margin = tvACTRect.Left;
    const int height = ScaleHeight - lvACTRect.Top - kStatusBarHeight - margin;
    // On a narrow window with wide borders the arithmetic can go below zero.
    lvACTRect.Width = std::max(0, ScaleWidth - lvACTRect.Left - margin);
    lvACTRect.Height = std::max(0, height);
    tvACTRect.Height = std::max(0, height);
}

} // namespace veltrano::app
