#pragma once

#include "platform/controls/TreeView.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>

namespace veltrano::qt {

// Shows a controls::TreeView to Qt views. Nothing is built per node: an index carries the node's
// tree-wide Index, and rows are found through the tree's own ChildAt/Row/Parent.
class TreeModel final : public QAbstractItemModel, private controls::TreeView::Listener {
    Q_OBJECT

public:
    // icons: node pictures by image key.
    TreeModel(controls::TreeView& tree, QHash<QString, QIcon> icons, QObject* parent = nullptr);
    ~TreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    QModelIndex IndexOf(controls::TreeView::Index node) const;
    static controls::TreeView::Index NodeOf(const QModelIndex& index);

signals:
    // What the view must follow besides the data.
    void selectionRequested(const QModelIndex& index);
    void expandRequested(const QModelIndex& index, bool expanded);
    void scrollRequested(const QModelIndex& index);
    void enabledChanged(bool enabled);

private:
    void TreeAboutToClear() override;
    void TreeCleared() override;
    void NodeAboutToBeAdded(controls::TreeView::Index parent, std::int32_t row) override;
    void NodeAdded(controls::TreeView::Index node) override;
    void NodeChanged(controls::TreeView::Index node) override;
    void SelectionChanged(controls::TreeView::Index node) override;
    void ExpandedChanged(controls::TreeView::Index node, bool expanded) override;
    void ScrollToRequested(controls::TreeView::Index node) override;
    void EnabledChanged(bool enabled) override;

    controls::TreeView& tree_;
    QHash<QString, QIcon> icons_;
};

} // namespace veltrano::qt
