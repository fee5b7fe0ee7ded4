#pragma once

#include "platform/controls/TreeView.h"
#include "platform/qt/CopyableTreeView.h"
#include "platform/qt/TreeModel.h"

namespace veltrano::qt {

// The structure tree tvACT: a QTreeView over the TreeModel that keeps the control's selection,
// expansion and enabled state and the view in step, in both directions.
class StructureTree final : public CopyableTreeView {
    Q_OBJECT

public:
    StructureTree(controls::TreeView& tree, QHash<QString, QIcon> icons, QWidget* parent = nullptr);

    TreeModel& Model() noexcept { return model_; }

signals:
    // The user made a node current (mouse, keyboard) or clicked the current node again; the
    // control's selection is already that node. Once per change, never for a selection that
    // the control itself set.
    void nodeClicked();
    // The control is about to be enabled or disabled; focus has not moved yet.
    void enabledAboutToChange(bool enabled);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void OnClicked(const QModelIndex& index);
    // Runs after the view's own handling of the key or click, so that a handler that puts the
    // selection back (or shows a modal box) does not meet the view half-way through its step.
    void EmitNodeClickedLater();
    void OnCurrentChanged(const QModelIndex& current);
    void OnSelectionRequested(const QModelIndex& index);
    void OnExpandRequested(const QModelIndex& index, bool expanded);
    void OnViewExpanded(const QModelIndex& index, bool expanded);

    controls::TreeView& tree_;
    TreeModel model_;
    bool followingControl_ = false; // the view is taking over the control's own selection
    bool pressMovedCurrent_ = false;
    bool clickPending_ = false;
};

} // namespace veltrano::qt
