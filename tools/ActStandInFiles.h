#pragma once

#include <filesystem>
#include <functional>

namespace veltrano::tools {

// Writes a new file through write(path). Without replace an existing file is refused (throws);
// with replace the new content is written beside the target and renamed over it, so a failed
// write leaves the old file as it was.
void WriteNewFile(const std::filesystem::path& target, bool replace,
                  const std::function<void(const std::filesystem::path&)>& write);

} // namespace veltrano::tools
