#include "image/cximage.h"

#include <algorithm>

namespace pattik {
namespace {

// Bit counts of the palette images: a byte, a nibble or a single bit per pixel.
constexpr std::uint16_t kByteIndexBits = 8;
constexpr std::uint16_t kNibbleIndexBits = 4;
constexpr unsigned kNibbleMask = 0x0F;
constexpr unsigned kBitMask = 0x01;
constexpr unsigned kBitsPerByte = 8;
// Larger than any squared distance between two colours (3 x 255^2).
constexpr long kNoDistanceYet = 200000;

// The bit position of pixel x inside its byte: even nibbles and low x sit high.
unsigned Shift(int x, std::uint16_t bitCount) {
    if (bitCount == kNibbleIndexBits) {
        return kNibbleIndexBits * (1 - unsigned(x) % 2);
    }
    return kBitsPerByte - 1 - unsigned(x) % kBitsPerByte;
}

long SquaredDistance(RGBQUAD a, RGBQUAD b) {
    const long blue = long(a.rgbBlue) - b.rgbBlue;
    const long green = long(a.rgbGreen) - b.rgbGreen;
    const long red = long(a.rgbRed) - b.rgbRed;
    return blue * blue + green * green + red * red;
}

} // namespace

RGBQUAD* CxImage::GetPalette() const {
    if (pixelBlock == nullptr || GetPaletteSize() == 0) {
        return nullptr;
    }
    return reinterpret_cast<RGBQUAD*>(pixelBlock + kDibHeaderSize);
}

RGBQUAD CxImage::GetPaletteColor(std::uint8_t index) const {
    const RGBQUAD* palette = GetPalette();
    if (palette == nullptr || index >= GetPaletteSize()) {
        return RGBQUAD{};
    }
    return palette[index];
}

void CxImage::SetPaletteColor(std::uint8_t index, RGBQUAD colour) {
    RGBQUAD* palette = GetPalette();
    if (palette == nullptr || index >= GetPaletteSize()) {
        return;
    }
    palette[index] = colour;
    // The cached nearest index may no longer be the nearest.
    state.nearestCacheValid = false;
}

void CxImage::SetPaletteColor(std::uint8_t index, COLORREF colour) {
    SetPaletteColor(index, RGBQUAD{GetBValue(colour), GetGValue(colour), GetRValue(colour), 0});
}

std::uint8_t CxImage::GetPixelIndex(int x, int y) const {
    if (pixelBlock == nullptr || GetPaletteSize() == 0) {
        return 0;
    }
    if (!IsInside(x, y)) {
        if (info.TransparentIndex != kNoTransparency) {
            return static_cast<std::uint8_t>(info.TransparentIndex);
        }
        // The first pixel of row 0, whatever the depth packs into its byte; a picture 0
        // pixels wide or high has none.
        return IsInside(0, 0) ? GetPixelIndex(0, 0) : 0;
    }
    const std::uint8_t byte = *PixelAddress(x, y);
    if (header.biBitCount == kByteIndexBits) {
        return byte;
    }
    const unsigned mask = header.biBitCount == kNibbleIndexBits ? kNibbleMask : kBitMask;
    return static_cast<std::uint8_t>((byte >> Shift(x, header.biBitCount)) & mask);
}

void CxImage::SetPixelIndex(int x, int y, std::uint8_t index) {
    if (pixelBlock == nullptr || GetPaletteSize() == 0 || !IsInside(x, y)) {
        return;
    }
    std::uint8_t& byte = *PixelAddress(x, y);
    if (header.biBitCount == kByteIndexBits) {
        byte = index;
        return;
    }
    const unsigned mask = header.biBitCount == kNibbleIndexBits ? kNibbleMask : kBitMask;
    const unsigned shift = Shift(x, header.biBitCount);
    byte = static_cast<std::uint8_t>((byte & ~(mask << shift)) | ((index & mask) << shift));
}

RGBQUAD CxImage::GetPixelColor(int x, int y) const {
    RGBQUAD colour = info.TransparentColour;
    if (pixelBlock != nullptr && IsInside(x, y)) {
        if (GetPaletteSize() != 0) {
            return GetPaletteColor(GetPixelIndex(x, y));
        }
        const std::uint8_t* bgr = PixelAddress(x, y);
        colour.rgbBlue = bgr[0];
        colour.rgbGreen = bgr[1];
        colour.rgbRed = bgr[2];
        return colour;
    }
    if (info.TransparentIndex != kNoTransparency) {
        return header.biBitCount < kTrueColourBits
                   ? GetPaletteColor(static_cast<std::uint8_t>(info.TransparentIndex))
                   : info.TransparentColour;
    }
    // Outside reads repeat the bottom-left pixel, if the picture has one.
    if (pixelBlock != nullptr && IsInside(0, 0)) {
        return GetPixelColor(0, 0);
    }
    return colour;
}

std::uint8_t CxImage::NearestIndex(RGBQUAD colour) {
    if (pixelBlock == nullptr || GetPaletteSize() == 0) {
        return 0;
    }
    if (state.nearestCacheValid && state.lastNearestColour == colour) {
        return state.lastNearestIndex;
    }
    state.lastNearestColour = colour;
    state.nearestCacheValid = true;

    const std::uint32_t count = SearchedPaletteSize();
    const RGBQUAD* palette = GetPalette();
    long bestDistance = kNoDistanceYet;
    std::uint32_t best = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const long distance = SquaredDistance(palette[i], colour);
        if (distance == 0) {
            best = i;
            break;
        }
        // Strictly smaller only: among equal distances the lowest index stays.
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    state.lastNearestIndex = static_cast<std::uint8_t>(best);
    return state.lastNearestIndex;
}

std::uint32_t CxImage::SearchedPaletteSize() const {
    // A colours-important count above the palette size must not lead a search past it.
    const std::uint32_t important = header.biClrImportant;
    return important != 0 ? std::min(important, GetPaletteSize()) : GetPaletteSize();
}

RGBQUAD CxImage::EffectiveTransparentColour() const {
    if (header.biBitCount < kTrueColourBits && info.TransparentIndex != kNoTransparency) {
        return GetPaletteColor(static_cast<std::uint8_t>(info.TransparentIndex));
    }
    return info.TransparentColour;
}

} // namespace pattik
