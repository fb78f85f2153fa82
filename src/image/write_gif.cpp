#include "image/write_gif.h"

#include "image/colour_index_table.h"
#include "image/cximage_gif.h"
#include "image/nearest_colour_search.h"

#include <algorithm>
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

// A picture's rows one at a time, as the keys of the colours GetPixelColor gives, and those
// colours. A 24-bit picture, the kind every save converts, is read straight from its bytes;
// its colours all carry the colour key's reserved byte, as GetPixelColor gives them.
class PictureRows {
  public:
    explicit PictureRows(const CxImage& picture)
        : picture_(picture), trueColour_(picture.GetBitCount() == kTrueColourBits),
          keys_(static_cast<std::size_t>(picture.GetWidth())),
          colours_(trueColour_ ? 0 : keys_.size()) {}

    // The keys of row y, which Colour then tells about.
    const std::uint32_t* Read(int y) {
        if (trueColour_) {
            const std::uint8_t* bgr = picture_.GetRows() + std::size_t(y) * picture_.GetRowStride();
            for (std::uint32_t& key : keys_) {
                key = std::uint32_t{bgr[2]} << 16 | std::uint32_t{bgr[1]} << 8 | bgr[0];
                bgr += 3;
            }
        } else {
            for (std::size_t x = 0; x < keys_.size(); ++x) {
                colours_[x] = picture_.GetPixelColor(static_cast<int>(x), y);
                keys_[x] = Key(colours_[x]);
            }
        }
        return keys_.data();
    }

    // The colour of pixel x in the row last read.
    RGBQUAD Colour(std::size_t x) const {
        if (!trueColour_) {
            return colours_[x];
        }
        const std::uint32_t key = keys_[x];
        return RGBQUAD{static_cast<std::uint8_t>(key), static_cast<std::uint8_t>(key >> 8),
                       static_cast<std::uint8_t>(key >> 16),
                       picture_.info.TransparentColour.rgbReserved};
    }

  private:
    const CxImage& picture_;
    const bool trueColour_;
    std::vector<std::uint32_t> keys_;
    std::vector<RGBQUAD> colours_;
};

// Whether a black pixel lies at (x, y) or after it in the writer's scan order.
bool HoldsBlackFrom(const CxImage& picture, int x, int y) {
    PictureRows rows(picture);
    for (; y < picture.GetHeight(); ++y, x = 0) {
        const std::uint32_t* keys = rows.Read(y);
        for (; x < picture.GetWidth(); ++x) {
            if (keys[x] == kBlackKey) {
                return true;
            }
        }
    }
    return false;
}

// An item's pictures hold at most a few thousand colours: a table with room for as many as the
// picture has pixels, up to this, seldom has to grow.
constexpr std::size_t kLikelyColours = 4096;

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

    const int width = picture.GetWidth();
    const int height = picture.GetHeight();
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
    ColourIndexTable entries(std::min(std::size_t(width) * std::size_t(height), kLikelyColours));
    entries.Put(entries.Locate(kMagentaKey), kMagentaKey,
                static_cast<std::uint8_t>(kTransparentEntry));
    entries.Put(entries.Locate(kBlackKey), kBlackKey, static_cast<std::uint8_t>(kBlackEntry));
    // Made when the palette first runs out; it is full from then on and never changes.
    std::optional<NearestColourSearch> nearest;
    PictureRows rows(picture);
    // Neighbouring pixels often share a colour, which then needs no look-up at all.
    std::uint32_t previousKey = kNoKey;
    std::uint8_t previousIndex = 0;
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* keys = rows.Read(y);
        std::uint8_t* indices = gif.GetRows() + std::size_t(y) * gif.GetRowStride();
        for (int x = 0; x < width; ++x) {
            const std::uint32_t key = keys[x];
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
                    gif.SetPaletteColor(static_cast<std::uint8_t>(next),
                                        rows.Colour(std::size_t(x)));
                    index = static_cast<std::uint8_t>(next++);
                } else {
                    if (!nearest) {
                        nearest.emplace(gif.GetPalette(), gif.SearchedPaletteSize());
                    }
                    index = nearest->Find(rows.Colour(std::size_t(x)));
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
