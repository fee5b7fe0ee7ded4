#pragma once

// The text of the status bar's second panel ("Changes"): what the user should know about the
// list and the database when no progress is shown in the first one.

#include "platform/controls/TreeView.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace veltrano::app {

inline constexpr std::string_view kNoFurtherMatch = "No further match";
inline constexpr std::string_view kCellsReplaced = " cells replaced";

// Unsaved marks come first, then the note of the last command, then the database at rest.
std::string ChangesPanelText(std::int32_t unsavedChanges, std::string_view commandNote,
                             std::string_view databaseSummary);

// "file.dbf: N fields" for a surveyed tree (its first node's key is the database path and each
// field is a node tagged "Feld"); "" for an empty tree.
std::string DatabaseSummary(const controls::TreeView& tree);

} // namespace veltrano::app
