#include "image/colour_keys.h"

#include "image/cximage_gif.h"

namespace pattik {
namespace {

constexpr RGBQUAD kWhiteKey{255, 255, 255, 0};
constexpr RGBQUAD kMagentaKey{255, 0, 255, 0};
// A true-colour picture is keyed by colour; the index only has to say that a key is set.
constexpr int kKeyedIndex = 255;

// What a keyed picture made from the bitmap draws at its own size, without the picture: a
// pixel that is not magenta is copied, a magenta one leaves the target's colour (its unused
// fourth byte cleared, as a 24-bit picture's would be). Returns the box it went over.
RECT DrawNaturalSizeWithoutMagenta(const DeviceBitmap& bitmap, DeviceBitmap& target,
                                   const RECT& clipBox, int x, int y) {
    const RECT area = Intersect(
        ClampedRect(x, y, std::int64_t{x} + bitmap.Width(), std::int64_t{y} + bitmap.Height()),
        clipBox);
    if (IsEmpty(area)) {
        return RECT{};
    }
    for (int py = area.top; py < area.bottom; ++py) {
        const COLORREF* in = bitmap.Row(py - y) + (area.left - x);
        COLORREF* out = target.Row(py);
        for (int px = area.left; px < area.right; ++px, ++in) {
            const COLORREF colour = *in & 0x00FFFFFF;
            out[px] = colour == kTransparentMagenta ? out[px] & 0x00FFFFFF : colour;
        }
    }
    return area;
}

} // namespace

void MakeWhiteTransparent(CxImage& picture) {
    picture.info.TransparentIndex = kKeyedIndex;
    picture.info.TransparentColour = kWhiteKey;
}

void MakeMagentaTransparent(CxImage& picture) {
    picture.info.TransparentIndex = kKeyedIndex;
    picture.info.TransparentColour = kMagentaKey;
}

void DrawWithoutMagenta(const DeviceBitmap& bitmap, DrawingContext& target, int x, int y, int cx,
                        int cy, const RECT* clip) {
    const bool naturalSize =
        !bitmap.IsEmpty() && (cx < 0 || cx == bitmap.Width()) && (cy < 0 || cy == bitmap.Height());
    if (naturalSize && clip == nullptr && target.Bitmap() != nullptr) {
        target.NoteChange(
            DrawNaturalSizeWithoutMagenta(bitmap, *target.Bitmap(), target.GetClipBox(), x, y));
        return;
    }
    CxImageGif picture;
    if (!picture.LoadFromDeviceBitmap(&bitmap)) {
        return; // a bitmap that cannot become a picture draws nothing
    }
    MakeMagentaTransparent(picture);
    picture.Draw(&target, x, y, cx, cy, clip);
}

} // namespace pattik
