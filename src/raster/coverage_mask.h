#pragma once

#include "raster/geometry.h"

#include <cstdint>
#include <vector>

namespace pattik {

// The set of pixels a shape covers inside a window (usually the clip box). Rasterisers
// add points and spans in any coordinates; whatever falls outside the window is
// dropped, so a shape from INT_MIN to INT_MAX costs no more than the window's pixels.
class CoverageMask {
  public:
    CoverageMask() = default;
    explicit CoverageMask(const RECT& window);

    const RECT& Window() const { return window_; }
    bool IsEmpty() const { return !any_; }

    void Add(std::int64_t x, std::int64_t y);
    // Adds the pixels x0..x1 (both included) of row y.
    void AddSpan(std::int64_t y, std::int64_t x0, std::int64_t x1);
    bool Has(int x, int y) const;
    // Removes every pixel that other (of the same window) covers.
    void Subtract(const CoverageMask& other);

  private:
    std::size_t Index(std::int64_t x, std::int64_t y) const;

    RECT window_{};
    std::vector<std::uint8_t> covered_;
    bool any_ = false;
};

// What one drawing call paints: pixels in the pen colour, the gaps of a dotted pen
// (painted in the background colour when the background mode is opaque) and the
// brush's interior.
struct ShapeCoverage {
    explicit ShapeCoverage(const RECT& window) : pen(window), penGaps(window), brush(window) {}
    CoverageMask pen;
    CoverageMask penGaps;
    CoverageMask brush;
};

} // namespace pattik
