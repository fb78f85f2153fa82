#include "raster/pen_shape.h"

#include <cmath>

namespace pattik {

SpanWindow WidenedWindow(const RECT& clipBox, int width) {
    if (IsEmpty(clipBox)) {
        return SpanWindow{};
    }
    const std::int64_t reach = PenReach(width);
    return SpanWindow{clipBox.left - reach, clipBox.top - reach,
                      std::int64_t{clipBox.right} - 1 + reach,
                      std::int64_t{clipBox.bottom} - 1 + reach};
}

void StampPen(CoverageMask& mask, std::int64_t x, std::int64_t y, int width) {
    if (width <= 1) {
        mask.Add(x, y);
        return;
    }
    const int low = -(width / 2);
    const int high = (width - 1) / 2;
    const double centre = width % 2 == 1 ? 0.0 : -0.5;
    const double radiusSquared = (width / 2.0) * (width / 2.0);
    for (int dy = low; dy <= high; ++dy) {
        const double rowOffset = dy - centre;
        // The widest run of this row whose pixel centres lie within the pen's circle.
        const double half = std::sqrt(std::max(0.0, radiusSquared - rowOffset * rowOffset));
        const int left = static_cast<int>(std::ceil(centre - half - 1e-9));
        const int right = static_cast<int>(std::floor(centre + half + 1e-9));
        mask.AddSpan(y + dy, x + std::max(left, low), x + std::min(right, high));
    }
}

} // namespace pattik
