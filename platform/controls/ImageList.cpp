#include "platform/controls/ImageList.h"

#include <algorithm>

namespace veltrano::controls {

int ImageList::IndexOf(std::string_view key) const noexcept {
    const auto found = std::find(keys_.begin(), keys_.end(), key);
    return found == keys_.end() ? -1 : static_cast<int>(found - keys_.begin());
}

} // namespace veltrano::controls
