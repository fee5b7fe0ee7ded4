#pragma once

// The structure tree as text: an outline, or JSON with one object per node.

#include "platform/controls/TreeView.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace veltrano::cli {

// A node's text as the outline writes it (as EscapeText writes it); every text of the command
// line's text output goes through here.
void WriteNodeText(std::string_view text, std::ostream& out);

// One line per node in tree order: two blanks of indent per level, then the node's text.
void WriteOutline(const controls::TreeView& tree, std::ostream& out);

// The top-level node as {"index", "tag", "text", "key", "children"}, tag and key only when not
// empty; children in tree order. Written node by node, so a large tree costs no copy.
void WriteJson(const controls::TreeView& tree, std::ostream& out);

// A JSON string of any bytes: escaped as JSON requires, UTF-8 kept, bytes that are no UTF-8
// replaced by U+FFFD.
std::string JsonString(std::string_view text);

} // namespace veltrano::cli
