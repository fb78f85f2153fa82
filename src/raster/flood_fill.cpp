// ExtFloodFill in surface mode: a scanline fill with an explicit stack, so a region of
// any size costs heap memory in proportion to its height, never call-stack depth.
#include "coverage_mask.h"
#include "drawing_context.h"

#include <vector>

namespace pattik {
namespace {

// Fills the 4-connected region of pixels for which fillable(x, y) holds around the
// seed, calling fill(y, left, right) once for every run; fill must make the run's
// pixels no longer fillable.
template <typename Fillable, typename Fill>
void ScanlineFill(const RECT& box, Point seed, Fillable fillable, Fill fill) {
    std::vector<Point> pending{seed};
    while (!pending.empty()) {
        const Point p = pending.back();
        pending.pop_back();
        if (!fillable(p.x, p.y)) {
            continue;
        }
        int left = p.x;
        int right = p.x;
        while (left > box.left && fillable(left - 1, p.y)) {
            --left;
        }
        while (right + 1 < box.right && fillable(right + 1, p.y)) {
            ++right;
        }
        fill(p.y, left, right);
        // One seed for every run of fillable pixels touching this run from above or below.
        for (const int y : {p.y - 1, p.y + 1}) {
            if (y < box.top || y >= box.bottom) {
                continue;
            }
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool open = fillable(x, y);
                if (open && !inRun) {
                    pending.push_back(Point{x, y});
                }
                inRun = open;
            }
        }
    }
}

} // namespace

bool DrawingContext::ExtFloodFill(int x, int y, COLORREF colour) {
    const RECT box = GetClipBox();
    colour &= 0x00FFFFFF;
    if (!Contains(box, x, y) || bitmap_->At(x, y) != colour) {
        return false;
    }
    if (brush_.style == BrushStyle::Null) {
        return true;
    }
    DeviceBitmap& bitmap = *bitmap_;
    const COLORREF fillColour = brush_.colour & 0x00FFFFFF;
    if (rop_ == RasterOp::CopyPen) {
        if (fillColour == colour) {
            return true; // painting the region in its own colour changes nothing
        }
        // Filled pixels no longer match, so the picture itself records what is done.
        ScanlineFill(
            box, Point{x, y}, [&](int px, int py) { return bitmap.At(px, py) == colour; },
            [&](int py, int left, int right) {
                std::fill(bitmap.Row(py) + left, bitmap.Row(py) + right + 1, fillColour);
            });
        return true;
    }
    // Under XOR a filled pixel may still match, so the region is marked first.
    ShapeCoverage shape(box);
    ScanlineFill(
        box, Point{x, y},
        [&](int px, int py) { return bitmap.At(px, py) == colour && !shape.brush.Has(px, py); },
        [&](int py, int left, int right) { shape.brush.AddSpan(py, left, right); });
    Paint(shape);
    return true;
}

} // namespace pattik
