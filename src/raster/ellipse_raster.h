#pragma once

#include "raster/geometry.h"

#include <cstdint>
#include <optional>

namespace pattik {

struct RowSpan {
    std::int64_t left;  // first covered pixel
    std::int64_t right; // last covered pixel
};

// The ellipse inscribed in a box (right and bottom edges excluded): a pixel belongs to
// it when its centre lies inside the ellipse that touches the box's four edges.
class EllipseRows {
  public:
    explicit EllipseRows(const RECT& box);

    // The covered pixels of row y; none outside the box's rows.
    std::optional<RowSpan> Row(std::int64_t y) const;

  private:
    RECT box_;
    double centreX_;
    double centreY_;
    double radiusX_;
    double radiusY_;
};

} // namespace pattik
