#include "tools/shape_constraint.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace pattik {
namespace {

std::int64_t Direction(std::int64_t delta) {
    return delta < 0 ? -1 : 1;
}

// tan(22.5 degrees) = sqrt(2) - 1, as a fraction: a slope below it is nearer the axis than
// the diagonal.
constexpr std::int64_t kTanNumerator = 41'421'356;
constexpr std::int64_t kTanDenominator = 100'000'000;

bool NearerTheAxis(std::int64_t along, std::int64_t across) {
    // Both are at most about 2^32, so the products fit.
    return across * kTanDenominator <= along * kTanNumerator;
}

} // namespace

Point SquareCorner(Point anchor, Point pointer) {
    const std::int64_t dx = std::int64_t{pointer.x} - anchor.x;
    const std::int64_t dy = std::int64_t{pointer.y} - anchor.y;
    const std::int64_t side = std::max(std::llabs(dx), std::llabs(dy));
    return ClampedPoint(anchor.x + Direction(dx) * side, anchor.y + Direction(dy) * side);
}

Point SnappedLineEnd(Point anchor, Point pointer) {
    const std::int64_t dx = std::int64_t{pointer.x} - anchor.x;
    const std::int64_t dy = std::int64_t{pointer.y} - anchor.y;
    const std::int64_t width = std::llabs(dx);
    const std::int64_t height = std::llabs(dy);
    if (NearerTheAxis(width, height)) {
        return ClampedPoint(pointer.x, anchor.y);
    }
    if (NearerTheAxis(height, width)) {
        return ClampedPoint(anchor.x, pointer.y);
    }
    const std::int64_t side = std::max(width, height);
    return ClampedPoint(anchor.x + Direction(dx) * side, anchor.y + Direction(dy) * side);
}

} // namespace pattik
