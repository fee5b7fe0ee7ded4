#pragma once

#include <filesystem>
#include <ostream>

namespace veltrano::ole::standin {

// Prints a stand-in database readably: every table with all field properties, triggers and
// drop-down lists, the record counts and the users. Needs no login. Throws StandInError when the
// file is not a valid database.
void DumpDatabase(const std::filesystem::path& file, std::ostream& out);

} // namespace veltrano::ole::standin
