#include "platform/qt/ReportList.h"

#include "platform/qt/QtText.h"

#include <QScopedValueRollback>

#include <algorithm>

namespace veltrano::qt {

using controls::ListView;

ReportList::ReportList(ListView& list, int defaultColumnWidth, QWidget* parent)
    : CopyableTreeView(parent), list_(list), model_(list), header_(new SortHeaderView(this)),
      defaultColumnWidth_(defaultColumnWidth) {
    setObjectName(QStringLiteral("lvACT"));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Several rows for the copy keys; the current row alone is the control's SelectedItem.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setHeader(header_);
    header_->setDefaultSectionSize(defaultColumnWidth_);
    model_.SetBaseFont(font());
    setModel(&model_);
    header_->setSectionsClickable(true); // after setModel and setSortingEnabled, which reset it
    setEnabled(list_.Enabled());

    connect(header_, &QHeaderView::sectionClicked, this,
            [this](int section) { emit columnClicked(section + 1); });
    connect(header_, &QHeaderView::sectionResized, this,
            [this](int column, int, int newSize) { OnSectionResized(column, newSize); });
    connect(this, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        list_.SetSelectedItem(ListModel::ListRowOf(index));
        emit rowDoubleClicked();
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnCurrentChanged(current); });

    connect(&model_, &QAbstractItemModel::modelReset, this, [this] {
        ApplyAllColumnWidths();
        OnSelectionRequested(model_.IndexOfRow(list_.SelectedItem()));
    });
    connect(&model_, &ListModel::selectionRequested, this, &ReportList::OnSelectionRequested);
    connect(&model_, &ListModel::scrollRequested, this,
            [this](const QModelIndex& index) { scrollTo(index); });
    connect(&model_, &ListModel::columnWidthRequested, this, &ReportList::ApplyColumnWidth);
    connect(&model_, &ListModel::enabledChanged, this, &QWidget::setEnabled);
    ApplyAllColumnWidths();
}

std::vector<std::int32_t> ReportList::SelectedRows() const {
    std::vector<std::int32_t> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        rows.push_back(ListModel::ListRowOf(index));
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int ReportList::FittedWidth(int column) const {
    const QFontMetrics plain(font());
    QFont boldFont = font();
    boldFont.setBold(true);
    const QFontMetrics bold(boldFont);
    const int cellPadding = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 6;

    const ListView::Column& header = list_.ColumnHeader(column + 1);
    // Room for the sort indicator too, so that sorting by the column later cuts nothing off.
    int widest = header_->fontMetrics().horizontalAdvance(FromCore(header.text)) +
                 2 * header_->TextMargin() + SortHeaderView::kTriangleWidth +
                 SortHeaderView::kTriangleGap;

    list_.ForEachCellToFit(column, [&](const std::string& text, bool isBold) {
        const QFontMetrics& metrics = isBold ? bold : plain;
        widest = std::max(widest, metrics.horizontalAdvance(FromCore(text)) + cellPadding);
    });
    return widest;
}

void ReportList::ApplyColumnWidth(int column) {
    if (column < 0 || column >= model_.columnCount() || column >= list_.ColumnCount()) {
        return;
    }
    const int width = list_.ColumnHeader(column + 1).width;
    if (width == ListView::kAutoSizeUseHeader) {
        // Measured once and then kept in pixels, as the list control does: a re-sort or an
        // edited cell leaves the width alone. The control reports the pixels back here.
        list_.SetColumnWidth(column + 1, FittedWidth(column));
        return;
    }
    const QScopedValueRollback<bool> guard(applyingWidths_, true);
    header_->resizeSection(column, width >= 0 ? width : defaultColumnWidth_);
}

void ReportList::ApplyAllColumnWidths() {
    for (int column = 0; column < model_.columnCount(); ++column) {
        ApplyColumnWidth(column);
    }
}

void ReportList::OnSectionResized(int column, int newSize) {
    // A width the user dragged becomes the control's, so that a re-sort keeps it.
    if (applyingWidths_ || column >= list_.ColumnCount()) {
        return;
    }
    const QScopedValueRollback<bool> guard(applyingWidths_, true);
    list_.SetColumnWidth(column + 1, newSize);
    emit columnResizedByUser(column, newSize);
}

void ReportList::OnCurrentChanged(const QModelIndex& current) {
    const std::int32_t row = ListModel::ListRowOf(current);
    if (row != list_.SelectedItem()) {
        list_.SetSelectedItem(row);
    }
}

void ReportList::OnSelectionRequested(const QModelIndex& index) {
    if (!index.isValid()) {
        selectionModel()->clear();
        return;
    }
    if (currentIndex().row() != index.row()) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
    }
}

} // namespace veltrano::qt
