#pragma once

#include <QPaintDevice>

#include <cmath>

namespace veltrano::qt {

// Twips (1440 per inch) and pixels at a device's logical resolution.
class Twips {
public:
    static constexpr double kPerInch = 1440.0;

    explicit Twips(const QPaintDevice& device)
        : dpiX_(device.logicalDpiX()), dpiY_(device.logicalDpiY()) {}
    Twips(double dpiX, double dpiY) : dpiX_(dpiX), dpiY_(dpiY) {}

    int ToPixelsX(int twips) const {
        return static_cast<int>(std::lround(twips * dpiX_ / kPerInch));
    }
    int ToPixelsY(int twips) const {
        return static_cast<int>(std::lround(twips * dpiY_ / kPerInch));
    }
    // The fewest pixels that come back as at least `twips`, for sizes with a lower bound.
    int AtLeastPixelsX(int twips) const {
        return static_cast<int>(std::ceil(twips * dpiX_ / kPerInch));
    }
    int AtLeastPixelsY(int twips) const {
        return static_cast<int>(std::ceil(twips * dpiY_ / kPerInch));
    }
    int FromPixelsX(int pixels) const {
        return static_cast<int>(std::lround(pixels * kPerInch / dpiX_));
    }
    int FromPixelsY(int pixels) const {
        return static_cast<int>(std::lround(pixels * kPerInch / dpiY_));
    }

private:
    double dpiX_;
    double dpiY_;
};

} // namespace veltrano::qt
