// ExtFloodFill in surface mode: a scanline fill with an explicit stack, so a region of
// any size costs heap memory in proportion to its height, never call-stack depth.
#include "raster/coverage_mask.h"
#include "raster/drawing_context.h"
#include "raster/pixel_runs.h"

#include <algorithm>
#include <vector>

namespace pattik {
namespace {

// A pixel to fill from. The pixels from it to knownRight were open when it was found, and
// the run of the row it was found from is filled already: neither is read again.
struct Seed {
    Point at;
    int knownRight;
    int parentY;
    int parentLeft;
    int parentRight;
};

// Fills the 4-connected region of open pixels around the seed, one run at a time. Rows
// answers, for a row y: Open(y, x); RunLeft(y, x, first) and RunRight(y, x, last), the
// ends of the run of open pixels through an open x, within first..last; NextOpen(y, x,
// last), the first open pixel from x on (last + 1 if none); and Fill(y, left, right),
// which must leave the run's pixels no longer open.
template <typename Rows>
void ScanlineFill(const RECT& box, Point seed, Rows& rows) {
    std::vector<Seed> pending{Seed{seed, seed.x, seed.y, seed.x + 1, seed.x}};
    while (!pending.empty()) {
        const Seed s = pending.back();
        pending.pop_back();
        const Point p = s.at;
        // Filled since it was found. A fill takes a whole run, so while the seed's pixel is
        // open, so is everything up to knownRight.
        if (!rows.Open(p.y, p.x)) {
            continue;
        }
        const int left = rows.RunLeft(p.y, p.x, box.left);
        const int right = rows.RunRight(p.y, s.knownRight, box.right - 1);
        rows.Fill(p.y, left, right);
        // One seed at the start of every run of open pixels touching this run from above or
        // below, skipping the part of the parent's row that the parent run covers.
        const auto scan = [&](int y, int from, int to) {
            for (int x = rows.NextOpen(y, from, to); x <= to;) {
                const int runRight = rows.RunRight(y, x, to);
                pending.push_back(Seed{Point{x, y}, runRight, p.y, left, right});
                x = rows.NextOpen(y, runRight + 1, to);
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

// The pixels of one colour are open, and a fill paints them another: the picture itself
// records what is done, and runs are found many pixels at a time.
class ColourRows {
  public:
    ColourRows(DeviceBitmap& bitmap, COLORREF colour, COLORREF fillColour)
        : bitmap_(bitmap), colour_(colour), fillColour_(fillColour) {}

    bool Open(int y, int x) const { return bitmap_.Row(y)[x] == colour_; }
    int RunLeft(int y, int x, int first) const {
        const COLORREF* row = bitmap_.Row(y);
        while (x > first && row[x - 1] == colour_) {
            --x;
        }
        return x;
    }
    int RunRight(int y, int x, int last) const {
        return x - 1 + Count(LeadingRun(bitmap_.Row(y) + x, Span(x, last), colour_));
    }
    int NextOpen(int y, int x, int last) const {
        return x > last ? x : x + Count(LeadingOthers(bitmap_.Row(y) + x, Span(x, last), colour_));
    }
    void Fill(int y, int left, int right) {
        std::fill(bitmap_.Row(y) + left, bitmap_.Row(y) + right + 1, fillColour_);
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

    bool Open(int y, int x) const {
        return bitmap_.Row(y)[x] == colour_ && !shape_.brush.Has(x, y);
    }
    int RunLeft(int y, int x, int first) const {
        while (x > first && Open(y, x - 1)) {
            --x;
        }
        return x;
    }
    int RunRight(int y, int x, int last) const {
        while (x < last && Open(y, x + 1)) {
            ++x;
        }
        return x;
    }
    int NextOpen(int y, int x, int last) const {
        while (x <= last && !Open(y, x)) {
            ++x;
        }
        return x;
    }
    void Fill(int y, int left, int right) { shape_.brush.AddSpan(y, left, right); }

  private:
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
