// Rectangle, Ellipse and LineTo: each rasteriser marks the pixels of pen, dotted-pen
// gaps and brush in a ShapeCoverage, and DrawingContext::Paint writes them once.
#include "raster/coverage_mask.h"
#include "raster/drawing_context.h"
#include "raster/ellipse_raster.h"
#include "raster/line_raster.h"
#include "raster/pen_shape.h"

#include <algorithm>
#include <utility>

namespace pattik {
namespace {

// Marks the pen at one pixel of an outline or stroke: a wide pen's round footprint, or
// for a one-pixel pen the pixel itself, as a dot or a gap of a dotted pen.
void MarkOutline(ShapeCoverage& shape, const Pen& pen, std::int64_t index, std::int64_t x,
                 std::int64_t y) {
    if (pen.width > 1) {
        StampPen(shape.pen, x, y, pen.width);
    } else if (pen.style == PenStyle::Dot && !IsDotPixel(index)) {
        shape.penGaps.Add(x, y);
    } else {
        shape.pen.Add(x, y);
    }
}

// The outline of a box's border pixels, clockwise from its top-left corner:
//
//     0 1 2 3        top edge left to right, then the right edge downwards,
//     9 . . 4        the bottom edge right to left and the left edge upwards,
//     8 7 6 5        each pixel once, numbered for the dot pattern.
void ForEachBorderPixel(
    const RECT& box, const SpanWindow& window,
    const std::function<void(std::int64_t, std::int64_t, std::int64_t)>& visit) {
    const std::int64_t l = box.left;
    const std::int64_t t = box.top;
    const std::int64_t r = std::int64_t{box.right} - 1;
    const std::int64_t b = std::int64_t{box.bottom} - 1;
    const std::int64_t w = r - l;
    const std::int64_t h = b - t;
    const auto horizontal = [&](std::int64_t y, std::int64_t x0, std::int64_t x1, auto index) {
        if (y < window.top || y > window.bottom) {
            return;
        }
        for (std::int64_t x = std::max(x0, window.left); x <= std::min(x1, window.right); ++x) {
            visit(index(x), x, y);
        }
    };
    const auto vertical = [&](std::int64_t x, std::int64_t y0, std::int64_t y1, auto index) {
        if (x < window.left || x > window.right) {
            return;
        }
        for (std::int64_t y = std::max(y0, window.top); y <= std::min(y1, window.bottom); ++y) {
            visit(index(y), x, y);
        }
    };
    horizontal(t, l, r, [&](std::int64_t x) { return x - l; });
    vertical(r, t + 1, b, [&](std::int64_t y) { return w + (y - t); });
    if (h > 0) {
        horizontal(b, l, r - 1, [&](std::int64_t x) { return w + h + (r - x); });
    }
    if (w > 0) {
        vertical(l, t + 1, b - 1, [&](std::int64_t y) { return 2 * w + h + (b - y); });
    }
}

// The part of the clip box a shape can reach: the pixels from (left, top) to (right,
// bottom), both included, grown by the pen's width on every side. The masks are only this
// large, so a shape costs in proportion to itself rather than to the picture it is on.
RECT ReachableArea(const RECT& clip, std::int64_t left, std::int64_t top, std::int64_t right,
                   std::int64_t bottom, int penWidth) {
    const std::int64_t margin = std::max(penWidth, 1);
    const auto clampX = [&](std::int64_t x) {
        return static_cast<int>(std::clamp<std::int64_t>(x, clip.left, clip.right));
    };
    const auto clampY = [&](std::int64_t y) {
        return static_cast<int>(std::clamp<std::int64_t>(y, clip.top, clip.bottom));
    };
    return RECT{clampX(left - margin), clampY(top - margin), clampX(right + margin + 1),
                clampY(bottom + margin + 1)};
}

RECT ReachableArea(const RECT& clip, const RECT& box, int penWidth) {
    return ReachableArea(clip, box.left, box.top, std::int64_t{box.right} - 1,
                         std::int64_t{box.bottom} - 1, penWidth);
}

} // namespace

bool DrawingContext::Rectangle(int x1, int y1, int x2, int y2) {
    if (bitmap_ == nullptr) {
        return false;
    }
    const RECT box = NormalizedRect(x1, y1, x2, y2);
    const RECT clip = GetClipBox();
    if (IsEmpty(box) || IsEmpty(clip)) {
        return true;
    }
    ShapeCoverage shape(ReachableArea(clip, box, pen_.width));
    if (pen_.style == PenStyle::Null) {
        for (int y = std::max(box.top, clip.top); y < std::min(box.bottom, clip.bottom); ++y) {
            shape.brush.AddSpan(y, box.left, std::int64_t{box.right} - 1);
        }
    } else {
        for (int y = std::max(box.top + 1, clip.top); y < std::min(box.bottom - 1, clip.bottom);
             ++y) {
            shape.brush.AddSpan(y, std::int64_t{box.left} + 1, std::int64_t{box.right} - 2);
        }
        const int width = pen_.width;
        ForEachBorderPixel(box, WidenedWindow(clip, width),
                           [&](std::int64_t index, std::int64_t x, std::int64_t y) {
                               MarkOutline(shape, pen_, index, x, y);
                           });
    }
    Paint(shape);
    return true;
}

bool DrawingContext::Ellipse(int x1, int y1, int x2, int y2) {
    if (bitmap_ == nullptr) {
        return false;
    }
    const RECT box = NormalizedRect(x1, y1, x2, y2);
    const RECT clip = GetClipBox();
    if (IsEmpty(box) || IsEmpty(clip)) {
        return true;
    }
    ShapeCoverage shape(ReachableArea(clip, box, pen_.width));
    const bool hasPen = pen_.style != PenStyle::Null;
    const int width = pen_.width;
    // Only a one-pixel outline must be made to reach the box's sides; a wider pen's
    // footprint does.
    const EllipseRows rows(box, hasPen && width <= 1);
    const SpanWindow window = WidenedWindow(clip, hasPen ? width : 1);
    const std::int64_t firstRow = std::max<std::int64_t>(box.top, window.top);
    const std::int64_t lastRow =
        std::min<std::int64_t>(std::int64_t{box.bottom} - 1, window.bottom);
    for (std::int64_t y = firstRow; y <= lastRow; ++y) {
        const auto span = rows.Row(y);
        if (!span) {
            continue;
        }
        if (!hasPen) {
            shape.brush.AddSpan(y, span->left, span->right);
            continue;
        }
        // A pixel is on the outline when a neighbour across an edge lies outside the
        // ellipse; the rest of the row is the inside.
        RowSpan inner{span->left + 1, span->right - 1};
        for (const auto& neighbour : {rows.Row(y - 1), rows.Row(y + 1)}) {
            if (!neighbour) {
                inner = RowSpan{1, 0};
                break;
            }
            inner.left = std::max(inner.left, neighbour->left);
            inner.right = std::min(inner.right, neighbour->right);
        }
        const bool hasInside = inner.left <= inner.right;
        if (hasInside) {
            shape.brush.AddSpan(y, inner.left, inner.right);
        }
        const RowSpan pieces[] = {{span->left, hasInside ? inner.left - 1 : span->right},
                                  {hasInside ? inner.right + 1 : span->right + 1, span->right}};
        for (const RowSpan& piece : pieces) {
            const std::int64_t from = std::max(piece.left, window.left);
            const std::int64_t to = std::min(piece.right, window.right);
            for (std::int64_t x = from; x <= to; ++x) {
                // An ellipse has no natural start, so its dots follow the pixel grid.
                MarkOutline(shape, pen_, x + y, x, y);
            }
        }
    }
    Paint(shape);
    return true;
}

bool DrawingContext::LineTo(int x, int y) {
    const Point from = std::exchange(position_, Point{x, y});
    if (bitmap_ == nullptr) {
        return false;
    }
    const RECT clip = GetClipBox();
    if (pen_.style == PenStyle::Null || IsEmpty(clip)) {
        return true;
    }
    const int width = pen_.width;
    ShapeCoverage shape(ReachableArea(clip, std::min(from.x, x), std::min(from.y, y),
                                      std::max(from.x, x), std::max(from.y, y), width));
    // A wide pen is a round brush swept along the stroke, so both ends are painted.
    ForEachLinePixel(from.x, from.y, x, y, width > 1, WidenedWindow(clip, width),
                     [&](std::int64_t index, std::int64_t px, std::int64_t py) {
                         MarkOutline(shape, pen_, index, px, py);
                     });
    Paint(shape);
    return true;
}

} // namespace pattik
