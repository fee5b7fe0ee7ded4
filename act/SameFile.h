#pragma once

// Whether two paths name one file, as Save asks before it writes to a database that a running
// ACT! may have open.

#include <string_view>

namespace veltrano::act {

// By the file's identity when both paths lead to an existing file: device and inode (on Windows
// volume serial number and file index), so that symbolic links, hard links and linked folders are
// seen through. Otherwise, by the paths' letters ignoring ASCII case, as ACT! compares names.
// Paths are UTF-8.
bool SameFile(std::string_view a, std::string_view b);

} // namespace veltrano::act
