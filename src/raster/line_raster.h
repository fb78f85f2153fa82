#pragma once

#include <cstdint>
#include <functional>

namespace pattik {

// A rectangle in 64-bit coordinates with all four edges inside, for windows that may
// reach past the int range (a clip box widened by a pen's reach).
struct SpanWindow {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = -1;
    std::int64_t bottom = -1;
};

// Visits the pixels of the one-pixel line from (x1, y1) to (x2, y2) that lie in the
// window, in order from the first point, with the index of each along the line (used
// for dot patterns). The last point is visited only when includeLast is set.
//
// Step i of n = max(|dx|, |dy|) moves one pixel along the major axis and
// round(i * minor / n) along the minor one, so the visited range can be found by
// binary search and a line from INT_MIN to INT_MAX costs only what the window holds.
void ForEachLinePixel(
    std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, bool includeLast,
    const SpanWindow& window,
    const std::function<void(std::int64_t index, std::int64_t x, std::int64_t y)>& visit);

} // namespace pattik
