#pragma once

#include "raster/colour.h"
#include "raster/device_bitmap.h"
#include "raster/geometry.h"

#include <optional>

namespace pattik {

struct ShapeCoverage;

// Pen styles, numbered as the styles a pen is described with.
enum class PenStyle : int { Solid = 0, Dot = 2, Null = 5 };
struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1; // 0 and 1 both draw one pixel wide
    COLORREF colour = kBlack;
};

enum class BrushStyle : int { Solid = 0, Null = 1 };
struct Brush {
    BrushStyle style = BrushStyle::Solid;
    COLORREF colour = kWhite;
};

// How pen and brush pixels combine with what is there.
enum class RasterOp : int { XorPen = 7, CopyPen = 13 };
// Whether the gaps of a dotted pen are painted in the background colour.
enum class BackgroundMode : int { Transparent = 1, Opaque = 2 };
// How StretchBlt combines source pixels that fall on one destination pixel when shrinking.
enum class StretchMode : int { BlackOnWhite = 1, ColorOnColor = 3 };

// A drawing context into which one device bitmap is selected. It carries the pen,
// brush, raster operation, background mode and colour, clip rectangle and stretch mode
// that the drawing calls use. A fresh context has a black one-pixel solid pen, a white
// solid brush, copy mode, an opaque white background, no clip rectangle and the
// BLACKONWHITE stretch mode.
//
// Every coordinate is accepted, however far outside the bitmap: shapes are clipped to
// the clip box before any pixel is visited.
class DrawingContext {
  public:
    DrawingContext() = default;
    explicit DrawingContext(DeviceBitmap* bitmap) : bitmap_(bitmap) {}

    // Selects a bitmap (or none) and returns the one selected before.
    DeviceBitmap* SelectBitmap(DeviceBitmap* bitmap);
    DeviceBitmap* Bitmap() const { return bitmap_; }

    Pen SelectPen(const Pen& pen);
    Brush SelectBrush(const Brush& brush);
    const Pen& CurrentPen() const { return pen_; }
    const Brush& CurrentBrush() const { return brush_; }
    RasterOp SetROP2(RasterOp op);
    RasterOp GetROP2() const { return rop_; }
    BackgroundMode SetBkMode(BackgroundMode mode);
    COLORREF SetBkColor(COLORREF colour);
    StretchMode SetStretchBltMode(StretchMode mode);
    StretchMode GetStretchBltMode() const { return stretchMode_; }

    // The part of the bitmap that drawing may change: the bitmap's bounds within the
    // clip rectangle. Empty when no bitmap is selected.
    RECT GetClipBox() const;
    // Narrows the clip rectangle to its intersection with rect.
    void IntersectClipRect(const RECT& rect);
    // The clip rectangle as set, or nullopt when there is none.
    std::optional<RECT> GetClipRect() const { return clip_; }
    // Replaces the clip rectangle; nullopt removes it.
    void SelectClipRect(std::optional<RECT> rect);

    // From now on every drawing call through this context adds the box of pixels it may
    // have changed to *changes (null stops it), so a caller can repaint only those.
    void RecordChangesIn(RECT* changes) { changes_ = changes; }
    // Adds a box to the recorded changes; for drawing that writes the bitmap itself.
    void NoteChange(const RECT& box) {
        if (changes_ != nullptr) {
            *changes_ = Union(*changes_, box);
        }
    }

    // Sets one pixel (no raster operation); kInvalidColour when the pixel is clipped.
    COLORREF SetPixel(int x, int y, COLORREF colour);
    // kInvalidColour for a pixel outside the clip box.
    COLORREF GetPixel(int x, int y) const;

    // Fills rect (right and bottom edges excluded) with a colour; no raster operation.
    bool FillRect(const RECT& rect, COLORREF colour);
    // A one-pixel border just inside rect; no raster operation.
    bool FrameRect(const RECT& rect, COLORREF colour);

    // The box of two opposite corners, excluding its right and bottom edges: the pen
    // outlines it, the brush paints the inside.
    bool Rectangle(int x1, int y1, int x2, int y2);
    // The ellipse inscribed in the same box as Rectangle's.
    bool Ellipse(int x1, int y1, int x2, int y2);

    // Moves the current position; returns the previous one.
    Point MoveTo(int x, int y);
    // A stroke from the current position to (x, y), which becomes the current position.
    // A one-pixel pen paints the first point and not the last; a wider pen is a round
    // brush of its width swept along the stroke, ends included.
    bool LineTo(int x, int y);
    Point CurrentPosition() const { return position_; }

    // Paints with the brush the pixels exactly equal to colour that are connected to
    // (x, y) through their edges. False when the seed is clipped or not of that colour.
    bool ExtFloodFill(int x, int y, COLORREF colour);

  private:
    // Writes what a shape covers with the current raster operation. Pen pixels win over
    // gap and brush pixels, so each pixel is changed at most once and an XOR shape drawn
    // twice leaves the bitmap as it was.
    void Paint(const ShapeCoverage& shape);
    void Combine(COLORREF& pixel, COLORREF colour) const;

    DeviceBitmap* bitmap_ = nullptr;
    Pen pen_;
    Brush brush_;
    RasterOp rop_ = RasterOp::CopyPen;
    BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
    COLORREF backgroundColour_ = kWhite;
    StretchMode stretchMode_ = StretchMode::BlackOnWhite;
    std::optional<RECT> clip_;
    Point position_;
    RECT* changes_ = nullptr;
};

// Copies a w x h block from (sx, sy) of the source context's bitmap to (x, y) of the
// destination's, clipped to the destination's clip box; source pixels outside the
// source bitmap leave the destination as it was.
bool BitBlt(DrawingContext& destination, int x, int y, int w, int h, const DrawingContext& source,
            int sx, int sy);

// Copies the sw x sh block at (sx, sy) onto the w x h block at (x, y), repeating pixels
// to enlarge and, to shrink, combining them by the destination's stretch mode
// (see stretch_blt.cpp for which source pixels land on which destination pixel).
// Sizes that are not positive copy nothing.
bool StretchBlt(DrawingContext& destination, int x, int y, int w, int h,
                const DrawingContext& source, int sx, int sy, int sw, int sh);

} // namespace pattik
