#include "image/write_gif.h"

#include "image/cximage_gif.h"

#include <optional>
#include <unordered_set>

namespace pattik {
namespace {

bool SameColour(const RGBQUAD& a, const RGBQUAD& b) {
    return a.rgbRed == b.rgbRed && a.rgbGreen == b.rgbGreen && a.rgbBlue == b.rgbBlue;
}

bool IsBlack(const RGBQUAD& colour) {
    return SameColour(colour, RGBQUAD{0, 0, 0, 0});
}

std::uint32_t Key(const RGBQUAD& colour) {
    return static_cast<std::uint32_t>(colour.rgbRed) << 16 |
           static_cast<std::uint32_t>(colour.rgbGreen) << 8 | colour.rgbBlue;
}

// Whether a black pixel lies at (x, y) or after it in the writer's scan order.
bool HoldsBlackFrom(const CxImage& picture, int x, int y) {
    for (; y < picture.GetHeight(); ++y, x = 0) {
        for (; x < picture.GetWidth(); ++x) {
            if (IsBlack(picture.GetPixelColor(x, y))) {
                return true;
            }
        }
    }
    return false;
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
    // Black pixels use entry 255, so it goes to another colour only when the picture holds
    // no black: black met first keeps it, and so does black still to come when the palette
    // runs out first (it is looked for once, at that moment).
    bool blackUsed = false;
    std::optional<bool> blackAhead;
    std::unordered_set<std::uint32_t> merged;
    const int width = picture.GetWidth();
    const int height = picture.GetHeight();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const RGBQUAD colour = picture.GetPixelColor(x, y);
            auto index = gif.NearestIndex(colour);
            const bool exact = SameColour(gif.GetPaletteColor(index), colour);
            if (!exact && next == kBlackEntry && !blackUsed && !blackAhead) {
                blackAhead = HoldsBlackFrom(picture, x, y);
            }
            const bool blackReserved = blackUsed || blackAhead.value_or(false);
            const int lastFree = blackReserved ? kBlackEntry - 1 : kBlackEntry;
            if (!exact && next <= lastFree) {
                gif.SetPaletteColor(static_cast<std::uint8_t>(next), colour);
                index = static_cast<std::uint8_t>(next++);
            } else if (!exact) {
                merged.insert(Key(colour));
            }
            blackUsed = blackUsed || (index == kBlackEntry && exact && IsBlack(colour));
            gif.SetPixelIndex(x, y, index);
        }
    }
    SaveResult result = gif.Save(fileName, kImageTypeGif);
    result.mergedColours = static_cast<int>(merged.size());
    return result;
}

} // namespace pattik
