// The floating selection: lifted from the current picture, moved, merged back or dropped.
// Its rectangle may lie partly or wholly off the picture; every loop is bounded by the
// 75 x 125 selection bitmap and the picture, whatever the rectangle says.
#include "panel/edit_panel.h"

#include <algorithm>
#include <cstdint>

namespace pattik {

void CEditPanel::LiftSelection(Point corner, Point oppositeCorner) {
    if (selectionBitmap.IsEmpty()) {
        return; // never created: nothing can float
    }
    // Only what lies on the picture can be lifted: a marquee dragged past an edge floats
    // the part of the picture inside it, and the tool cuts exactly that part.
    const Size size = CurrentImageSize();
    const RECT rect =
        Intersect(NormalizedRect(corner.x, corner.y, oppositeCorner.x, oppositeCorner.y),
                  RECT{0, 0, size.cx, size.cy});
    if (IsEmpty(rect)) {
        return;
    }
    // Pixels the picture does not fill (the smaller pictures) float as empty ones, not as
    // whatever an earlier selection left in the bitmap.
    selectionBitmap.Fill(kTransparentMagenta);
    DrawingContext selection(&selectionBitmap);
    const DrawingContext image(&MutableImage(view_.viewMode));
    BitBlt(selection, 0, 0, static_cast<int>(Width(rect)), static_cast<int>(Height(rect)), image,
           rect.left, rect.top);
    // The selection floats only once its pixels are in the bitmap.
    selection_.selectionRect = rect;
    selection_.hasFloatingSelection = true;
    InvalidateViews();
}

void CEditPanel::MoveSelectionBy(int dx, int dy) {
    RECT& rect = selection_.selectionRect;
    // A move that would carry an edge past what an int holds stops at that limit, keeping
    // the rectangle's size.
    const auto limited = [](std::int64_t delta, int low, int high) {
        return static_cast<int>(std::clamp<std::int64_t>(delta, std::int64_t{INT32_MIN} - low,
                                                         std::int64_t{INT32_MAX} - high));
    };
    dx = limited(dx, rect.left, rect.right);
    dy = limited(dy, rect.top, rect.bottom);
    rect = RECT{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

void CEditPanel::PlaceSelectionInto(DeviceBitmap& image) const {
    const RECT& rect = selection_.selectionRect;
    const int width =
        static_cast<int>(std::min<std::int64_t>(Width(rect), selectionBitmap.Width()));
    const int height =
        static_cast<int>(std::min<std::int64_t>(Height(rect), selectionBitmap.Height()));
    const bool opaque = options_.opaqueSelection;
    for (int y = 0; y < height; ++y) {
        const std::int64_t imageY = std::int64_t{rect.top} + y;
        if (imageY < 0 || imageY >= image.Height()) {
            continue;
        }
        for (int x = 0; x < width; ++x) {
            const std::int64_t imageX = std::int64_t{rect.left} + x;
            if (imageX < 0 || imageX >= image.Width()) {
                continue;
            }
            // Magenta in the selection is see-through unless the selection is opaque.
            const COLORREF floating = selectionBitmap.At(x, y);
            if (opaque || floating != kTransparentMagenta) {
                image.At(static_cast<int>(imageX), static_cast<int>(imageY)) = floating;
            }
        }
    }
}

void CEditPanel::CommitFloatingSelection() {
    PlaceSelectionInto(MutableImage(view_.viewMode));
    InvalidateViews();
}

void CEditPanel::DropFloatingSelection() {
    selection_.hasFloatingSelection = false;
    selection_.selectionRect = RECT{};
    // Where the floating pixels were shown, the picture shows again.
    InvalidateChanges();
}

} // namespace pattik
