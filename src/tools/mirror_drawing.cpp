#include "tools/mirror_drawing.h"

#include "panel/mirror_axis.h"

#include <algorithm>
#include <utility>

namespace pattik {
namespace {

// The part of the area that lies in the bitmap.
Size ClippedArea(const DeviceBitmap& bitmap, Size area) {
    return Size{std::clamp(area.cx, 0, bitmap.Width()), std::clamp(area.cy, 0, bitmap.Height())};
}

bool SameSize(const DeviceBitmap& a, const DeviceBitmap& b) {
    return a.Width() == b.Width() && a.Height() == b.Height();
}

} // namespace

RECT MirrorChangedPixels(const DeviceBitmap& before, DeviceBitmap& picture, Size area) {
    if (!SameSize(before, picture)) {
        return RECT{};
    }
    // The mirror is taken about the area's own middle, even when the bitmap is wider.
    const Size clipped = ClippedArea(picture, area);
    if (clipped.cx != area.cx) {
        return RECT{};
    }
    RECT changed{};
    const int width = area.cx;
    for (int y = 0; y < clipped.cy; ++y) {
        const COLORREF* was = before.Row(y);
        COLORREF* row = picture.Row(y);
        for (int x = 0; x < MirrorAxisColumn(width); ++x) {
            const int mirror = MirroredColumn(x, width);
            const bool leftChanged = row[x] != was[x];
            const bool rightChanged = row[mirror] != was[mirror];
            if (leftChanged) {
                row[mirror] = row[x];
                changed = Union(changed, RECT{mirror, y, mirror + 1, y + 1});
            } else if (rightChanged) {
                row[x] = row[mirror];
                changed = Union(changed, RECT{x, y, x + 1, y + 1});
            }
        }
    }
    return changed;
}

void FlipColumns(DeviceBitmap& bitmap, Size area) {
    const Size clipped = ClippedArea(bitmap, area);
    if (clipped.cx != area.cx) {
        return;
    }
    for (int y = 0; y < clipped.cy; ++y) {
        COLORREF* row = bitmap.Row(y);
        std::reverse(row, row + clipped.cx);
    }
}

void DrawWithMirrorImage(DrawingContext& composition, Size area,
                         const std::function<void(DrawingContext&)>& draw) {
    DeviceBitmap* pixels = composition.Bitmap();
    if (pixels == nullptr || pixels->IsEmpty() || ClippedArea(*pixels, area).cx != area.cx) {
        draw(composition);
        return;
    }
    const DeviceBitmap under = *pixels;
    draw(composition);
    DeviceBitmap drawn = std::exchange(*pixels, under);

    // Drawn over the flipped pixels and flipped back, the preview lands at its mirror
    // position over what is really there.
    // The clip flips with the pixels, so the mirrored preview is drawn where the clip lets
    // the plain one be: in the part of the composition being repainted.
    const std::optional<RECT> clip = composition.GetClipRect();
    if (clip) {
        composition.SelectClipRect(
            MirroredArea(Intersect(*clip, RECT{0, 0, area.cx, area.cy}), area.cx));
    }
    FlipColumns(*pixels, area);
    draw(composition);
    FlipColumns(*pixels, area);
    composition.SelectClipRect(clip);

    // The area keeps the mirrored preview where it drew and the plain one elsewhere; outside
    // the area only the plain one counts.
    const Size clipped = ClippedArea(*pixels, area);
    for (int y = 0; y < pixels->Height(); ++y) {
        COLORREF* row = pixels->Row(y);
        const COLORREF* original = under.Row(y);
        const COLORREF* plain = drawn.Row(y);
        for (int x = 0; x < pixels->Width(); ++x) {
            const bool inArea = y < clipped.cy && x < clipped.cx;
            if (!inArea || row[x] == original[x]) {
                row[x] = plain[x];
            }
        }
    }
}

} // namespace pattik
