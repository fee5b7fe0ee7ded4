#pragma once

// Reading the property nodes ("label = value") and keys of the structure tree.

#include "platform/controls/TreeView.h"

#include <optional>
#include <string>
#include <string_view>

namespace veltrano::detail {

struct PropertyText {
    std::string_view label;
    std::string_view value;
};

// Splits a property node's text at its first " = ". The value is all that follows, so a value
// that itself holds " = " (a trigger, an initial value) stays whole. nullopt without " = ".
std::optional<PropertyText> SplitProperty(std::string_view text);

// The value of node's property child with exactly this label; "" when there is none.
std::string GetNodeProperty(const controls::TreeView& tree, controls::TreeView::Index node,
                            std::string_view label);

// The second blank-separated word ("Contact 25" -> "25", "Item 3" -> "3"); "" when absent.
std::string_view SecondWord(std::string_view text);

} // namespace veltrano::detail
