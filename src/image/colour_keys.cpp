#include "image/colour_keys.h"

#include "image/cximage_gif.h"

namespace pattik {
namespace {

constexpr RGBQUAD kWhiteKey{255, 255, 255, 0};
constexpr RGBQUAD kMagentaKey{255, 0, 255, 0};
// A true-colour picture is keyed by colour; the index only has to say that a key is set.
constexpr int kKeyedIndex = 255;

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
    CxImageGif picture;
    if (!picture.LoadFromDeviceBitmap(&bitmap)) {
        return; // a bitmap that cannot become a picture draws nothing
    }
    MakeMagentaTransparent(picture);
    picture.Draw(&target, x, y, cx, cy, clip);
}

} // namespace pattik
