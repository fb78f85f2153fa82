#include "raster/line_raster.h"

#include "raster/wide_math.h"

#include <algorithm>
#include <cstdlib>

namespace pattik {
namespace {

// One axis of a line: start + sign * floor((2 * i * delta + n) / (2 * n)).
struct Axis {
    std::int64_t start;
    std::int64_t delta; // |end - start|
    int sign;

    std::int64_t At(std::int64_t i, std::int64_t n) const {
        if (n == 0) {
            return start;
        }
        const Int128 numerator = Int128{2} * i * delta + n;
        return start + sign * static_cast<std::int64_t>(numerator / (Int128{2} * n));
    }
};

// The first i in [lo, hi] for which holds(i) is true, or hi + 1; holds must be false
// and then true along the range.
template <typename Predicate>
std::int64_t FirstWhere(std::int64_t lo, std::int64_t hi, Predicate holds) {
    std::int64_t first = hi + 1;
    while (lo <= hi) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        if (holds(mid)) {
            first = mid;
            hi = mid - 1;
        } else {
            lo = mid + 1;
        }
    }
    return first;
}

// Narrows [first, last] to the steps whose coordinate on this axis lies in [lo, hi].
void ClipSteps(const Axis& axis, std::int64_t n, std::int64_t lo, std::int64_t hi,
               std::int64_t& first, std::int64_t& last) {
    // Along the line the coordinate times its sign never decreases.
    const int sign = axis.sign == 0 ? 1 : axis.sign;
    const std::int64_t from = sign > 0 ? lo : -hi;
    const std::int64_t to = sign > 0 ? hi : -lo;
    const auto value = [&](std::int64_t i) { return sign * axis.At(i, n); };
    const std::int64_t begin =
        FirstWhere(first, last, [&](std::int64_t i) { return value(i) >= from; });
    const std::int64_t end = FirstWhere(first, last, [&](std::int64_t i) { return value(i) > to; });
    first = begin;
    last = end - 1;
}

int Sign(std::int64_t v) {
    return (v > 0) - (v < 0);
}

} // namespace

void ForEachLinePixel(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                      bool includeLast, const SpanWindow& window,
                      const std::function<void(std::int64_t, std::int64_t, std::int64_t)>& visit) {
    const Axis xAxis{x1, std::llabs(x2 - x1), Sign(x2 - x1)};
    const Axis yAxis{y1, std::llabs(y2 - y1), Sign(y2 - y1)};
    const std::int64_t n = std::max(xAxis.delta, yAxis.delta);
    std::int64_t first = 0;
    std::int64_t last = includeLast ? n : n - 1;
    ClipSteps(xAxis, n, window.left, window.right, first, last);
    ClipSteps(yAxis, n, window.top, window.bottom, first, last);
    for (std::int64_t i = first; i <= last; ++i) {
        visit(i, xAxis.At(i, n), yAxis.At(i, n));
    }
}

} // namespace pattik
