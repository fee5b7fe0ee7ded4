#pragma once

#include "platform/controls/ControlError.h"
#include "platform/controls/ListenerSlot.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace veltrano::controls {

// The report list's data and behaviour: columns, rows with sub-items, selection, the list's
// own stable text sort, and the header item formats that draw the sort indicators.
class ListView {
public:
    enum Alignment : int { lvwColumnLeft = 0, lvwColumnRight = 1, lvwColumnCenter = 2 };
    enum SortOrderValue : int { lvwAscending = 0, lvwDescending = 1 };
    static constexpr int lvwReport = 3;
    static constexpr int kAutoSizeUseHeader = -2; // LVSCW_AUTOSIZE_USEHEADER

    // Header item format bits (HDITEM.fmt).
    static constexpr int HDF_LEFT = 0x0000;
    static constexpr int HDF_RIGHT = 0x0001;
    static constexpr int HDF_IMAGE = 0x0800;
    static constexpr int HDF_BITMAP_ON_RIGHT = 0x1000;
    static constexpr int HDF_STRING = 0x4000;

    struct Column {
        std::string key;
        std::string text;
        int alignment = lvwColumnLeft;
        int width = -1; // -1: the list's default width; kAutoSizeUseHeader: fit to texts
        int headerFormat = HDF_STRING; // last format written to the header item
        int headerImage = -1;          // image number of the header item, -1 none
    };
    struct SubItem {
        std::string text;
        bool bold = false;
        std::string tag;
    };
    struct Row {
        std::string key;
        std::string text;
        // Index 0 unused: sub-items are 1-based. Stored lazily: the vector may be shorter than
        // the columns, and a missing sub-item reads as "".
        std::vector<SubItem> subItems;
        bool selected = false;
    };

    class Listener {
    public:
        virtual ~Listener() = default;
        virtual void ListAboutToReset() {}
        // Columns or rows replaced, or re-sorted.
        virtual void ListReset() {}
        // Rows are 1-based here and below; columns 0-based (0 = the row text).
        virtual void RowsAboutToBeInserted(std::int32_t /*first*/, std::int32_t /*last*/) {}
        virtual void RowsInserted() {}
        virtual void CellChanged(std::int32_t /*row*/, std::int32_t /*column*/) {}
        // Column alignment or header item format changed.
        virtual void HeaderChanged() {}
        virtual void SelectionChanged(std::int32_t /*row*/) {} // 0 = none
        virtual void ScrollToRequested(std::int32_t /*row*/) {}
        virtual void ColumnWidthRequested(std::int32_t /*column*/) {} // 0-based
        virtual void EnabledChanged(bool /*enabled*/) {}
    };

    void SetListener(Listener* listener) { listener_ = internal::Attach(listener_, listener); }

    // ColumnHeaders. Column numbers are 1-based as in ColumnHeaders(i).
    void ColumnHeadersClear();
    std::int32_t ColumnHeadersAdd(std::string_view key, std::string_view text); // returns Index
    std::int32_t ColumnCount() const noexcept { return static_cast<std::int32_t>(columns_.size()); }
    const Column& ColumnHeader(std::int32_t index) const;      // 35600 when out of range
    std::int32_t ColumnIndexByKey(std::string_view key) const; // 35601 when absent
    // The first column is always left-aligned: another alignment for it raises 380.
    void SetColumnAlignment(std::int32_t index, int alignment);
    // LVM_SETCOLUMNWIDTH semantics with the 1-based column number: a width in pixels, or
    // kAutoSizeUseHeader (-2), which the front end resolves by measuring; below -2 raises 380.
    void SetColumnWidth(std::int32_t index, int width);
    // HDM_SETITEM with HDI_FORMAT | HDI_IMAGE; index is 0-based like the message.
    void SetHeaderItem(std::int32_t index0, int format, int image);

    // ListItems. Row numbers are 1-based.
    void ListItemsClear();
    // Adds a row; a duplicate non-empty key raises 35602. With Sorted true the row goes to its
    // sorted place. Returns the row's number.
    std::int32_t ListItemsAdd(std::string_view key, std::string_view text);
    std::int32_t RowCount() const noexcept { return static_cast<std::int32_t>(rows_.size()); }
    const Row& Item(std::int32_t row) const; // 35600 when out of range
    const std::string& Text(std::int32_t row) const;
    // Sub-items 1 .. ColumnCount()-1; others raise ControlError 380. Unset sub-items read "".
    const SubItem& GetSubItem(std::int32_t row, std::int32_t sub) const;
    // Sub-items whose Bold is set, in all rows.
    std::int32_t BoldSubItemCount() const noexcept;
    void SetSubItemText(std::int32_t row, std::int32_t sub, std::string_view text);
    void SetSubItemBold(std::int32_t row, std::int32_t sub, bool bold);
    void SetSubItemTag(std::int32_t row, std::int32_t sub, std::string_view tag);
    // Cell text by 0-based column (0 = row text).
    const std::string& CellText(std::int32_t row, std::int32_t column0) const;
    // Rows measured at most when a column is fitted to its texts; a longer list is sampled.
    static constexpr std::int32_t kMeasuredRows = 4000;
    // The non-empty cells of a column (0-based) that decide its fitted width, with their Bold:
    // every row of a short list, an even sample and the last row of a long one.
    void ForEachCellToFit(std::int32_t column0,
                          const std::function<void(const std::string&, bool)>& measure) const;

    std::int32_t SelectedItem() const noexcept; // 0 when none
    void SetSelectedItem(std::int32_t row);     // 0 clears
    void EnsureVisible(std::int32_t row);

    // Sorting: while Sorted is true the rows stay stably ordered by the text of column SortKey
    // (compared ignoring ASCII case). Setting Sorted true, changing SortKey or SortOrder while it
    // is true, and adding a row while it is true sort; editing a cell does not. SortKey 0 is the
    // row text, k sub-item k; a key beyond the columns keeps the order. The selection follows
    // its row.
    bool Sorted() const noexcept { return sorted_; }
    void SetSorted(bool sorted);
    int SortKey() const noexcept { return sortKey_; }
    void SetSortKey(int key);
    int SortOrder() const noexcept { return sortOrder_; }
    void SetSortOrder(int order);

    int View() const noexcept { return lvwReport; }
    bool FullRowSelect() const noexcept { return fullRowSelect_; }
    void SetFullRowSelect(bool on) noexcept { fullRowSelect_ = on; }
    bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool enabled);
    // Stand-in for the header control's window handle: never 0 once the list exists.
    std::intptr_t HeaderHandle() const noexcept { return reinterpret_cast<std::intptr_t>(this); }

private:
    struct KeyHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const noexcept {
            return std::hash<std::string_view>{}(key);
        }
    };

    void Resort();
    // Sorting text of a row: the text of column sortKey_, "" beyond the columns.
    const std::string& SortText(const Row& row) const noexcept;
    bool SortsBefore(const Row& a, const Row& b) const noexcept;
    Column& MutableColumn(std::int32_t index);
    Row& MutableRow(std::int32_t row);
    SubItem& MutableSubItem(std::int32_t row, std::int32_t sub);
    void CheckSubItem(std::int32_t sub) const;
    void NotifyAboutToReset();
    void NotifyReset();

    std::vector<Column> columns_;
    std::vector<Row> rows_;
    std::unordered_set<std::string, KeyHash, std::equal_to<>> rowKeys_;
    std::int32_t selected_ = 0;
    bool sorted_ = false;
    int sortKey_ = 0;
    int sortOrder_ = lvwAscending;
    bool fullRowSelect_ = false;
    bool enabled_ = true;
    Listener* listener_ = nullptr;
};

} // namespace veltrano::controls
