#include "platform/controls/TreeView.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
#include <stdexcept>

namespace veltrano::controls {

namespace {} // namespace

TreeView::TreeView() = default;

std::int32_t TreeView::Count() const noexcept {
    return count_;
}

const TreeView::Node& TreeView::At(Index node) const {
    if (!Exists(node)) {
        throw errors::Error(errors::kIndexOutOfBounds);
    }
    return Ref(node);
}

TreeView::Node& TreeView::At(Index node) {
    if (!Exists(node)) {
        throw errors::Error(errors::kIndexOutOfBounds);
    }
    return Ref(node);
}

TreeView::Chain TreeView::ChainOf(Index parent) {
    if (parent == 0) {
        return {firstRoot_, lastRoot_, rootCount_};
    }
    Node& p = Ref(parent);
    return {p.firstChild, p.lastChild, p.childCount};
}

TreeView::Index TreeView::Add(Index relative, int relationship, std::string_view key,
                              std::string_view text, std::string_view image) {
    if (relative != 0 && !Exists(relative)) {
        throw errors::Error(errors::kIndexOutOfBounds);
    }
    if (relationship < tvwFirst || relationship > tvwChild) {
        throw errors::Error(errors::kInvalidPropertyValue);
    }
    if (Find(key) != 0) {
        throw errors::Error(errors::kKeyNotUnique);
    }
    if (count_ == std::numeric_limits<Index>::max()) {
        throw std::length_error("The tree holds the most nodes it can number");
    }

    Index parent = 0;
    Index before = 0; // the sibling the new node goes in front of; 0 = at the end
    if (relative != 0) {
        const Node& rel = Ref(relative);
        parent = relationship == tvwChild ? relative : rel.parent;
        if (relationship == tvwFirst) {
            before = FirstSibling(relative);
        } else if (relationship == tvwNext) {
            before = rel.next;
        } else if (relationship == tvwPrevious) {
            before = relative;
        }
    }
    const std::int32_t row = before != 0 ? Ref(before).row : ChainOf(parent).count;

    // Everything that can fail happens before the listener hears of the change.
    const std::uint32_t imageId = images_.Intern(image);
    if (!key.empty()) {
        keys_.ReserveOneMore();
    }
    if (static_cast<std::size_t>(count_) == blocks_.size() * kBlockSize) {
        blocks_.push_back(std::make_unique<Node[]>(kBlockSize));
    }
    // Stored texts never move, so key and text may be views of this tree's texts. A refused
    // node leaves its copies unused, nothing else.
    const std::uint32_t keyPlace = texts_.Append(key);
    const std::uint32_t textPlace = texts_.Append(text);

    if (listener_ != nullptr) {
        listener_->NodeAboutToBeAdded(parent, row);
    }
    Node node;
    node.keyPlace = keyPlace;
    node.keyLength = static_cast<std::uint32_t>(key.size());
    node.textPlace = textPlace;
    node.textLength = static_cast<std::uint32_t>(text.size());
    node.image = imageId;
    const Index index = ++count_;
    Ref(index) = node;
    Link(index, parent, before);
    if (!key.empty()) {
        keys_.Insert(index, internal::KeyIndex::Hash(key));
    }
    if (listener_ != nullptr) {
        listener_->NodeAdded(index);
    }
    return index;
}

void TreeView::Link(Index node, Index parent, Index before) noexcept {
    Node& n = Ref(node);
    Chain chain = ChainOf(parent);
    n.parent = parent;
    if (before == 0) {
        n.prev = chain.last;
        n.next = 0;
        n.row = chain.count;
        if (chain.last != 0) {
            Ref(chain.last).next = node;
        } else {
            chain.first = node;
        }
        chain.last = node;
    } else {
        Node& b = Ref(before);
        n.prev = b.prev;
        n.next = before;
        n.row = b.row;
        if (b.prev != 0) {
            Ref(b.prev).next = node;
        } else {
            chain.first = node;
        }
        b.prev = node;
        Renumber(before, n.row + 1);
        ForgetCursors(); // rows behind the new node moved; appending moves none
    }
    ++chain.count;
}

void TreeView::Renumber(Index firstOfRun, std::int32_t startRow) noexcept {
    for (Index i = firstOfRun; i != 0; i = Ref(i).next) {
        Ref(i).row = startRow++;
    }
}

void TreeView::Clear() {
    if (listener_ != nullptr) {
        listener_->TreeAboutToClear();
    }
    std::vector<std::unique_ptr<Node[]>>().swap(blocks_);
    count_ = 0;
    texts_.Clear();
    tags_.Clear();
    images_.Clear();
    keys_.Clear();
    firstRoot_ = lastRoot_ = 0;
    rootCount_ = 0;
    selected_ = 0;
    ++generation_;
    ForgetCursors();
    if (listener_ != nullptr) {
        listener_->TreeCleared();
    }
}

TreeView::Index TreeView::Find(std::string_view key) const {
    if (key.empty()) {
        return 0;
    }
    return keys_.Find(key, internal::KeyIndex::Hash(key), [this](Index n) {
        const Node& node = Ref(n);
        return StoredText(node.keyPlace, node.keyLength);
    });
}

TreeView::Index TreeView::ByKey(std::string_view key) const {
    const Index node = Find(key);
    if (node == 0) {
        throw errors::Error(errors::kElementNotFound);
    }
    return node;
}

std::string_view TreeView::Text(Index node) const {
    const Node& n = At(node);
    return StoredText(n.textPlace, n.textLength);
}

void TreeView::SetText(Index node, std::string_view text) {
    Node& n = At(node);
    if (StoredText(n.textPlace, n.textLength) == text) {
        return;
    }
    if (text.size() <= n.textLength) {
        texts_.Overwrite(n.textPlace, text); // the old place is long enough
    } else {
        n.textPlace = texts_.Append(text);
    }
    n.textLength = static_cast<std::uint32_t>(text.size());
    if (listener_ != nullptr) {
        listener_->NodeChanged(node);
    }
}

std::string_view TreeView::Key(Index node) const {
    const Node& n = At(node);
    return StoredText(n.keyPlace, n.keyLength);
}

std::string_view TreeView::Tag(Index node) const {
    return tags_.At(At(node).tag);
}

void TreeView::SetTag(Index node, std::string_view tag) {
    Node& n = At(node);
    const std::uint32_t id = tags_.Intern(tag);
    if (id == n.tag) {
        return;
    }
    n.tag = id;
    if (listener_ != nullptr) {
        listener_->NodeChanged(node);
    }
}

std::string_view TreeView::Image(Index node) const {
    return images_.At(At(node).image);
}

TreeView::Index TreeView::Parent(Index node) const {
    return At(node).parent;
}

TreeView::Index TreeView::Child(Index node) const {
    return At(node).firstChild;
}

TreeView::Index TreeView::FirstSibling(Index node) const {
    const Index parent = At(node).parent;
    return parent == 0 ? firstRoot_ : Ref(parent).firstChild;
}

TreeView::Index TreeView::LastSibling(Index node) const {
    const Index parent = At(node).parent;
    return parent == 0 ? lastRoot_ : Ref(parent).lastChild;
}

TreeView::Index TreeView::Next(Index node) const {
    return At(node).next;
}

TreeView::Index TreeView::Previous(Index node) const {
    return At(node).prev;
}

std::int32_t TreeView::Children(Index node) const {
    return At(node).childCount;
}

std::int32_t TreeView::Row(Index node) const {
    return At(node).row;
}

TreeView::Index TreeView::ChildAt(Index parent, std::int32_t row) const {
    const Node* p = parent == 0 ? nullptr : &At(parent);
    const std::int32_t count = p != nullptr ? p->childCount : rootCount_;
    if (row < 0 || row >= count) {
        return 0;
    }
    // Walk from the nearest known place: the first child, the last one or a cursor.
    Index node = p != nullptr ? p->firstChild : firstRoot_;
    std::int32_t at = 0;
    if (count - 1 - row < row) {
        node = p != nullptr ? p->lastChild : lastRoot_;
        at = count - 1;
    }
    Cursor* mine = nullptr;
    for (Cursor& cursor : cursors_) {
        if (cursor.parent == parent) {
            mine = &cursor;
            if (std::abs(row - cursor.row) < std::abs(row - at)) {
                node = cursor.node;
                at = cursor.row;
            }
        }
    }
    for (; at < row; ++at) {
        node = Ref(node).next;
    }
    for (; at > row; --at) {
        node = Ref(node).prev;
    }
    if (mine == nullptr) {
        mine = &cursors_[nextCursor_];
        nextCursor_ = (nextCursor_ + 1) % cursors_.size();
    }
    *mine = Cursor{parent, node, row};
    return node;
}

bool TreeView::Expanded(Index node) const {
    return At(node).expanded;
}

void TreeView::SetExpanded(Index node, bool expanded) {
    Node& n = At(node);
    if (n.expanded == expanded) {
        return;
    }
    n.expanded = expanded;
    if (listener_ != nullptr) {
        listener_->ExpandedChanged(node, expanded);
    }
}

void TreeView::EnsureVisible(Index node) {
    std::vector<Index> ancestors;
    for (Index p = At(node).parent; p != 0; p = Ref(p).parent) {
        ancestors.push_back(p);
    }
    // Outermost first, so a view never expands a node whose parent it still hides.
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it) {
        SetExpanded(*it, true);
    }
    if (listener_ != nullptr) {
        listener_->ScrollToRequested(node);
    }
}

void TreeView::SetSelected(Index node) {
    if (node != 0) {
        At(node);
    }
    if (node == selected_) {
        return;
    }
    selected_ = node;
    if (listener_ != nullptr) {
        listener_->SelectionChanged(node);
    }
}

void TreeView::SetEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (listener_ != nullptr) {
        listener_->EnabledChanged(enabled);
    }
}

std::size_t TreeView::MemoryUsage() const noexcept {
    return blocks_.size() * kBlockSize * sizeof(Node) +
           blocks_.capacity() * sizeof(std::unique_ptr<Node[]>) + texts_.MemoryUsage() +
           keys_.MemoryUsage() + tags_.MemoryUsage() + images_.MemoryUsage();
}

} // namespace veltrano::controls
