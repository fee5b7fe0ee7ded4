#include "platform/win32ui/TreePane.h"

#include "platform/win32/windows/WideText.h"

#include <algorithm>
#include <utility>

namespace veltrano::win32ui {

namespace {

constexpr UINT_PTR kSubclassId = 1;

// Sets a flag for the scope; restores the previous value.
class Raised {
public:
    explicit Raised(bool& flag) : flag_(flag), previous_(std::exchange(flag, true)) {}
    ~Raised() { flag_ = previous_; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

private:
    bool& flag_;
    bool previous_;
};

} // namespace

TreePane::TreePane(HWND parent, int id, controls::TreeView& tree, UINT clickMessage)
    : tree_(tree),
      window_(::CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"tvACT",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS |
                                    TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                                0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                ::GetModuleHandleW(nullptr), nullptr)),
      clickMessage_(clickMessage) {
    ::SetWindowSubclass(window_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    ::EnableWindow(window_, tree_.Enabled());
    tree_.SetListener(this);
}

TreePane::~TreePane() {
    tree_.SetListener(nullptr);
    ::RemoveWindowSubclass(window_, SubclassProc, kSubclassId);
}

LRESULT CALLBACK TreePane::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self) {
    if (message == WM_LBUTTONDOWN) {
        reinterpret_cast<TreePane*>(self)->mouseSelected_ = false;
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

void TreePane::SetImages(HIMAGELIST images, const controls::ImageList& keys) {
    imageKeys_ = &keys;
    TreeView_SetImageList(window_, images, TVSIL_NORMAL);
}

int TreePane::ImageOf(Index node) const {
    const int image = imageKeys_ != nullptr ? imageKeys_->IndexOf(tree_.Image(node)) : -1;
    return image >= 0 ? image : I_IMAGENONE;
}

bool TreePane::Populated(Index node) const {
    return node == 0 ||
           (static_cast<std::size_t>(node) < populated_.size() && populated_[node] != 0);
}

HTREEITEM TreePane::Item(Index node) const {
    return node > 0 && static_cast<std::size_t>(node) < items_.size() ? items_[node] : nullptr;
}

HTREEITEM TreePane::Insert(Index node) {
    const Index parent = tree_.Parent(node);
    const Index previous = tree_.Previous(node);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent == 0 ? TVI_ROOT : Item(parent);
    insert.hInsertAfter = previous == 0 ? TVI_FIRST : Item(previous);
    if (insert.hInsertAfter == nullptr) {
        insert.hInsertAfter = TVI_LAST;
    }
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = LPSTR_TEXTCALLBACKW;
    insert.item.cChildren = I_CHILDRENCALLBACK;
    insert.item.lParam = node;
    insert.item.iImage = insert.item.iSelectedImage = ImageOf(node);
    const auto item = reinterpret_cast<HTREEITEM>(
        ::SendMessageW(window_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    if (static_cast<std::size_t>(node) >= items_.size()) {
        items_.resize(static_cast<std::size_t>(tree_.Count()) + 1, nullptr);
    }
    items_[node] = item;
    return item;
}

void TreePane::Populate(Index node) {
    if (Populated(node)) {
        return;
    }
    if (populated_.size() <= static_cast<std::size_t>(node)) {
        populated_.resize(static_cast<std::size_t>(tree_.Count()) + 1, 0);
    }
    populated_[node] = 1;
    for (Index child = tree_.Child(node); child != 0; child = tree_.Next(child)) {
        Insert(child);
    }
}

HTREEITEM TreePane::Reveal(Index node) {
    if (HTREEITEM item = Item(node)) {
        return item;
    }
    std::vector<Index> chain;
    for (Index parent = tree_.Parent(node); parent != 0; parent = tree_.Parent(parent)) {
        chain.push_back(parent);
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        Populate(*it);
    }
    return Item(node);
}

void TreePane::TreeAboutToClear() {
    const Raised following(following_);
    TreeView_DeleteAllItems(window_);
    items_.clear();
    populated_.clear();
}

void TreePane::NodeAdded(Index node) {
    if (Populated(tree_.Parent(node))) {
        Insert(node);
    } else if (HTREEITEM parent = Item(tree_.Parent(node))) {
        // The parent may just have got its first child: its button is drawn from the model.
        RECT rect{};
        if (TreeView_GetItemRect(window_, parent, &rect, FALSE)) {
            ::InvalidateRect(window_, &rect, FALSE);
        }
    }
}

void TreePane::NodeChanged(Index node) {
    if (HTREEITEM item = Item(node)) {
        TVITEMW change{};
        change.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        change.hItem = item;
        change.pszText = LPSTR_TEXTCALLBACKW;
        change.iImage = change.iSelectedImage = ImageOf(node);
        ::SendMessageW(window_, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
    }
}

void TreePane::SelectionChanged(Index node) {
    const Raised following(following_);
    TreeView_SelectItem(window_, node == 0 ? nullptr : Reveal(node));
}

void TreePane::ExpandedChanged(Index node, bool expanded) {
    if (expanded) {
        if (HTREEITEM item = Reveal(node)) {
            Populate(node);
            TreeView_Expand(window_, item, TVE_EXPAND);
        }
    } else if (HTREEITEM item = Item(node)) {
        TreeView_Expand(window_, item, TVE_COLLAPSE);
    }
}

void TreePane::ScrollToRequested(Index node) {
    if (HTREEITEM item = Reveal(node)) {
        TreeView_EnsureVisible(window_, item);
    }
}

void TreePane::EnabledChanged(bool enabled) {
    if (EnabledAboutToChange) {
        EnabledAboutToChange(enabled);
    }
    ::EnableWindow(window_, enabled ? TRUE : FALSE);
}

void TreePane::RequestClick() {
    if (!clickPending_) {
        clickPending_ = true;
        ::PostMessageW(::GetParent(window_), clickMessage_, 0, 0);
    }
}

bool TreePane::TakeClick() noexcept {
    clickPending_ = false;
    return tree_.SelectedItem() != 0;
}

bool TreePane::OnNotify(const NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case TVN_GETDISPINFOW: {
        auto& info = const_cast<NMTVDISPINFOW&>(reinterpret_cast<const NMTVDISPINFOW&>(header));
        const auto node = static_cast<Index>(info.item.lParam);
        if (!tree_.Exists(node)) {
            return false;
        }
        if ((info.item.mask & TVIF_TEXT) != 0 && info.item.pszText != nullptr &&
            info.item.cchTextMax > 0) {
            const std::wstring text = win32::Widen(tree_.Text(node));
            const std::size_t length =
                std::min(text.size(), static_cast<std::size_t>(info.item.cchTextMax - 1));
            std::copy_n(text.data(), length, info.item.pszText);
            info.item.pszText[length] = L'\0';
        }
        if ((info.item.mask & TVIF_CHILDREN) != 0) {
            info.item.cChildren = tree_.Children(node) > 0 ? 1 : 0;
        }
        result = 0;
        return true;
    }
    case TVN_ITEMEXPANDINGW: {
        const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
        if ((change.action & TVE_EXPAND) != 0) {
            Populate(static_cast<Index>(change.itemNew.lParam));
        }
        result = FALSE;
        return true;
    }
    case TVN_ITEMEXPANDEDW: {
        const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
        const auto node = static_cast<Index>(change.itemNew.lParam);
        const bool expanded = (change.itemNew.state & TVIS_EXPANDED) != 0;
        if (tree_.Exists(node) && tree_.Expanded(node) != expanded) {
            tree_.SetExpanded(node, expanded);
        }
        result = 0;
        return true;
    }
    case TVN_SELCHANGEDW: {
        const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
        if (following_) {
            return false;
        }
        const auto node = static_cast<Index>(change.itemNew.lParam);
        {
            const Raised following(following_);
            tree_.SetSelected(tree_.Exists(node) ? node : 0);
        }
        if (change.action == TVC_BYMOUSE || change.action == TVC_BYKEYBOARD) {
            mouseSelected_ = change.action == TVC_BYMOUSE;
            RequestClick();
        }
        result = 0;
        return true;
    }
    case NM_CLICK: {
        // A click on the node that is already selected runs the node click again.
        if (std::exchange(mouseSelected_, false)) {
            return false;
        }
        TVHITTESTINFO hit{};
        const DWORD position = ::GetMessagePos();
        hit.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
        ::ScreenToClient(window_, &hit.pt);
        HTREEITEM item = TreeView_HitTest(window_, &hit);
        if (item != nullptr && (hit.flags & TVHT_ONITEM) != 0 &&
            item == TreeView_GetSelection(window_)) {
            RequestClick();
        }
        return false;
    }
    default:
        return false;
    }
}

} // namespace veltrano::win32ui
