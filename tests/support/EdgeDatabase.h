#pragma once

#include <filesystem>

namespace veltrano::testsupport {

// A stand-in database of the scan's edge cases, the same on every system: texts outside ASCII
// and with tabs, quotes and backslashes, an empty table name, field IDs and codes at their
// limits and outside the name tables, a corrupt and an empty popup list, users at the limits
// of Security and Access. No login is needed.
void WriteEdgeDatabase(const std::filesystem::path& file);

} // namespace veltrano::testsupport
