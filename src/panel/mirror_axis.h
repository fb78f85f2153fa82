#pragma once

#include "panel/canvas_mapping.h"
#include "raster/drawing_context.h"

#include <cstdint>

namespace pattik {

// Mirror drawing reflects a picture about the vertical axis through its middle column: the
// pictures are an odd number of pixels wide (75, 25), so that column maps to itself and
// column x to width - 1 - x.
constexpr int MirroredColumn(int x, int width) {
    return width - 1 - x;
}
constexpr int MirrorAxisColumn(int width) {
    return (width - 1) / 2;
}
// The block a block of pixels goes to: its columns mirrored, its rows as they are.
constexpr RECT MirroredArea(const RECT& area, int width) {
    if (IsEmpty(area)) {
        return RECT{};
    }
    return ClampedRect(std::int64_t{width} - area.right, area.top, std::int64_t{width} - area.left,
                       area.bottom);
}

// The axis as the canvas shows it: a line one screen pixel wide down the middle of the axis
// column's cells, in dashes of black and white so it shows on any colour. Nothing when the
// column is scrolled out of view.
void DrawMirrorAxis(DrawingContext& client, const CanvasMapping& mapping, int pictureWidth);

// The length of each dash, in screen pixels.
inline constexpr int kMirrorAxisDash = 3;

} // namespace pattik
