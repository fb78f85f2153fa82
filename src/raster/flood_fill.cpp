// ExtFloodFill in surface mode: a scanline fill with an explicit stack, so a region of
// any size costs heap memory in proportion to its height, never call-stack depth.
#include "raster/coverage_mask.h"
#include "raster/drawing_context.h"

#include <algorithm>
#include <vector>

namespace pattik {
namespace {

// A pixel to fill from, with the run of the row it was found from: that run is filled
// already, so the row need not be scanned again there.
struct Seed {
    Point at;
    int parentY;
    int parentLeft;
    int parentRight;
};

// Fills the 4-connected region of fillable pixels around the seed, calling fill(y, left,
// right) once for every run; fill must make the run's pixels no longer fillable.
// fillableRow(y) gives the test of one row, open(x), so each row is looked up once.
template <typename FillableRow, typename Fill>
void ScanlineFill(const RECT& box, Point seed, FillableRow fillableRow, Fill fill) {
    std::vector<Seed> pending{Seed{seed, seed.y, seed.x + 1, seed.x}};
    while (!pending.empty()) {
        const Seed s = pending.back();
        pending.pop_back();
        const Point p = s.at;
        const auto open = fillableRow(p.y);
        if (!open(p.x)) {
            continue;
        }
        int left = p.x;
        int right = p.x;
        while (left > box.left && open(left - 1)) {
            --left;
        }
        while (right + 1 < box.right && open(right + 1)) {
            ++right;
        }
        fill(p.y, left, right);
        // One seed at the start of every run of fillable pixels touching this run from
        // above or below, skipping the part of the parent's row that the parent run covers.
        const auto scan = [&](int y, int from, int to) {
            const auto rowOpen = fillableRow(y);
            int x = from;
            while (x <= to) {
                while (x <= to && !rowOpen(x)) {
                    ++x;
                }
                if (x > to) {
                    break;
                }
                pending.push_back(Seed{Point{x, y}, p.y, left, right});
                while (x <= to && rowOpen(x)) {
                    ++x;
                }
            }
        };
        for (const int y : {p.y - 1, p.y + 1}) {
            if (y < box.top || y >= box.bottom) {
                continue;
            }
            if (y == s.parentY) {
                scan(y, left, std::min(right, s.parentLeft - 1));
                scan(y, std::max(left, s.parentRight + 1), right);
            } else {
                scan(y, left, right);
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
            box, Point{x, y},
            [&](int py) {
                const COLORREF* row = bitmap.Row(py);
                return [row, colour](int px) { return row[px] == colour; };
            },
            [&](int py, int left, int right) {
                std::fill(bitmap.Row(py) + left, bitmap.Row(py) + right + 1, fillColour);
            });
        return true;
    }
    // Under XOR a filled pixel may still match, so the region is marked first.
    ShapeCoverage shape(box);
    ScanlineFill(
        box, Point{x, y},
        [&](int py) {
            const COLORREF* row = bitmap.Row(py);
            return [&, row, py](int px) { return row[px] == colour && !shape.brush.Has(px, py); };
        },
        [&](int py, int left, int right) { shape.brush.AddSpan(py, left, right); });
    Paint(shape);
    return true;
}

} // namespace pattik
