#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano::controls {

// An image list: keys in order (pictures are drawn by the front end) and the picture size.
class ImageList {
public:
    ImageList(int width, int height, std::vector<std::string> keys)
        : width_(width), height_(height), keys_(std::move(keys)) {}
    int ImageWidth() const noexcept { return width_; }
    int ImageHeight() const noexcept { return height_; }
    const std::vector<std::string>& Keys() const noexcept { return keys_; }
    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(keys_.size()); }
    // 0-based position of a key, -1 when absent.
    int IndexOf(std::string_view key) const noexcept;
    // Stand-in for the image list handle: 0 while the list holds no image.
    std::intptr_t hImageList() const noexcept {
        return keys_.empty() ? 0 : reinterpret_cast<std::intptr_t>(this);
    }

private:
    int width_;
    int height_;
    std::vector<std::string> keys_;
};

} // namespace veltrano::controls
