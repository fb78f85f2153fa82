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
//
// A long thin box has no pixel centres near the ends of that ellipse, so the pixels alone
// would stop short of the box. Where an ellipse must touch every side of its box (a
// one-pixel outline, which nothing widens), the middle row(s) reach both sides and the top
// and bottom rows keep at least their middle pixel(s):
//
//     box 8 x 2:  # # # # # # # #        instead of   . # # # # # # .
//                 # # # # # # # #                     . # # # # # # .
class EllipseRows {
  public:
    explicit EllipseRows(const RECT& box, bool touchEverySide = false);

    // The covered pixels of row y; none outside the box's rows.
    std::optional<RowSpan> Row(std::int64_t y) const;

  private:
    // The covered pixels as the centres alone decide.
    std::optional<RowSpan> CentresInside(std::int64_t y) const;

    RECT box_;
    bool touchEverySide_;
    double centreX_;
    double centreY_;
    double radiusX_;
    double radiusY_;
};

} // namespace pattik
