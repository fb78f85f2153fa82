#include "panel/mirror_axis.h"

#include <algorithm>

namespace pattik {

void DrawMirrorAxis(DrawingContext& client, const CanvasMapping& mapping, int pictureWidth) {
    DeviceBitmap* bitmap = client.Bitmap();
    if (bitmap == nullptr || bitmap->IsEmpty() || pictureWidth <= 0) {
        return;
    }
    const RECT source = mapping.SourceArea();
    const RECT cell = mapping.ImageToCanvas(Point{MirrorAxisColumn(pictureWidth), source.top});
    if (IsEmpty(cell)) {
        return;
    }
    // At zoom 2 a cell is two screen pixels wide and the line takes its right one.
    const int x = static_cast<int>(cell.left + Width(cell) / 2);
    const RECT canvas = mapping.Canvas();
    const RECT clip = client.GetClipBox();
    if (x < clip.left || x >= clip.right) {
        return;
    }
    // The dashes start at the canvas's top, so scrolling never makes them crawl.
    const int top = std::max(canvas.top, clip.top);
    const int bottom = std::min(canvas.bottom, clip.bottom);
    for (int y = top; y < bottom; ++y) {
        const bool dark = ((y - canvas.top) / kMirrorAxisDash) % 2 == 0;
        bitmap->At(x, y) = dark ? kBlack : kWhite;
    }
}

} // namespace pattik
