#pragma once

#include "platform/controls/ListView.h"
#include "platform/qt/CopyableTreeView.h"
#include "platform/qt/ListModel.h"
#include "platform/qt/SortHeaderView.h"

#include <vector>

namespace veltrano::qt {

// The detail list lvACT in report form: rows over the ListModel, full-row selection, the
// sort-indicator header, and column widths taken from the control (pixels, the default width,
// or fitted to header and texts).
class ReportList final : public CopyableTreeView {
    Q_OBJECT

public:
    ReportList(controls::ListView& list, int defaultColumnWidth, QWidget* parent = nullptr);

    ListModel& Model() noexcept { return model_; }
    SortHeaderView& Header() noexcept { return *header_; }
    // The width LVSCW_AUTOSIZE_USEHEADER gives a 0-based column: its widest text or its header.
    int FittedWidth(int column) const;
    // The list's rows (1-based) that are selected, in the order shown.
    std::vector<std::int32_t> SelectedRows() const;

signals:
    void columnClicked(int column);                  // 1-based, as ColumnHeader.Index
    void rowDoubleClicked();                         // the control's selection is already that row
    void columnResizedByUser(int column, int width); // 0-based; the user dragged its edge

private:
    void ApplyColumnWidth(int column);
    void ApplyAllColumnWidths();
    void OnCurrentChanged(const QModelIndex& current);
    void OnSelectionRequested(const QModelIndex& index);
    void OnSectionResized(int column, int newSize);

    controls::ListView& list_;
    ListModel model_;
    SortHeaderView* header_; // owned by the view
    int defaultColumnWidth_;
    bool applyingWidths_ = false;
};

} // namespace veltrano::qt
