#include "image/write_gif.h"

#include "image/cximage_gif.h"

namespace pattik {
namespace {

bool SameColour(const RGBQUAD& a, const RGBQUAD& b) {
    return a.rgbRed == b.rgbRed && a.rgbGreen == b.rgbGreen && a.rgbBlue == b.rgbBlue;
}

constexpr const char* kEmptyPicture = "WriteGif: the picture is empty";

} // namespace

SaveResult WriteGif(const std::string& fileName, const CxImage& picture) {
    if (!picture.IsValid()) {
        return SaveResult{SaveFailure::EmptyPicture, 0, kEmptyPicture};
    }
    CxImageGif gif;
    if (gif.Create(picture.GetWidth(), picture.GetHeight(), 8, kImageTypeGif) == nullptr) {
        // The 8-bit copy of a picture of fewer bits can break the memory limit, but only at a
        // size no GIF can hold; any other refusal is for want of memory.
        const bool fits =
            picture.GetWidth() <= kGifLargestSide && picture.GetHeight() <= kGifLargestSide;
        return SaveResult{fits ? SaveFailure::OutOfMemory : SaveFailure::PictureTooLarge, 0,
                          gif.GetLastError()};
    }
    gif.info.TransparentIndex = kTransparentEntry;
    gif.info.TransparentColour = RGBQUAD{255, 255, 255, 0};
    for (int i = kTransparentEntry; i < kBlackEntry; ++i) {
        gif.SetPaletteColor(static_cast<std::uint8_t>(i), kTransparentMagenta);
    }

    int next = kTransparentEntry + 1;
    // Black pixels use entry 255; once one has, handing that entry to a new colour would
    // repaint them, so from then on the last free entry is 254.
    bool blackUsed = false;
    for (int y = 0; y < picture.GetHeight(); ++y) {
        for (int x = 0; x < picture.GetWidth(); ++x) {
            const RGBQUAD colour = picture.GetPixelColor(x, y);
            auto index = gif.NearestIndex(colour);
            const bool exact = SameColour(gif.GetPaletteColor(index), colour);
            const int lastFree = blackUsed ? kBlackEntry - 1 : kBlackEntry;
            if (!exact && next <= lastFree) {
                gif.SetPaletteColor(static_cast<std::uint8_t>(next), colour);
                index = static_cast<std::uint8_t>(next++);
            }
            blackUsed = blackUsed ||
                        (index == kBlackEntry && exact && SameColour(colour, RGBQUAD{0, 0, 0, 0}));
            gif.SetPixelIndex(x, y, index);
        }
    }
    return gif.Save(fileName, kImageTypeGif);
}

} // namespace pattik
