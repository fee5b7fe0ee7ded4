#pragma once

#include "platform/controls/TreeView.h"
#include "platform/qt/TreeModel.h"

#include <QTreeView>

namespace veltrano::qt {

// The structure tree tvACT: a QTreeView over the TreeModel that keeps the control's selection,
// expansion and enabled state and the view in step, in both directions.
class StructureTree final : public QTreeView {
    Q_OBJECT

public:
    StructureTree(controls::TreeView& tree, QHash<QString, QIcon> icons, QWidget* parent = nullptr);

    TreeModel& Model() noexcept { return model_; }

signals:
    // A node was clicked; the control's selection is already that node.
    void nodeClicked();

private:
    void OnClicked(const QModelIndex& index);
    void OnCurrentChanged(const QModelIndex& current);
    void OnSelectionRequested(const QModelIndex& index);
    void OnExpandRequested(const QModelIndex& index, bool expanded);
    void OnViewExpanded(const QModelIndex& index, bool expanded);

    controls::TreeView& tree_;
    TreeModel model_;
};

} // namespace veltrano::qt
