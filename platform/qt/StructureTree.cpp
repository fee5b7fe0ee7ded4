#include "platform/qt/StructureTree.h"

#include <QHeaderView>
#include <QScopedValueRollback>

namespace veltrano::qt {

StructureTree::StructureTree(controls::TreeView& tree, QHash<QString, QIcon> icons, QWidget* parent)
    : CopyableTreeView(parent), tree_(tree), model_(tree, std::move(icons)) {
    setObjectName(QStringLiteral("tvACT"));
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(&model_);
    // One column as wide as its texts, so that long node texts scroll instead of being cut.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setEnabled(tree_.Enabled());

    connect(this, &QTreeView::clicked, this, &StructureTree::OnClicked);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnCurrentChanged(current); });
    connect(this, &QTreeView::expanded, this,
            [this](const QModelIndex& index) { OnViewExpanded(index, true); });
    connect(this, &QTreeView::collapsed, this,
            [this](const QModelIndex& index) { OnViewExpanded(index, false); });

    connect(&model_, &TreeModel::selectionRequested, this, &StructureTree::OnSelectionRequested);
    connect(&model_, &TreeModel::expandRequested, this, &StructureTree::OnExpandRequested);
    connect(&model_, &TreeModel::scrollRequested, this,
            [this](const QModelIndex& index) { scrollTo(index); });
    connect(&model_, &TreeModel::enabledChanged, this, [this](bool enabled) {
        emit enabledAboutToChange(enabled);
        setEnabled(enabled);
    });
}

void StructureTree::mousePressEvent(QMouseEvent* event) {
    pressMovedCurrent_ = false;
    QTreeView::mousePressEvent(event);
}

void StructureTree::OnClicked(const QModelIndex& index) {
    const auto node = TreeModel::NodeOf(index);
    if (node == 0) {
        return;
    }
    // The press that made this node current has already asked for its run.
    if (pressMovedCurrent_) {
        pressMovedCurrent_ = false;
        return;
    }
    tree_.SetSelected(node);
    EmitNodeClickedLater();
}

void StructureTree::OnCurrentChanged(const QModelIndex& current) {
    const auto node = TreeModel::NodeOf(current);
    if (node != tree_.SelectedItem()) {
        tree_.SetSelected(node);
    }
    // Focus alone makes a node current without selecting it: that is no choice of the user's.
    if (!followingControl_ && node != 0 && selectionModel()->isSelected(current)) {
        pressMovedCurrent_ = true;
        EmitNodeClickedLater();
    }
}

void StructureTree::EmitNodeClickedLater() {
    if (clickPending_) {
        return;
    }
    clickPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            clickPending_ = false;
            if (tree_.SelectedItem() != 0) {
                emit nodeClicked();
            }
        },
        Qt::QueuedConnection);
}

void StructureTree::OnSelectionRequested(const QModelIndex& index) {
    const QScopedValueRollback<bool> following(followingControl_, true);
    if (!index.isValid()) {
        selectionModel()->clear();
        return;
    }
    if (currentIndex() != index) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    }
}

void StructureTree::OnExpandRequested(const QModelIndex& index, bool expanded) {
    if (isExpanded(index) != expanded) {
        setExpanded(index, expanded);
    }
}

void StructureTree::OnViewExpanded(const QModelIndex& index, bool expanded) {
    const auto node = TreeModel::NodeOf(index);
    if (tree_.Exists(node) && tree_.Expanded(node) != expanded) {
        tree_.SetExpanded(node, expanded);
    }
}

} // namespace veltrano::qt
