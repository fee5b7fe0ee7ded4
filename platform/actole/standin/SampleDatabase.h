#pragma once

#include <filesystem>
#include <string_view>

namespace veltrano::ole::standin {

// The login that opens the sample database.
inline constexpr std::string_view kSampleUserName = "Chris Miller";
inline constexpr std::string_view kSamplePassword = "sales";

// Writes the sample database, a small sales team's ACT! database, into a new file (which must
// not exist). It shows every kind of tree node and every detail list.
void WriteSampleDatabase(const std::filesystem::path& file);

} // namespace veltrano::ole::standin
