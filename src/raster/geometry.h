#pragma once

#include <algorithm>
#include <cstdint>

namespace pattik {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle whose left and top edges are inside and right and bottom edges outside.
struct RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

// Widths and heights in 64 bits: a rectangle from INT_MIN to INT_MAX is 2^32 - 1 wide.
constexpr std::int64_t Width(const RECT& r) {
    return std::int64_t{r.right} - r.left;
}
constexpr std::int64_t Height(const RECT& r) {
    return std::int64_t{r.bottom} - r.top;
}

constexpr bool IsEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

constexpr bool Contains(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// The common part of two rectangles; an empty result is returned as (0, 0, 0, 0).
constexpr RECT Intersect(const RECT& a, const RECT& b) {
    const RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom)};
    return IsEmpty(r) ? RECT{} : r;
}

// The smallest rectangle holding both; an empty one adds nothing.
constexpr RECT Union(const RECT& a, const RECT& b) {
    if (IsEmpty(a)) {
        return IsEmpty(b) ? RECT{} : b;
    }
    if (IsEmpty(b)) {
        return a;
    }
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

// A rectangle from 64-bit edges, each clamped into the int range.
constexpr RECT ClampedRect(std::int64_t left, std::int64_t top, std::int64_t right,
                           std::int64_t bottom) {
    const auto clamp = [](std::int64_t v) {
        return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
    };
    return RECT{clamp(left), clamp(top), clamp(right), clamp(bottom)};
}

// A point from 64-bit coordinates, each clamped into the int range.
constexpr Point ClampedPoint(std::int64_t x, std::int64_t y) {
    const auto clamp = [](std::int64_t v) {
        return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
    };
    return Point{clamp(x), clamp(y)};
}

// The box of two opposite corners given in either order.
constexpr RECT NormalizedRect(int x1, int y1, int x2, int y2) {
    return RECT{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

} // namespace pattik
