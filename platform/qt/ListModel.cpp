#include "platform/qt/ListModel.h"

#include "platform/qt/QtText.h"

namespace veltrano::qt {

using controls::ListView;

ListModel::ListModel(ListView& list, QObject* parent)
    : QAbstractItemModel(parent), list_(list), rows_(list.RowCount()),
      columns_(list.ColumnCount()) {
    boldFont_.setBold(true);
    list_.SetListener(this);
}

ListModel::~ListModel() {
    list_.SetListener(nullptr);
}

void ListModel::SetBaseFont(const QFont& font) {
    boldFont_ = font;
    boldFont_.setBold(true);
}

Qt::Alignment ListModel::AlignmentOf(int listAlignment) {
    switch (listAlignment) {
    case ListView::lvwColumnRight:
        return Qt::AlignRight | Qt::AlignVCenter;
    case ListView::lvwColumnCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QModelIndex ListModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || row >= rows_ || column < 0 || column >= columns_) {
        return {};
    }
    return createIndex(row, column);
}

QModelIndex ListModel::parent(const QModelIndex&) const {
    return {};
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QModelIndex ListModel::IndexOfRow(std::int32_t listRow) const {
    return index(listRow - 1, 0);
}

bool ListModel::HasCell(int row, int column) const {
    return row >= 0 && row < rows_ && row < list_.RowCount() && column >= 0 && column < columns_ &&
           column < list_.ColumnCount();
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !HasCell(index.row(), index.column())) {
        return {};
    }
    const std::int32_t row = index.row() + 1;
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return FromCore(list_.CellText(row, column));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(AlignmentOf(list_.ColumnHeader(column + 1).alignment));
    case Qt::FontRole:
        if (column > 0 && list_.GetSubItem(row, column).bold) {
            return boldFont_;
        }
        return {};
    default:
        return {};
    }
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_ ||
        section >= list_.ColumnCount()) {
        return {};
    }
    const ListView::Column& column = list_.ColumnHeader(section + 1);
    switch (role) {
    case Qt::DisplayRole:
        return FromCore(column.text);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(AlignmentOf(column.alignment));
    case HeaderFormatRole:
        return column.headerFormat;
    case HeaderImageRole:
        return column.headerImage;
    default:
        return {};
    }
}

void ListModel::ListAboutToReset() {
    if (!resetting_) {
        resetting_ = true;
        beginResetModel();
    }
}

void ListModel::ListReset() {
    if (!resetting_) {
        beginResetModel();
    }
    rows_ = list_.RowCount();
    columns_ = list_.ColumnCount();
    resetting_ = false;
    endResetModel();
}

void ListModel::RowsAboutToBeInserted(std::int32_t first, std::int32_t last) {
    beginInsertRows({}, first - 1, last - 1);
    inserting_ = true;
}

void ListModel::RowsInserted() {
    if (!inserting_) {
        return;
    }
    inserting_ = false;
    rows_ = list_.RowCount();
    endInsertRows();
}

void ListModel::CellChanged(std::int32_t row, std::int32_t column) {
    const QModelIndex cell = index(row - 1, column);
    if (cell.isValid()) {
        emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::FontRole});
    }
}

void ListModel::HeaderChanged() {
    if (list_.ColumnCount() != columns_) {
        // Columns were added or removed: the views must rebuild their headers.
        ListReset();
        return;
    }
    if (columns_ > 0) {
        emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
    }
}

void ListModel::SelectionChanged(std::int32_t row) {
    emit selectionRequested(IndexOfRow(row));
}

void ListModel::ScrollToRequested(std::int32_t row) {
    const QModelIndex target = IndexOfRow(row);
    if (target.isValid()) {
        emit scrollRequested(target);
    }
}

void ListModel::ColumnWidthRequested(std::int32_t column) {
    emit columnWidthRequested(column);
}

void ListModel::EnabledChanged(bool enabled) {
    emit enabledChanged(enabled);
}

} // namespace veltrano::qt
