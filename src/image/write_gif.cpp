#include "image/write_gif.h"

#include "image/cximage_gif.h"

#include <optional>
#include <unordered_map>
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

SaveResult MakeGifPicture(const CxImage& picture, CxImageGif& gif) {
    if (!picture.IsValid()) {
        return SaveResult{SaveFailure::EmptyPicture, 0, kEmptyPicture};
    }
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
    // The entry of each colour in the palette: the lowest one that holds it, as the
    // nearest-colour search would find it (magenta at 0 and black at 255 to begin with).
    std::unordered_map<std::uint32_t, std::uint8_t> entries{
        {Key(RGBQUAD{255, 0, 255, 0}), static_cast<std::uint8_t>(kTransparentEntry)},
        {Key(RGBQUAD{0, 0, 0, 0}), static_cast<std::uint8_t>(kBlackEntry)}};
    std::unordered_map<std::uint32_t, std::uint8_t> nearestFor;
    const int width = picture.GetWidth();
    const int height = picture.GetHeight();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const RGBQUAD colour = picture.GetPixelColor(x, y);
            const std::uint32_t key = Key(colour);
            const auto found = entries.find(key);
            const bool exact = found != entries.end();
            std::uint8_t index = exact ? found->second : 0;
            if (!exact && next == kBlackEntry && !blackUsed && !blackAhead) {
                blackAhead = HoldsBlackFrom(picture, x, y);
            }
            const bool blackReserved = blackUsed || blackAhead.value_or(false);
            const int lastFree = blackReserved ? kBlackEntry - 1 : kBlackEntry;
            if (!exact && next <= lastFree) {
                gif.SetPaletteColor(static_cast<std::uint8_t>(next), colour);
                if (next == kBlackEntry) {
                    entries.erase(Key(RGBQUAD{0, 0, 0, 0})); // black gave its entry away
                }
                index = static_cast<std::uint8_t>(next++);
                entries.emplace(key, index);
            } else if (!exact) {
                // The palette is full and stays so: each merged colour is looked up once.
                auto nearest = nearestFor.find(key);
                if (nearest == nearestFor.end()) {
                    nearest = nearestFor.emplace(key, gif.NearestIndex(colour)).first;
                }
                index = nearest->second;
                merged.insert(key);
            }
            blackUsed = blackUsed || (index == kBlackEntry && exact && IsBlack(colour));
            gif.SetPixelIndex(x, y, index);
        }
    }
    SaveResult result;
    result.mergedColours = static_cast<int>(merged.size());
    return result;
}

SaveResult WriteGif(const std::string& fileName, const CxImage& picture) {
    CxImageGif gif;
    const SaveResult made = MakeGifPicture(picture, gif);
    if (!made.Succeeded()) {
        return made;
    }
    SaveResult saved = gif.Save(fileName, kImageTypeGif);
    saved.mergedColours = made.mergedColours;
    return saved;
}

} // namespace pattik
