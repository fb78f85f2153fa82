#include "raster/drawing_context.h"

#include "raster/coverage_mask.h"

#include <algorithm>
#include <utility>

namespace pattik {

DeviceBitmap* DrawingContext::SelectBitmap(DeviceBitmap* bitmap) {
    return std::exchange(bitmap_, bitmap);
}

Pen DrawingContext::SelectPen(const Pen& pen) {
    return std::exchange(pen_, pen);
}
Brush DrawingContext::SelectBrush(const Brush& brush) {
    return std::exchange(brush_, brush);
}
RasterOp DrawingContext::SetROP2(RasterOp op) {
    return std::exchange(rop_, op);
}
BackgroundMode DrawingContext::SetBkMode(BackgroundMode mode) {
    return std::exchange(backgroundMode_, mode);
}
COLORREF DrawingContext::SetBkColor(COLORREF colour) {
    return std::exchange(backgroundColour_, colour);
}
StretchMode DrawingContext::SetStretchBltMode(StretchMode mode) {
    return std::exchange(stretchMode_, mode);
}

RECT DrawingContext::GetClipBox() const {
    if (bitmap_ == nullptr || bitmap_->IsEmpty()) {
        return RECT{};
    }
    return clip_ ? Intersect(*clip_, bitmap_->Bounds()) : bitmap_->Bounds();
}

void DrawingContext::IntersectClipRect(const RECT& rect) {
    const RECT narrowed = clip_ ? Intersect(*clip_, rect) : rect;
    clip_ = IsEmpty(narrowed) ? RECT{} : narrowed;
}

void DrawingContext::SelectClipRect(std::optional<RECT> rect) {
    clip_ = rect;
}

COLORREF DrawingContext::SetPixel(int x, int y, COLORREF colour) {
    if (!Contains(GetClipBox(), x, y)) {
        return kInvalidColour;
    }
    bitmap_->At(x, y) = colour & 0x00FFFFFF;
    NoteChange(RECT{x, y, x + 1, y + 1});
    return colour & 0x00FFFFFF;
}

COLORREF DrawingContext::GetPixel(int x, int y) const {
    if (!Contains(GetClipBox(), x, y)) {
        return kInvalidColour;
    }
    return bitmap_->At(x, y);
}

bool DrawingContext::FillRect(const RECT& rect, COLORREF colour) {
    const RECT box = Intersect(rect, GetClipBox());
    NoteChange(box);
    for (int y = box.top; y < box.bottom; ++y) {
        std::fill(bitmap_->Row(y) + box.left, bitmap_->Row(y) + box.right, colour & 0x00FFFFFF);
    }
    return true;
}

bool DrawingContext::FrameRect(const RECT& rect, COLORREF colour) {
    if (IsEmpty(rect)) {
        return false;
    }
    FillRect(RECT{rect.left, rect.top, rect.right, rect.top + 1}, colour);
    FillRect(RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    FillRect(RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    FillRect(RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
    return true;
}

Point DrawingContext::MoveTo(int x, int y) {
    return std::exchange(position_, Point{x, y});
}

void DrawingContext::Combine(COLORREF& pixel, COLORREF colour) const {
    colour &= 0x00FFFFFF;
    pixel = rop_ == RasterOp::XorPen ? (pixel ^ colour) : colour;
}

void DrawingContext::Paint(const ShapeCoverage& shape) {
    const RECT window = shape.pen.Window();
    const bool paintGaps = backgroundMode_ == BackgroundMode::Opaque;
    const bool paintBrush = brush_.style == BrushStyle::Solid;
    NoteChange(window);
    for (int y = window.top; y < window.bottom; ++y) {
        COLORREF* row = bitmap_->Row(y);
        for (int x = window.left; x < window.right; ++x) {
            if (shape.pen.Has(x, y)) {
                Combine(row[x], pen_.colour);
            } else if (paintGaps && shape.penGaps.Has(x, y)) {
                Combine(row[x], backgroundColour_);
            } else if (paintBrush && shape.brush.Has(x, y)) {
                Combine(row[x], brush_.colour);
            }
        }
    }
}

} // namespace pattik
