#pragma once

// Copy Table: the detail list as tab-separated text on the clipboard.

#include "platform/controls/ListView.h"

#include <string>
#include <string_view>
#include <vector>

namespace veltrano::app {
class frmHaupt;
}

namespace veltrano::detail {

inline constexpr std::string_view kCopyTableMessage = "The current table is now in the clipboard.";

// A header line, then one line per row in the order shown; a TAB after every cell and CR LF
// after every line. Cells are copied unchanged, with no quoting, unless cellText is given: each
// cell is then written as cellText makes it (the command line escapes them).
using CellText = std::string (*)(std::string_view);
std::string ListViewToText(const controls::ListView& list, CellText cellText = nullptr);

// The given rows (1-based) as ListViewToText writes them, without the header line.
std::string ListRowsToText(const controls::ListView& list, const std::vector<std::int32_t>& rows);

// Puts the given rows of lvACT on the clipboard, silently: a copy of a selection.
void CopyRowsToClipboard(app::frmHaupt& form, const std::vector<std::int32_t>& rows);

// Puts lvACT's text on the clipboard and confirms it, also for an empty list.
void CopyTableToClipboard(app::frmHaupt& form);

} // namespace veltrano::detail
