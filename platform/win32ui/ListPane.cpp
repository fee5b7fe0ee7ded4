#include "platform/win32ui/ListPane.h"

#include "platform/win32/windows/WideText.h"
#include "platform/win32ui/CellFonts.h"
#include "platform/win32ui/HeaderItems.h"

#include <algorithm>
#include <utility>

namespace veltrano::win32ui {

using controls::ListView;

namespace {

// Room beside a cell's text, as the list leaves it, and for the sort image beside a header's.
constexpr int kCellPadding = 12;
constexpr int kHeaderPadding = 20;
constexpr int kSortImageRoom = 9 + 6;

class Following {
public:
    explicit Following(bool& flag) : flag_(flag), previous_(std::exchange(flag, true)) {}
    ~Following() { flag_ = previous_; }
    Following(const Following&) = delete;
    Following& operator=(const Following&) = delete;

private:
    bool& flag_;
    bool previous_;
};

int TextWidth(HDC dc, const std::string& text) {
    const std::wstring wide = win32::Widen(text);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

} // namespace

ListPane::ListPane(HWND parent, int id, ListView& list)
    : list_(list), window_(::CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"lvACT",
                                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT |
                                                 LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                                             0, 0, 0, 0, parent,
                                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                             ::GetModuleHandleW(nullptr), nullptr)) {
    ListView_SetExtendedListViewStyle(window_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    ::EnableWindow(window_, list_.Enabled());
    list_.SetListener(this);
}

ListPane::~ListPane() {
    list_.SetListener(nullptr);
}

void ListPane::SetMetrics(HFONT font, int defaultColumnWidth) {
    font_ = font;
    LOGFONTW bold{};
    ::GetObjectW(font, sizeof(bold), &bold);
    bold.lfWeight = FW_BOLD;
    boldFont_.reset(::CreateFontIndirectW(&bold));
    defaultColumnWidth_ = defaultColumnWidth;
    ::SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ListReset();
}

void ListPane::SetSortImages(HIMAGELIST images) {
    Header_SetImageList(Header(), images);
}

int ListPane::FittedWidth(int column) const {
    HDC dc = ::GetDC(window_);
    int widest = 0;
    {
        const SelectedObject plain(dc,
                                   font_ != nullptr ? font_ : ::GetStockObject(DEFAULT_GUI_FONT));
        // Room for the sort image too, so that sorting by the column later cuts nothing off.
        widest =
            TextWidth(dc, list_.ColumnHeader(column + 1).text) + kHeaderPadding + kSortImageRoom;
        list_.ForEachCellToFit(column, [&](const std::string& text, bool bold) {
            if (bold && boldFont_) {
                const SelectedObject heavy(dc, boldFont_.get());
                widest = std::max(widest, TextWidth(dc, text) + kCellPadding);
            } else {
                widest = std::max(widest, TextWidth(dc, text) + kCellPadding);
            }
        });
    }
    ::ReleaseDC(window_, dc);
    return widest;
}

void ListPane::SyncColumns() {
    const int count = list_.ColumnCount();
    std::size_t same = 0;
    while (same < shown_.size() && same < static_cast<std::size_t>(count) &&
           shown_[same] ==
               ShownColumn{list_.ColumnHeader(static_cast<int>(same) + 1).text,
                           ColumnFormat(list_.ColumnHeader(static_cast<int>(same) + 1))}) {
        ++same;
    }
    for (auto column = static_cast<int>(shown_.size()) - 1; column >= static_cast<int>(same);
         --column) {
        ListView_DeleteColumn(window_, column);
    }
    shown_.resize(same);
    for (int column = static_cast<int>(same); column < count; ++column) {
        const ListView::Column& model = list_.ColumnHeader(column + 1);
        std::wstring text = win32::Widen(model.text);
        LVCOLUMNW inserted{};
        inserted.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        inserted.fmt = ColumnFormat(model);
        inserted.pszText = text.data();
        inserted.cx = defaultColumnWidth_;
        inserted.iSubItem = column;
        ::SendMessageW(window_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                       reinterpret_cast<LPARAM>(&inserted));
        shown_.push_back({model.text, inserted.fmt});
    }
}

void ListPane::ApplyColumnWidth(int column) {
    if (column < 0 || column >= list_.ColumnCount() || column >= static_cast<int>(shown_.size())) {
        return;
    }
    const int width = list_.ColumnHeader(column + 1).width;
    if (width == ListView::kAutoSizeUseHeader) {
        // Measured once and then kept in pixels, as the list control does: a re-sort or an
        // edited cell leaves the width alone. The model reports the pixels back here.
        list_.SetColumnWidth(column + 1, FittedWidth(column));
        return;
    }
    const Following following(following_);
    ListView_SetColumnWidth(window_, column, width >= 0 ? width : defaultColumnWidth_);
}

void ListPane::ApplyHeaderItems() {
    HWND header = Header();
    for (int column = 0; column < static_cast<int>(shown_.size()); ++column) {
        const ListView::Column& model = list_.ColumnHeader(column + 1);
        if (!HeaderItemWritten(model)) {
            continue;
        }
        HDITEMW item = HeaderItemOf(model);
        ::SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(column),
                       reinterpret_cast<LPARAM>(&item));
    }
}

void ListPane::ApplyRowCount() {
    ::SendMessageW(window_, LVM_SETITEMCOUNT, static_cast<WPARAM>(list_.RowCount()),
                   LVSICF_NOSCROLL);
}

int ListPane::SelectedRowOfControl() const {
    return ListView_GetNextItem(window_, -1, LVNI_SELECTED) + 1;
}

void ListPane::ApplySelection() {
    const Following following(following_);
    const std::int32_t row = list_.SelectedItem();
    if (SelectedRowOfControl() == row) {
        return;
    }
    ListView_SetItemState(window_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (row > 0) {
        ListView_SetItemState(window_, row - 1, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
    }
}

void ListPane::ListReset() {
    ::SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    SyncColumns();
    ApplyRowCount();
    for (int column = 0; column < static_cast<int>(shown_.size()); ++column) {
        ApplyColumnWidth(column);
    }
    ApplyHeaderItems();
    ApplySelection();
    ::SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(window_, nullptr, TRUE);
}

void ListPane::RowsInserted() {
    ApplyRowCount();
    ApplySelection();
}

void ListPane::CellChanged(std::int32_t row, std::int32_t) {
    ListView_RedrawItems(window_, row - 1, row - 1);
}

void ListPane::HeaderChanged() {
    // An alignment change shows in the column's format; the header items follow the model.
    for (int column = 0; column < static_cast<int>(shown_.size()); ++column) {
        const int format = ColumnFormat(list_.ColumnHeader(column + 1));
        if (shown_[column].format != format) {
            LVCOLUMNW change{};
            change.mask = LVCF_FMT;
            change.fmt = format;
            ::SendMessageW(window_, LVM_SETCOLUMNW, static_cast<WPARAM>(column),
                           reinterpret_cast<LPARAM>(&change));
            shown_[column].format = format;
        }
    }
    ApplyHeaderItems();
}

void ListPane::SelectionChanged(std::int32_t) {
    ApplySelection();
}

void ListPane::ScrollToRequested(std::int32_t row) {
    if (row > 0) {
        ListView_EnsureVisible(window_, row - 1, FALSE);
    }
}

void ListPane::ColumnWidthRequested(std::int32_t column) {
    ApplyColumnWidth(column);
}

void ListPane::EnabledChanged(bool enabled) {
    ::EnableWindow(window_, enabled ? TRUE : FALSE);
}

bool ListPane::OnNotify(const NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case LVN_GETDISPINFOW: {
        auto& info = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
        const int row = info.item.iItem + 1;
        const int column = info.item.iSubItem;
        if ((info.item.mask & LVIF_TEXT) != 0 && info.item.pszText != nullptr &&
            info.item.cchTextMax > 0) {
            std::wstring text;
            if (row >= 1 && row <= list_.RowCount() && column >= 0 &&
                column < std::max(1, list_.ColumnCount())) {
                text = win32::Widen(list_.CellText(row, column));
            }
            const std::size_t length =
                std::min(text.size(), static_cast<std::size_t>(info.item.cchTextMax - 1));
            std::copy_n(text.data(), length, info.item.pszText);
            info.item.pszText[length] = L'\0';
        }
        result = 0;
        return true;
    }
    case LVN_ITEMCHANGED: {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (!following_ && (change.uChanged & LVIF_STATE) != 0 &&
            ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) != 0) {
            const Following following(following_);
            list_.SetSelectedItem(SelectedRowOfControl());
        }
        result = 0;
        return true;
    }
    case NM_CUSTOMDRAW: {
        auto& draw = const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header));
        const CustomDrawAnswer answer =
            AnswerCustomDraw(list_, draw.nmcd.dwDrawStage, draw.nmcd.dwItemSpec, draw.iSubItem);
        if (answer.font == CellFont::Bold && boldFont_) {
            ::SelectObject(draw.nmcd.hdc, boldFont_.get());
        } else if (answer.font == CellFont::Normal && font_ != nullptr) {
            ::SelectObject(draw.nmcd.hdc, font_);
        }
        result = answer.result;
        return true;
    }
    case LVN_COLUMNCLICK: {
        const auto& click = reinterpret_cast<const NMLISTVIEW&>(header);
        if (ColumnClicked) {
            ColumnClicked(click.iSubItem + 1);
        }
        result = 0;
        return true;
    }
    case NM_DBLCLK: {
        const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(header);
        if (activate.iItem >= 0 && activate.iItem < list_.RowCount()) {
            {
                const Following following(following_);
                list_.SetSelectedItem(activate.iItem + 1);
            }
            if (RowDoubleClicked) {
                RowDoubleClicked();
            }
        }
        result = 0;
        return true;
    }
    case HDN_ITEMCHANGEDW:
    case HDN_ITEMCHANGEDA: {
        // A width the user dragged becomes the model's, so that a re-sort keeps it.
        const auto& change = reinterpret_cast<const NMHEADERW&>(header);
        if (!following_ && change.pitem != nullptr && (change.pitem->mask & HDI_WIDTH) != 0 &&
            change.iItem >= 0 && change.iItem < list_.ColumnCount()) {
            const Following following(following_);
            list_.SetColumnWidth(change.iItem + 1, change.pitem->cxy);
        }
        return false;
    }
    default:
        return false;
    }
}

} // namespace veltrano::win32ui
