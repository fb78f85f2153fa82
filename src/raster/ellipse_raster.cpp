#include "raster/ellipse_raster.h"

#include <cmath>

namespace pattik {

EllipseRows::EllipseRows(const RECT& box, bool touchEverySide)
    : box_(box), touchEverySide_(touchEverySide), centreX_(box.left + Width(box) / 2.0),
      centreY_(box.top + Height(box) / 2.0), radiusX_(Width(box) / 2.0),
      radiusY_(Height(box) / 2.0) {}

std::optional<RowSpan> EllipseRows::Row(std::int64_t y) const {
    if (IsEmpty(box_) || y < box_.top || y >= box_.bottom) {
        return std::nullopt;
    }
    std::optional<RowSpan> span = CentresInside(y);
    if (!touchEverySide_) {
        return span;
    }
    const std::int64_t top = box_.top;
    const std::int64_t height = Height(box_);
    const std::int64_t left = box_.left;
    const std::int64_t width = Width(box_);
    if (y == top + (height - 1) / 2 || y == top + height / 2) {
        return RowSpan{left, left + width - 1}; // a middle row reaches both sides
    }
    if (!span && (y == top || y == top + height - 1)) {
        return RowSpan{left + (width - 1) / 2, left + width / 2}; // the middle of an end row
    }
    return span;
}

std::optional<RowSpan> EllipseRows::CentresInside(std::int64_t y) const {
    const double v = (static_cast<double>(y) + 0.5 - centreY_) / radiusY_;
    if (v * v > 1.0) {
        return std::nullopt;
    }
    const double half = radiusX_ * std::sqrt(1.0 - v * v);
    // Pixel x is covered when its centre x + 0.5 lies within centre +- half.
    const auto left = static_cast<std::int64_t>(std::ceil(centreX_ - half - 0.5 - 1e-9));
    const auto right = static_cast<std::int64_t>(std::floor(centreX_ + half - 0.5 + 1e-9));
    if (left > right) {
        return std::nullopt;
    }
    return RowSpan{left, right};
}

} // namespace pattik
