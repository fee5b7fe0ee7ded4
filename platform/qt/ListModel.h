#pragma once

#include "platform/controls/ListView.h"

#include <QAbstractItemModel>
#include <QFont>

namespace veltrano::qt {

// Shows a controls::ListView in report form to Qt views: one row per list item, one column per
// column header. Row and column counts are cached and change only inside begin/end calls, so the
// views never see the list half-changed.
class ListModel final : public QAbstractItemModel, private controls::ListView::Listener {
    Q_OBJECT

public:
    // Header data of the sort indicator, read by SortHeaderView.
    enum HeaderRole : int {
        HeaderFormatRole = Qt::UserRole + 1, // HDITEM fmt bits of the header item
        HeaderImageRole,                     // image number of the header item, -1 none
    };

    explicit ListModel(controls::ListView& list, QObject* parent = nullptr);
    ~ListModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Model rows are 0-based, list rows 1-based.
    static std::int32_t ListRowOf(const QModelIndex& index) {
        return index.isValid() ? index.row() + 1 : 0;
    }
    QModelIndex IndexOfRow(std::int32_t listRow) const;
    static Qt::Alignment AlignmentOf(int listAlignment);
    void SetBaseFont(const QFont& font);

signals:
    void selectionRequested(const QModelIndex& index);
    void scrollRequested(const QModelIndex& index);
    void columnWidthRequested(int column); // 0-based
    void enabledChanged(bool enabled);

private:
    void ListAboutToReset() override;
    void ListReset() override;
    void RowsAboutToBeInserted(std::int32_t first, std::int32_t last) override;
    void RowsInserted() override;
    void CellChanged(std::int32_t row, std::int32_t column) override;
    void HeaderChanged() override;
    void SelectionChanged(std::int32_t row) override;
    void ScrollToRequested(std::int32_t row) override;
    void ColumnWidthRequested(std::int32_t column) override;
    void EnabledChanged(bool enabled) override;

    bool HasCell(int row, int column) const;

    controls::ListView& list_;
    int rows_ = 0;
    int columns_ = 0;
    bool resetting_ = false;
    bool inserting_ = false;
    QFont boldFont_;
};

} // namespace veltrano::qt
