#pragma once

// A difference between two structure trees as a line of text or as a JSON object on one line.

#include "scan/StructureDiff.h"

#include <iosfwd>

namespace veltrano::cli {

// "- PATH", "+ PATH", "~ PATH: PROPERTY = A -> B" or "~ PATH: renamed to B"; the texts are
// written as the outline writes node texts.
void WriteDifferenceText(const scan::Difference& difference, std::ostream& out);

// {"op": "removed"|"added"|"changed"|"renamed", "path": [...]}, with "property" (changed) and
// "a", "b" (changed, renamed).
void WriteDifferenceJson(const scan::Difference& difference, std::ostream& out);

} // namespace veltrano::cli
