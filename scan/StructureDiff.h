#pragma once

// The differences between the structure trees of two databases, matched by what a node stands
// for rather than where it stands: tables by their accessor, fields by ID, properties by name,
// drop-down entries by position, users by name whatever its ASCII case (as the login matches
// them).

#include "platform/controls/TreeView.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano::scan {

enum class DiffOp {
    Removed, // the node is only in A
    Added,   // the node is only in B
    Changed, // a property of the node has another value in B
    Renamed, // a field of the same ID has another name in B
};

// One difference. The views point into the two trees and into the comparison's own path, and
// hold only while the report call runs.
struct Difference {
    DiffOp op = DiffOp::Changed;
    // Node texts from below the database node down to the node: A's texts for every node A
    // has, B's text for the last node of an addition.
    const std::vector<std::string_view>& path;
    std::string_view property; // Changed: the property's name
    // Changed: the values, "" on the side that has none (the tree leaves empty values out).
    // Renamed: the names.
    std::string_view a;
    std::string_view b;
};

struct DiffOptions {
    // Properties left out, named as in the tree; blanks and ASCII case do not count, so
    // "RecordCount" leaves out "Record Count".
    std::vector<std::string> ignored;
};

// Reports every difference between the surveyed trees a and b, in tree order (where both have
// a node, at its place in B), and returns how many there were. The database nodes themselves
// (name and file) are not compared. Time and memory grow linearly with the trees.
std::size_t CompareStructures(const controls::TreeView& a, const controls::TreeView& b,
                              const DiffOptions& options,
                              const std::function<void(const Difference&)>& report);

} // namespace veltrano::scan
