// ExtFloodFill in surface mode: a scanline fill with an explicit stack, so a region of
// any size costs heap memory, never call-stack depth.
#include "raster/coverage_mask.h"
#include "raster/drawing_context.h"
#include "raster/pixel_runs.h"

#include <algorithm>
#include <vector>

namespace pattik {
namespace {

// A run of one row, filled when it was found; the rows above and below it are still to be
// looked at, except where they hold the run it was found from.
struct Span {
    int y;
    int left;
    int right;
    int parentY;
    int parentLeft;
    int parentRight;
};

// Fills the 4-connected region of open pixels around the seed, a run at a time, each run
// filled the moment it is found, so every pixel is read and written in one pass. Rows
// answers, for a row y: NextOpen(y, x, last), the first open pixel from x on (last + 1 if
// none); FillRight(y, x, last), which fills the run of open pixels from an open x rightwards
// (not past last) and returns its right end; and FillLeft(y, x, first), which fills the open
// pixels left of x (not past first) and returns the leftmost one filled, or x. A filled
// pixel is no longer open.
template <typename Rows>
void ScanlineFill(const RECT& box, Point seed, Rows& rows) {
    const int seedRight = rows.FillRight(seed.y, seed.x, box.right - 1);
    const int seedLeft = rows.FillLeft(seed.y, seed.x, box.left);
    // The seed's row is its own "parent": neither neighbour is skipped.
    std::vector<Span> pending{Span{seed.y, seedLeft, seedRight, seed.y, seedLeft, seedRight}};
    while (!pending.empty()) {
        const Span s = pending.back();
        pending.pop_back();
        // Every run of open pixels touching this one from above or below is filled and kept
        // for its own neighbours. Only a run found at the first pixel looked at can reach
        // further left; any run can reach further right.
        const auto scan = [&](int y, int from, int to) {
            for (int x = rows.NextOpen(y, from, to); x <= to;) {
                const int right = rows.FillRight(y, x, box.right - 1);
                const int left = x == from ? rows.FillLeft(y, x, box.left) : x;
                pending.push_back(Span{y, left, right, s.y, s.left, s.right});
                x = rows.NextOpen(y, right + 1, to);
            }
        };
        for (const int y : {s.y - 1, s.y + 1}) {
            if (y < box.top || y >= box.bottom) {
                continue;
            }
            // The run this one was found from is filled: its part of that row is skipped.
            if (y == s.parentY) {
                scan(y, s.left, std::min(s.right, s.parentLeft - 1));
                scan(y, std::max(s.left, s.parentRight + 1), s.right);
            } else {
                scan(y, s.left, s.right);
            }
        }
    }
}

// The pixels of one colour are open, and a fill paints them another: the picture itself
// records what is done, and runs are found and painted many pixels at a time.
class ColourRows {
  public:
    ColourRows(DeviceBitmap& bitmap, COLORREF colour, COLORREF fillColour)
        : bitmap_(bitmap), colour_(colour), fillColour_(fillColour) {}

    int NextOpen(int y, int x, int last) const {
        return x > last ? x : x + Count(LeadingOthers(bitmap_.Row(y) + x, Span(x, last), colour_));
    }
    int FillRight(int y, int x, int last) {
        return x - 1 +
               Count(ReplaceLeadingRun(bitmap_.Row(y) + x, Span(x, last), colour_, fillColour_));
    }
    int FillLeft(int y, int x, int first) {
        COLORREF* row = bitmap_.Row(y);
        while (x > first && row[x - 1] == colour_) {
            row[--x] = fillColour_;
        }
        return x;
    }

  private:
    static std::size_t Span(int x, int last) { return static_cast<std::size_t>(last - x + 1); }
    static int Count(std::size_t pixels) { return static_cast<int>(pixels); }

    DeviceBitmap& bitmap_;
    COLORREF colour_;
    COLORREF fillColour_;
};

// Under XOR a filled pixel may still have the colour, so what is filled is marked in the
// shape instead, and the pixels are painted once at the end.
class MarkedRows {
  public:
    MarkedRows(const DeviceBitmap& bitmap, COLORREF colour, ShapeCoverage& shape)
        : bitmap_(bitmap), colour_(colour), shape_(shape) {}

    int NextOpen(int y, int x, int last) const {
        while (x <= last && !Open(y, x)) {
            ++x;
        }
        return x;
    }
    int FillRight(int y, int x, int last) {
        int right = x;
        while (right < last && Open(y, right + 1)) {
            ++right;
        }
        shape_.brush.AddSpan(y, x, right);
        return right;
    }
    int FillLeft(int y, int x, int first) {
        int left = x;
        while (left > first && Open(y, left - 1)) {
            --left;
        }
        if (left < x) {
            shape_.brush.AddSpan(y, left, x - 1);
        }
        return left;
    }

  private:
    bool Open(int y, int x) const {
        return bitmap_.Row(y)[x] == colour_ && !shape_.brush.Has(x, y);
    }

    const DeviceBitmap& bitmap_;
    COLORREF colour_;
    ShapeCoverage& shape_;
};

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
    // The region may reach anywhere in the clip box.
    NoteChange(box);
    const COLORREF fillColour = brush_.colour & 0x00FFFFFF;
    if (rop_ == RasterOp::CopyPen) {
        if (fillColour == colour) {
            return true; // painting the region in its own colour changes nothing
        }
        ColourRows rows(*bitmap_, colour, fillColour);
        ScanlineFill(box, Point{x, y}, rows);
        return true;
    }
    ShapeCoverage shape(box);
    MarkedRows rows(*bitmap_, colour, shape);
    ScanlineFill(box, Point{x, y}, rows);
    Paint(shape);
    return true;
}

} // namespace pattik
