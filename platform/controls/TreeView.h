#pragma once

#include "platform/controls/ControlError.h"
#include "platform/controls/ListenerSlot.h"
#include "platform/controls/TreeStorage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano::controls {

// The tree control's data and behaviour. Nodes are addressed by their tree-wide 1-based Index
// (32-bit; 0 means "no node"). Storage is compact: one small record per node, texts in shared
// fixed-size chunks, tags and image keys interned.
class TreeView {
public:
    using Index = std::int32_t;

    enum Relationship : int {
        tvwFirst = 0,
        tvwLast = 1,
        tvwNext = 2,
        tvwPrevious = 3,
        tvwChild = 4
    };
    enum LabelEditMode : int { tvwAutomatic = 0, tvwManual = 1 };

    // Receives every change so that a view can follow the model.
    class Listener {
    public:
        virtual ~Listener() = default;
        virtual void TreeAboutToClear() {}
        virtual void TreeCleared() {}
        // parent 0 = top level; row = 0-based position among its siblings.
        virtual void NodeAboutToBeAdded(Index /*parent*/, std::int32_t /*row*/) {}
        virtual void NodeAdded(Index /*node*/) {}
        virtual void NodeChanged(Index /*node*/) {}
        virtual void SelectionChanged(Index /*node*/) {}
        virtual void ExpandedChanged(Index /*node*/, bool /*expanded*/) {}
        virtual void ScrollToRequested(Index /*node*/) {}
        virtual void EnabledChanged(bool /*enabled*/) {}
    };

    TreeView();

    void SetListener(Listener* listener) { listener_ = internal::Attach(listener_, listener); }

    // Nodes.Add(relative, relationship, key, text, image). relative 0 appends a top-level node;
    // otherwise tvwChild appends a last child of relative, and tvwFirst, tvwLast, tvwNext and
    // tvwPrevious place the node among relative's siblings. A duplicate non-empty key raises
    // ControlError 35602, an unknown relative 35600, an unknown relationship 380.
    Index Add(Index relative, int relationship, std::string_view key, std::string_view text,
              std::string_view image = {});
    void Clear();
    // Counts the Clear calls, so that a saved index can tell a node of an earlier tree.
    std::uint64_t Generation() const noexcept { return generation_; }
    std::int32_t Count() const noexcept;
    bool Exists(Index node) const noexcept { return node >= 1 && node <= Count(); }
    // Lookup by key: 0 when absent.
    Index Find(std::string_view key) const;
    // Lookup by key that raises 35601 when absent (Nodes("key")).
    Index ByKey(std::string_view key) const;

    // Node properties. An index that names no node raises ControlError 35600. The views stay
    // valid until the tree is next changed.
    std::string_view Text(Index node) const;
    void SetText(Index node, std::string_view text);
    std::string_view Key(Index node) const;
    std::string_view Tag(Index node) const;
    void SetTag(Index node, std::string_view tag);
    std::string_view Image(Index node) const;

    Index Parent(Index node) const;       // 0 for a top-level node
    Index Child(Index node) const;        // first child, 0 when none
    Index FirstSibling(Index node) const; // first node of the same parent
    Index LastSibling(Index node) const;
    Index Next(Index node) const;     // next sibling, 0 at the end
    Index Previous(Index node) const; // previous sibling, 0 at the start
    std::int32_t Children(Index node) const;
    // 0-based position of a node among its siblings.
    std::int32_t Row(Index node) const;
    // The row-th child of parent (0 = top level), 0 when out of range. Sequential access is O(1).
    Index ChildAt(Index parent, std::int32_t row) const;
    Index Root() const noexcept { return firstRoot_; }
    std::int32_t RootCount() const noexcept { return rootCount_; }

    bool Expanded(Index node) const;
    void SetExpanded(Index node, bool expanded);
    // Expands every ancestor and asks the view to scroll the node into sight.
    void EnsureVisible(Index node);

    Index SelectedItem() const noexcept { return selected_; }
    void SetSelected(Index node); // 0 clears the selection

    int LabelEdit() const noexcept { return labelEdit_; }
    void SetLabelEdit(int mode) noexcept { labelEdit_ = mode; }
    bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool enabled);

    // Memory held by the node records, the text chunks and the key map (for measurement).
    std::size_t MemoryUsage() const noexcept;

private:
    struct Node {
        Index parent = 0;
        Index firstChild = 0;
        Index lastChild = 0;
        Index next = 0;
        Index prev = 0;
        std::int32_t childCount = 0;
        std::int32_t row = 0;
        std::uint32_t textPlace = 0; // in texts_
        std::uint32_t textLength = 0;
        std::uint32_t keyPlace = 0;
        std::uint32_t keyLength = 0; // 0 = no key
        std::uint32_t tag = 0;       // interned; 0 = no tag
        std::uint32_t image = 0;     // interned; 0 = no image
        bool expanded = false;
    };
    static_assert(sizeof(Node) < 64, "a million nodes must stay compact");
    // The sibling chain of a parent (0 = the top level).
    struct Chain {
        Index& first;
        Index& last;
        std::int32_t& count;
    };

    const Node& At(Index node) const; // checked: 35600 when no such node
    Node& At(Index node);
    const Node& Ref(Index node) const noexcept {
        const auto at = static_cast<std::size_t>(node - 1);
        return blocks_[at >> kBlockShift][at & (kBlockSize - 1)];
    }
    Node& Ref(Index node) noexcept {
        return const_cast<Node&>(static_cast<const TreeView&>(*this).Ref(node));
    }
    Chain ChainOf(Index parent);
    std::string_view StoredText(std::uint32_t place, std::uint32_t length) const noexcept {
        return texts_.View(place, length);
    }
    void Link(Index node, Index parent, Index before) noexcept; // before 0 = append
    void Renumber(Index firstOfRun, std::int32_t startRow) noexcept;
    void ForgetCursors() const noexcept { cursors_.fill(Cursor{}); }

    // Node records in blocks of a fixed size: a growing tree never copies its nodes and never
    // holds more than one block of unused records (a doubling vector may hold as many unused
    // records as used ones).
    static constexpr std::size_t kBlockShift = 10;
    static constexpr std::size_t kBlockSize = std::size_t{1} << kBlockShift;
    std::vector<std::unique_ptr<Node[]>> blocks_;
    std::int32_t count_ = 0;
    internal::TextChunks texts_;
    internal::StringPool tags_;
    internal::StringPool images_;
    internal::KeyIndex keys_;
    Index firstRoot_ = 0;
    Index lastRoot_ = 0;
    std::int32_t rootCount_ = 0;
    Index selected_ = 0;
    std::uint64_t generation_ = 0;
    int labelEdit_ = tvwAutomatic;
    bool enabled_ = true;
    Listener* listener_ = nullptr;
    // Children last reached by ChildAt under a few parents, so that a model walking rows in
    // order pays O(1) per row even when it interleaves parents (nested walks).
    struct Cursor {
        Index parent = -1; // -1 = unused
        Index node = 0;
        std::int32_t row = 0;
    };
    mutable std::array<Cursor, 4> cursors_{};
    mutable std::size_t nextCursor_ = 0;
};

} // namespace veltrano::controls
