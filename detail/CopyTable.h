#pragma once

// Copy Table: the detail list as tab-separated text on the clipboard.

#include "platform/controls/ListView.h"

#include <string>
#include <string_view>

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

// Puts lvACT's text on the clipboard and confirms it, also for an empty list.
void CopyTableToClipboard(app::frmHaupt& form);

} // namespace veltrano::detail
