#include "app/frmHaupt.h"

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

bool frmHaupt::FelderNodeSelected() const {
    const auto selected = tvACT.SelectedItem();
    return tvACT.Count() >= 1 && selected != 0 && tvACT.Tag(selected) == "Felder";
}

void frmHaupt::RunCommand(const std::function<void(frmHaupt&)>& command) {
    if (!command) {
        return;
    }
    // Commands report their own failures; this catches what slipped through so that a
    // failure never ends the program.
    try {
        command(*this);
    } catch (...) {
        ReportCurrentException(Forms());
    }
}

void frmHaupt::GoInHistory(bool forward) {
    if (forward) {
        History.Forward();
    } else {
        History.Backward();
    }
    const auto node = History.Value();
    if (tvACT.Exists(node)) {
        tvACT.SetSelected(node);
        tvACT.EnsureVisible(node);
        OnNodeClick();
    }
    UpdateHistoryButtons();
}

void frmHaupt::OnButtonClick(std::string_view key) {
    if (key == "SurveyDatabase") {
        RunCommand(commands_.SurveyDatabase);
    } else if (key == "CopyTable") {
        RunCommand(commands_.CopyTable);
    } else if (key == "Back") {
        GoInHistory(false);
    } else if (key == "For") {
        GoInHistory(true);
    } else if (key == "Search") {
        if (FelderNodeSelected()) {
            RunCommand(commands_.Search);
        }
    } else if (key == "Replace") {
        if (FelderNodeSelected()) {
            RunCommand(commands_.Replace);
        }
    } else if (key == "Save") {
        if (FelderNodeSelected()) {
            RunCommand(commands_.Save);
        }
    } else if (key == "Info") {
        RunCommand(commands_.Info);
    }
}

void frmHaupt::OnNodeClick() {
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
    const int margin = tvACTRect.Left;
    const int height = ScaleHeight - lvACTRect.Top - kStatusBarHeight - margin;
    // On a narrow window with wide borders the arithmetic can go below zero.
    lvACTRect.Width = std::max(0, ScaleWidth - lvACTRect.Left - margin);
    lvACTRect.Height = std::max(0, height);
    tvACTRect.Height = std::max(0, height);
}

} // namespace veltrano::app
