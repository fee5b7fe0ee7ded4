#include "platform/qt/TreeModel.h"

#include "platform/qt/QtText.h"

namespace veltrano::qt {

using Index = controls::TreeView::Index;

TreeModel::TreeModel(controls::TreeView& tree, QHash<QString, QIcon> icons, QObject* parent)
    : QAbstractItemModel(parent), tree_(tree), icons_(std::move(icons)) {
    tree_.SetListener(this);
}

TreeModel::~TreeModel() {
    tree_.SetListener(nullptr);
}

Index TreeModel::NodeOf(const QModelIndex& index) {
    return index.isValid() ? static_cast<Index>(index.internalId()) : 0;
}

QModelIndex TreeModel::IndexOf(Index node) const {
    if (!tree_.Exists(node)) {
        return {};
    }
    return createIndex(tree_.Row(node), 0, static_cast<quintptr>(node));
}

QModelIndex TreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column != 0 || (parent.isValid() && parent.column() != 0)) {
        return {};
    }
    const Index node = tree_.ChildAt(NodeOf(parent), row);
    return node == 0 ? QModelIndex() : createIndex(row, 0, static_cast<quintptr>(node));
}

QModelIndex TreeModel::parent(const QModelIndex& child) const {
    const Index node = NodeOf(child);
    if (node == 0 || !tree_.Exists(node)) {
        return {};
    }
    return IndexOf(tree_.Parent(node));
}

int TreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) {
        return tree_.RootCount();
    }
    if (parent.column() != 0 || !tree_.Exists(NodeOf(parent))) {
        return 0;
    }
    return tree_.Children(NodeOf(parent));
}

int TreeModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() && parent.column() != 0 ? 0 : 1;
}

bool TreeModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant TreeModel::data(const QModelIndex& index, int role) const {
    const Index node = NodeOf(index);
    if (!tree_.Exists(node)) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return FromCore(tree_.Text(node));
    case Qt::DecorationRole: {
        const auto found = icons_.constFind(FromCore(tree_.Image(node)));
        return found == icons_.constEnd() ? QVariant() : QVariant(*found);
    }
    default:
        return {};
    }
}

void TreeModel::TreeAboutToClear() {
    beginResetModel();
}

void TreeModel::TreeCleared() {
    endResetModel();
}

void TreeModel::NodeAboutToBeAdded(Index parent, std::int32_t row) {
    beginInsertRows(IndexOf(parent), row, row);
}

void TreeModel::NodeAdded(Index) {
    endInsertRows();
}

void TreeModel::NodeChanged(Index node) {
    const QModelIndex changed = IndexOf(node);
    if (changed.isValid()) {
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    }
}

void TreeModel::SelectionChanged(Index node) {
    emit selectionRequested(IndexOf(node));
}

void TreeModel::ExpandedChanged(Index node, bool expanded) {
    const QModelIndex changed = IndexOf(node);
    if (changed.isValid()) {
        emit expandRequested(changed, expanded);
    }
}

void TreeModel::ScrollToRequested(Index node) {
    const QModelIndex target = IndexOf(node);
    if (target.isValid()) {
        emit scrollRequested(target);
    }
}

void TreeModel::EnabledChanged(bool enabled) {
    emit enabledChanged(enabled);
}

} // namespace veltrano::qt
