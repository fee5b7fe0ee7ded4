#include "platform/controls/ListView.h"

#include <algorithm>
#include <utility>

namespace veltrano::controls {

namespace {

const ListView::SubItem kUnsetSubItem{};
const std::string kNoText;

char FoldAscii(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Negative, zero or positive as a sorts before, with or after b, ignoring ASCII case.
int CompareFolded(std::string_view a, std::string_view b) noexcept {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(FoldAscii(a[i]));
        const auto y = static_cast<unsigned char>(FoldAscii(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

void ListView::NotifyAboutToReset() {
    if (listener_ != nullptr) {
        listener_->ListAboutToReset();
    }
}

void ListView::NotifyReset() {
    if (listener_ != nullptr) {
        listener_->ListReset();
    }
}

// --- columns ---------------------------------------------------------------------------------

void ListView::ColumnHeadersClear() {
    NotifyAboutToReset();
    columns_.clear();
    // Sub-items live under columns; without columns nothing can reach them any more.
    for (Row& row : rows_) {
        row.subItems.clear();
    }
    NotifyReset();
}

std::int32_t ListView::ColumnHeadersAdd(std::string_view key, std::string_view text) {
    if (!key.empty() && std::any_of(columns_.begin(), columns_.end(),
                                    [key](const Column& c) { return c.key == key; })) {
        throw errors::Error(errors::kKeyNotUnique);
    }
    Column column;
    column.key = key;
    column.text = text;
    NotifyAboutToReset();
    columns_.push_back(std::move(column));
    NotifyReset();
    return ColumnCount();
}

const ListView::Column& ListView::ColumnHeader(std::int32_t index) const {
    if (index < 1 || index > ColumnCount()) {
        throw errors::Error(errors::kIndexOutOfBounds);
    }
    return columns_[static_cast<std::size_t>(index - 1)];
}

ListView::Column& ListView::MutableColumn(std::int32_t index) {
    return const_cast<Column&>(std::as_const(*this).ColumnHeader(index));
}

std::int32_t ListView::ColumnIndexByKey(std::string_view key) const {
    if (!key.empty()) {
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            if (columns_[i].key == key) {
                return static_cast<std::int32_t>(i + 1);
            }
        }
    }
    throw errors::Error(errors::kElementNotFound);
}

void ListView::SetColumnAlignment(std::int32_t index, int alignment) {
    Column& column = MutableColumn(index);
    if (alignment < lvwColumnLeft || alignment > lvwColumnCenter ||
        (index == 1 && alignment != lvwColumnLeft)) {
        throw errors::Error(errors::kInvalidPropertyValue);
    }
    if (column.alignment == alignment) {
        return;
    }
    column.alignment = alignment;
    if (listener_ != nullptr) {
        listener_->HeaderChanged();
    }
}

void ListView::SetColumnWidth(std::int32_t index, int width) {
    Column& column = MutableColumn(index);
    if (width < kAutoSizeUseHeader) {
        throw errors::Error(errors::kInvalidPropertyValue);
    }
    column.width = width;
    if (listener_ != nullptr) {
        listener_->ColumnWidthRequested(index - 1);
    }
}

void ListView::SetHeaderItem(std::int32_t index0, int format, int image) {
    Column& column = MutableColumn(index0 + 1);
    column.headerFormat = format;
    column.headerImage = image;
    if (listener_ != nullptr) {
        listener_->HeaderChanged();
    }
}

// --- rows ------------------------------------------------------------------------------------

void ListView::ListItemsClear() {
    NotifyAboutToReset();
    rows_.clear();
    rowKeys_.clear();
    selected_ = 0;
    NotifyReset();
}

std::int32_t ListView::ListItemsAdd(std::string_view key, std::string_view text) {
    if (!key.empty() && rowKeys_.find(key) != rowKeys_.end()) {
        throw errors::Error(errors::kKeyNotUnique);
    }
    Row row;
    row.key = key;
    row.text = text;
    // Stable: a new row goes behind the rows that sort equal to it.
    const auto place =
        sorted_ ? std::upper_bound(rows_.begin(), rows_.end(), row,
                                   [this](const Row& a, const Row& b) { return SortsBefore(a, b); })
                : rows_.end();
    const auto number = static_cast<std::int32_t>(place - rows_.begin()) + 1;
    if (rows_.size() == rows_.capacity()) { // may throw: before anything changed
        rows_.reserve(std::max<std::size_t>(16, rows_.capacity() * 2));
    }
    if (!key.empty()) {
        rowKeys_.emplace(key);
    }
    if (listener_ != nullptr) {
        listener_->RowsAboutToBeInserted(number, number);
    }
    rows_.insert(rows_.begin() + (number - 1), std::move(row));
    if (selected_ >= number) {
        ++selected_;
    }
    if (listener_ != nullptr) {
        listener_->RowsInserted();
    }
    return number;
}

const ListView::Row& ListView::Item(std::int32_t row) const {
    if (row < 1 || row > RowCount()) {
        throw errors::Error(errors::kIndexOutOfBounds);
    }
    return rows_[static_cast<std::size_t>(row - 1)];
}

ListView::Row& ListView::MutableRow(std::int32_t row) {
    return const_cast<Row&>(std::as_const(*this).Item(row));
}

const std::string& ListView::Text(std::int32_t row) const {
    return Item(row).text;
}

void ListView::CheckSubItem(std::int32_t sub) const {
    if (sub < 1 || sub >= ColumnCount()) {
        throw errors::Error(errors::kInvalidPropertyValue);
    }
}

const ListView::SubItem& ListView::GetSubItem(std::int32_t row, std::int32_t sub) const {
    const Row& r = Item(row);
    CheckSubItem(sub);
    const auto i = static_cast<std::size_t>(sub);
    return i < r.subItems.size() ? r.subItems[i] : kUnsetSubItem;
}

void ListView::ForEachCellToFit(
    std::int32_t column0, const std::function<void(const std::string&, bool)>& measure) const {
    const std::int32_t rows = RowCount();
    const std::int32_t step = std::max<std::int32_t>(1, rows / kMeasuredRows);
    const auto visit = [&](std::int32_t row) {
        const std::string& text = CellText(row, column0);
        if (!text.empty()) {
            measure(text, column0 > 0 && GetSubItem(row, column0).bold);
        }
    };
    for (std::int32_t row = 1; row <= rows; row += step) {
        visit(row);
    }
    if (rows > 0 && (rows - 1) % step != 0) {
        visit(rows);
    }
}

std::int32_t ListView::BoldSubItemCount() const noexcept {
    std::int32_t count = 0;
    for (const Row& row : rows_) {
        for (const SubItem& sub : row.subItems) {
            count += sub.bold ? 1 : 0;
        }
    }
    return count;
}

ListView::SubItem& ListView::MutableSubItem(std::int32_t row, std::int32_t sub) {
    Row& r = MutableRow(row);
    CheckSubItem(sub);
    const auto i = static_cast<std::size_t>(sub);
    if (i >= r.subItems.size()) {
        // Rows are filled cell by cell: room for all of them at once, not one more each time.
        r.subItems.reserve(std::max(i + 1, static_cast<std::size_t>(ColumnCount())));
        r.subItems.resize(i + 1);
    }
    return r.subItems[i];
}

void ListView::SetSubItemText(std::int32_t row, std::int32_t sub, std::string_view text) {
    if (GetSubItem(row, sub).text == text) {
        return;
    }
    MutableSubItem(row, sub).text = text;
    if (listener_ != nullptr) {
        listener_->CellChanged(row, sub);
    }
}

void ListView::SetSubItemBold(std::int32_t row, std::int32_t sub, bool bold) {
    if (GetSubItem(row, sub).bold == bold) {
        return;
    }
    MutableSubItem(row, sub).bold = bold;
    if (listener_ != nullptr) {
        listener_->CellChanged(row, sub);
    }
}

void ListView::SetSubItemTag(std::int32_t row, std::int32_t sub, std::string_view tag) {
    MutableSubItem(row, sub).tag = tag; // not shown, so nobody is told
}

const std::string& ListView::CellText(std::int32_t row, std::int32_t column0) const {
    return column0 == 0 ? Text(row) : GetSubItem(row, column0).text;
}

// --- selection, view -------------------------------------------------------------------------

std::int32_t ListView::SelectedItem() const noexcept {
    return selected_;
}

void ListView::SetSelectedItem(std::int32_t row) {
    if (row != 0) {
        Item(row);
    }
    if (row == selected_) {
        return;
    }
    if (selected_ != 0) {
        rows_[static_cast<std::size_t>(selected_ - 1)].selected = false;
    }
    if (row != 0) {
        rows_[static_cast<std::size_t>(row - 1)].selected = true;
    }
    selected_ = row;
    if (listener_ != nullptr) {
        listener_->SelectionChanged(row);
    }
}

void ListView::EnsureVisible(std::int32_t row) {
    Item(row);
    if (listener_ != nullptr) {
        listener_->ScrollToRequested(row);
    }
}

void ListView::SetEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (listener_ != nullptr) {
        listener_->EnabledChanged(enabled);
    }
}

// --- sorting ---------------------------------------------------------------------------------

void ListView::SetSorted(bool sorted) {
    sorted_ = sorted;
    if (sorted_) {
        Resort();
    }
}

void ListView::SetSortKey(int key) {
    if (key < 0 || key > 32767) {
        throw errors::Error(errors::kInvalidPropertyValue);
    }
    if (key == sortKey_) {
        return;
    }
    sortKey_ = key;
    if (sorted_) {
        Resort();
    }
}

void ListView::SetSortOrder(int order) {
    if (order != lvwAscending && order != lvwDescending) {
        throw errors::Error(errors::kInvalidPropertyValue);
    }
    if (order == sortOrder_) {
        return;
    }
    sortOrder_ = order;
    if (sorted_) {
        Resort();
    }
}

const std::string& ListView::SortText(const Row& row) const noexcept {
    if (sortKey_ == 0) {
        return row.text;
    }
    const auto i = static_cast<std::size_t>(sortKey_);
    return sortKey_ < ColumnCount() && i < row.subItems.size() ? row.subItems[i].text : kNoText;
}

bool ListView::SortsBefore(const Row& a, const Row& b) const noexcept {
    const int order = CompareFolded(SortText(a), SortText(b));
    return sortOrder_ == lvwDescending ? order > 0 : order < 0;
}

void ListView::Resort() {
    // The sort texts are sorted with their row numbers, then each row is moved once: moving
    // whole rows through the sort and reaching each text through its row touched far more memory.
    std::vector<std::pair<std::string_view, std::size_t>> order;
    order.reserve(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        order.emplace_back(SortText(rows_[i]), i);
    }
    const bool descending = sortOrder_ == lvwDescending;
    std::stable_sort(order.begin(), order.end(), [descending](const auto& a, const auto& b) {
        const int compared = CompareFolded(a.first, b.first);
        return descending ? compared > 0 : compared < 0;
    });
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    NotifyAboutToReset();
    for (const auto& entry : order) {
        sorted.push_back(std::move(rows_[entry.second]));
    }
    rows_.swap(sorted);
    if (selected_ != 0) {
        const auto it =
            std::find_if(rows_.begin(), rows_.end(), [](const Row& r) { return r.selected; });
        selected_ = static_cast<std::int32_t>(it - rows_.begin()) + 1;
    }
    NotifyReset();
}

} // namespace veltrano::controls
