#pragma once

// Finding a node by a part of its text, in the order the tree shows its nodes.

#include "platform/controls/TreeView.h"

#include <string_view>

namespace veltrano::controls {

enum class FindDirection { Forward, Backward };

// The first node, in display order (a node before its children), whose text contains `text`
// ignoring ASCII case, starting at `from` itself when includeFrom is true, else at the node
// after (or before) it; the walk wraps around the tree's end. From 0 starts at the first node
// (or the last one, backwards). 0 when no node matches or `text` is empty. Bytes beyond
// ASCII compare as they are.
TreeView::Index FindNodeContaining(const TreeView& tree, std::string_view text,
                                   TreeView::Index from, FindDirection direction, bool includeFrom);

} // namespace veltrano::controls
