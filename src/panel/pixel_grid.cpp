#include "panel/pixel_grid.h"

#include <algorithm>
#include <vector>

namespace pattik {
namespace {

std::uint8_t Nudge(std::uint8_t channel, bool darken) {
    return static_cast<std::uint8_t>(darken ? channel - channel / 4
                                            : channel + (255 - channel) / 4);
}

// GridColourOver for runs of one colour, which a zoomed picture is made of: each colour is
// worked out once per run.
class GridColours {
  public:
    COLORREF Over(COLORREF colour) {
        if (colour != under_) {
            under_ = colour;
            line_ = GridColourOver(colour);
        }
        return line_;
    }

  private:
    COLORREF under_ = kInvalidColour;
    COLORREF line_ = kInvalidColour;
};

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
    // Only the clip box is drawn, so a repaint of a few cells nudges each pixel once.
    const RECT box = Intersect(mapping.Canvas(), client.GetClipBox());
    const RECT source = mapping.SourceArea();
    const int top = box.top;
    const int bottom = box.bottom;
    const int left = box.left;
    const int right = box.right;
    if (left >= right || top >= bottom) {
        return;
    }
    // Only the pixels shown in the box can have their lines in it.
    const RECT shown = mapping.CanvasToPictureArea(box);
    // The border before each pixel but the first: where the canvas shows its left column.
    std::vector<bool> columnLine(static_cast<std::size_t>(right - left), false);
    GridColours colours;
    for (int column = std::max(source.left + 1, shown.left); column < shown.right; ++column) {
        const int x = mapping.ImageToCanvas(Point{column, source.top}).left;
        if (x < left || x >= right) {
            continue;
        }
        columnLine[static_cast<std::size_t>(x - left)] = true;
        for (int y = top; y < bottom; ++y) {
            bitmap->At(x, y) = colours.Over(bitmap->At(x, y));
        }
    }
    for (int row = std::max(source.top + 1, shown.top); row < shown.bottom; ++row) {
        const int y = mapping.ImageToCanvas(Point{source.left, row}).top;
        if (y < top || y >= bottom) {
            continue;
        }
        COLORREF* line = bitmap->Row(y);
        for (int x = left; x < right; ++x) {
            // A crossing is nudged once, by its column's line.
            if (!columnLine[static_cast<std::size_t>(x - left)]) {
                line[x] = colours.Over(line[x]);
            }
        }
    }
}

} // namespace pattik
