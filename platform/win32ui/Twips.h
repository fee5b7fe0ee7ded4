#pragma once

// Twips (1440 per inch) and pixels at a window's DPI.

#include <cmath>

namespace veltrano::win32ui {

class Twips {
public:
    static constexpr double kPerInch = 1440.0;

    explicit Twips(int dpi) : dpi_(dpi > 0 ? dpi : 96) {}

    int Dpi() const noexcept { return dpi_; }
    int ToPixels(int twips) const { return static_cast<int>(std::lround(twips * dpi_ / kPerInch)); }
    // The fewest pixels that come back as at least `twips`, for sizes with a lower bound.
    int AtLeastPixels(int twips) const {
        return static_cast<int>(std::ceil(twips * dpi_ / kPerInch - 1e-9));
    }
    int FromPixels(int pixels) const {
        return static_cast<int>(std::lround(pixels * kPerInch / dpi_));
    }
    // Pixels of a 96-DPI design at this DPI.
    int Scale(int pixelsAt96) const {
        return static_cast<int>(std::lround(pixelsAt96 * dpi_ / 96.0));
    }

private:
    int dpi_;
};

} // namespace veltrano::win32ui
