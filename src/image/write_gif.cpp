#include "image/write_gif.h"

#include "image/colour_index_table.h"
#include "image/cximage_gif.h"
#include "image/nearest_colour_search.h"

#include <optional>
#include <vector>

namespace pattik {
namespace {

constexpr std::uint32_t kBlackKey = 0x000000;
constexpr std::uint32_t kMagentaKey = 0xFF00FF;
// Not a 24-bit colour: no pixel has been seen before the first.
constexpr std::uint32_t kNoKey = 0xFFFFFFFFu;

std::uint32_t Key(const RGBQUAD& colour) {
    return static_cast<std::uint32_t>(colour.rgbRed) << 16 |
           static_cast<std::uint32_t>(colour.rgbGreen) << 8 | colour.rgbBlue;
}

// A picture's rows as the colours GetPixelColor gives, one row at a time. A 24-bit picture,
// the kind every save converts, is read straight from its bytes, with the reserved byte
// GetPixelColor would give.
class PictureRows {
  public:
    explicit PictureRows(const CxImage& picture)
        : picture_(picture), row_(static_cast<std::size_t>(picture.GetWidth())) {}

    const RGBQUAD* Row(int y) {
        if (picture_.GetBitCount() == kTrueColourBits) {
            const std::uint8_t* bgr = picture_.GetRows() + std::size_t(y) * picture_.GetRowStride();
            RGBQUAD colour = picture_.info.TransparentColour;
            for (RGBQUAD& pixel : row_) {
                colour.rgbBlue = bgr[0];
                colour.rgbGreen = bgr[1];
                colour.rgbRed = bgr[2];
                pixel = colour;
                bgr += 3;
            }
        } else {
            for (std::size_t x = 0; x < row_.size(); ++x) {
                row_[x] = picture_.GetPixelColor(static_cast<int>(x), y);
            }
        }
        return row_.data();
    }

  private:
    const CxImage& picture_;
    std::vector<RGBQUAD> row_;
};

// Whether a black pixel lies at (x, y) or after it in the writer's scan order.
bool HoldsBlackFrom(const CxImage& picture, int x, int y) {
    PictureRows rows(picture);
    for (; y < picture.GetHeight(); ++y, x = 0) {
        const RGBQUAD* row = rows.Row(y);
        for (; x < picture.GetWidth(); ++x) {
            if (Key(row[x]) == kBlackKey) {
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
    int mergedColours = 0;
    // The entry of each colour met: the lowest one that holds it, as the nearest-colour
    // search would find it (magenta at 0 and black at 255 to begin with), or for a colour
    // that found the palette full, its nearest entry. Black stays in the table even when
    // entry 255 goes to another colour: that happens only when no black is left to meet.
    ColourIndexTable entries;
    entries.Put(entries.Locate(kMagentaKey), kMagentaKey,
                static_cast<std::uint8_t>(kTransparentEntry));
    entries.Put(entries.Locate(kBlackKey), kBlackKey, static_cast<std::uint8_t>(kBlackEntry));
    // Made when the palette first runs out; it is full from then on and never changes.
    std::optional<NearestColourSearch> nearest;
    PictureRows rows(picture);
    // Neighbouring pixels often share a colour, which then needs no look-up at all.
    std::uint32_t previousKey = kNoKey;
    std::uint8_t previousIndex = 0;
    const int width = picture.GetWidth();
    const int height = picture.GetHeight();
    for (int y = 0; y < height; ++y) {
        const RGBQUAD* row = rows.Row(y);
        std::uint8_t* indices = gif.GetRows() + std::size_t(y) * gif.GetRowStride();
        for (int x = 0; x < width; ++x) {
            const RGBQUAD colour = row[x];
            const std::uint32_t key = Key(colour);
            if (key == previousKey) {
                indices[x] = previousIndex;
                continue;
            }
            const ColourIndexTable::Place place = entries.Locate(key);
            std::uint8_t index = 0;
            if (place.found) {
                index = entries.EntryAt(place);
                blackUsed = blackUsed || (index == kBlackEntry && key == kBlackKey);
            } else {
                if (next == kBlackEntry && !blackUsed && !blackAhead) {
                    blackAhead = HoldsBlackFrom(picture, x, y);
                }
                const bool blackReserved = blackUsed || blackAhead.value_or(false);
                const int lastFree = blackReserved ? kBlackEntry - 1 : kBlackEntry;
                if (next <= lastFree) {
                    gif.SetPaletteColor(static_cast<std::uint8_t>(next), colour);
                    index = static_cast<std::uint8_t>(next++);
                } else {
                    if (!nearest) {
                        nearest.emplace(gif.GetPalette(), gif.SearchedPaletteSize());
                    }
                    index = nearest->Find(colour);
                    ++mergedColours;
                }
                entries.Put(place, key, index);
            }
            indices[x] = index;
            previousKey = key;
            previousIndex = index;
        }
    }
    SaveResult result;
    result.mergedColours = mergedColours;
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
