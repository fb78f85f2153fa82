#include "panel/pixel_grid.h"

#include <algorithm>
#include <vector>

namespace pattik {
namespace {

std::uint8_t Nudge(std::uint8_t channel, bool darken) {
    return static_cast<std::uint8_t>(darken ? channel - channel / 4
                                            : channel + (255 - channel) / 4);
}

} // namespace

COLORREF GridColourOver(COLORREF colour) {
    const int red = GetRValue(colour);
    const int green = GetGValue(colour);
    const int blue = GetBValue(colour);
    // Light colours take a darker line, dark ones a lighter line (by perceived brightness).
    const bool darken = red * 299 + green * 587 + blue * 114 >= 128 * 1000;
    return RGB(Nudge(GetRValue(colour), darken), Nudge(GetGValue(colour), darken),
               Nudge(GetBValue(colour), darken));
}

void DrawPixelGrid(DrawingContext& client, const CanvasMapping& mapping) {
    DeviceBitmap* bitmap = client.Bitmap();
    if (bitmap == nullptr || bitmap->IsEmpty()) {
        return;
    }
    const RECT canvas = mapping.Canvas();
    const RECT source = mapping.SourceArea();
    const int top = std::max(canvas.top, 0);
    const int bottom = std::min(canvas.bottom, bitmap->Height());
    const int left = std::max(canvas.left, 0);
    const int right = std::min(canvas.right, bitmap->Width());
    if (left >= right || top >= bottom) {
        return;
    }
    // The border before each pixel but the first: where the canvas shows its left column.
    std::vector<bool> columnLine(static_cast<std::size_t>(right - left), false);
    for (int column = source.left + 1; column < source.right; ++column) {
        const int x = mapping.ImageToCanvas(Point{column, source.top}).left;
        if (x < left || x >= right) {
            continue;
        }
        columnLine[static_cast<std::size_t>(x - left)] = true;
        for (int y = top; y < bottom; ++y) {
            bitmap->At(x, y) = GridColourOver(bitmap->At(x, y));
        }
    }
    for (int row = source.top + 1; row < source.bottom; ++row) {
        const int y = mapping.ImageToCanvas(Point{source.left, row}).top;
        if (y < top || y >= bottom) {
            continue;
        }
        COLORREF* line = bitmap->Row(y);
        for (int x = left; x < right; ++x) {
            // A crossing is nudged once, by its column's line.
            if (!columnLine[static_cast<std::size_t>(x - left)]) {
                line[x] = GridColourOver(line[x]);
            }
        }
    }
}

} // namespace pattik
