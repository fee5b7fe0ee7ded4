#pragma once

// The detail list lvACT as a virtual common-controls ListView in report view: rows are read
// from the model by callback, full-row selection, bold sub-items by custom draw, header items
// with the sort images as the model writes them, and column widths taken from the model
// (pixels, the default width, or fitted to header and texts, which is then kept in pixels).

#include "platform/controls/ListView.h"
#include "platform/win32ui/Handles.h"

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace veltrano::win32ui {

class ListPane final : private controls::ListView::Listener {
public:
    ListPane(HWND parent, int id, controls::ListView& list);
    ~ListPane() override;
    ListPane(const ListPane&) = delete;
    ListPane& operator=(const ListPane&) = delete;

    HWND Handle() const noexcept { return window_; }
    HWND Header() const noexcept { return ListView_GetHeader(window_); }
    // Fonts and sizes at the window's DPI; the sort images are ilSortierung's two triangles.
    void SetMetrics(HFONT font, int defaultColumnWidth);
    void SetSortImages(HIMAGELIST images);

    std::function<void(int column)> ColumnClicked; // 1-based, as ColumnHeader.Index
    std::function<void()> RowDoubleClicked;        // the model's selection is already that row

    // WM_NOTIFY from the list or its header; true when handled (result set).
    bool OnNotify(const NMHDR& header, LRESULT& result);
    // The width LVSCW_AUTOSIZE_USEHEADER gives a 0-based column: its widest text or its header.
    int FittedWidth(int column) const;

private:
    struct ShownColumn {
        std::string text;
        int format = 0;
        bool operator==(const ShownColumn&) const = default;
    };

    void ListReset() override;
    void RowsInserted() override;
    void CellChanged(std::int32_t row, std::int32_t column) override;
    void HeaderChanged() override;
    void SelectionChanged(std::int32_t row) override;
    void ScrollToRequested(std::int32_t row) override;
    void ColumnWidthRequested(std::int32_t column) override;
    void EnabledChanged(bool enabled) override;

    void SyncColumns();
    void ApplyColumnWidth(int column);
    void ApplyHeaderItems();
    void ApplySelection();
    void ApplyRowCount();
    int SelectedRowOfControl() const;

    controls::ListView& list_;
    HWND window_;
    HFONT font_ = nullptr;
    UniqueFont boldFont_;
    int defaultColumnWidth_ = 96;
    std::vector<ShownColumn> shown_;
    bool following_ = false; // the control is taking over the model's own change
};

} // namespace veltrano::win32ui
