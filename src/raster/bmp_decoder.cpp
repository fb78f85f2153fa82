#include "raster/bmp_decoder.h"

#include "raster/dib_layout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace pattik {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint16_t kBmpMagic = 0x4D42; // "BM", little-endian
constexpr std::size_t kRgbQuadSize = 4;
constexpr int kMaxPaletteBits = 8;
constexpr std::size_t kMaxPaletteEntries = std::size_t{1} << kMaxPaletteBits;
constexpr int kBitsPerByte = 8;

// Field offsets of the two headers, counted from the start of the file.
constexpr std::size_t kMagicOffset = 0;
constexpr std::size_t kPixelOffsetOffset = 10;
constexpr std::size_t kInfoSizeOffset = 14;
constexpr std::size_t kWidthOffset = 18;
constexpr std::size_t kHeightOffset = 22;
constexpr std::size_t kBitCountOffset = 28;
constexpr std::size_t kCompressionOffset = 30;
constexpr std::size_t kColoursUsedOffset = 46;

// Little-endian reads; the caller has checked that the bytes are there.
std::uint32_t ReadU16(std::span<const unsigned char> bytes, std::size_t offset) {
    return std::uint32_t{bytes[offset]} | (std::uint32_t{bytes[offset + 1]} << kBitsPerByte);
}

std::uint32_t ReadU32(std::span<const unsigned char> bytes, std::size_t offset) {
    return ReadU16(bytes, offset) | (ReadU16(bytes, offset + 2) << (2 * kBitsPerByte));
}

std::int32_t ReadI32(std::span<const unsigned char> bytes, std::size_t offset) {
    return static_cast<std::int32_t>(ReadU32(bytes, offset));
}

struct BmpLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::size_t paletteOffset = 0;
    std::size_t paletteEntries = 0;
    std::size_t pixelOffset = 0;
    std::size_t stride = 0;
};

bool IsSupportedBitCount(std::uint32_t bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 || bitCount == 32;
}

// Reads and checks the headers; every offset and size in the result lies inside bytes.
std::optional<BmpLayout> ReadLayout(std::span<const unsigned char> bytes) {
    const std::uint64_t fileSize = bytes.size();
    if (fileSize < kFileHeaderSize + kInfoHeaderSize || ReadU16(bytes, kMagicOffset) != kBmpMagic) {
        return std::nullopt;
    }
    const std::uint32_t infoSize = ReadU32(bytes, kInfoSizeOffset);
    const std::int64_t width = ReadI32(bytes, kWidthOffset);
    const std::int64_t signedHeight = ReadI32(bytes, kHeightOffset);
    const std::uint32_t bitCount = ReadU16(bytes, kBitCountOffset);
    const std::uint32_t coloursUsed = ReadU32(bytes, kColoursUsedOffset);
    const std::uint64_t pixelOffset = ReadU32(bytes, kPixelOffsetOffset);

    // Smaller headers (OS/2 BITMAPCOREHEADER) have other field positions.
    if (infoSize < kInfoHeaderSize || ReadU32(bytes, kCompressionOffset) != kBiRgb ||
        !IsSupportedBitCount(bitCount)) {
        return std::nullopt;
    }
    const std::int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (width <= 0 || height <= 0 || width * height > DeviceBitmap::kMaxPixels) {
        return std::nullopt;
    }

    const std::uint64_t paletteOffset = kFileHeaderSize + std::uint64_t{infoSize};
    std::uint64_t paletteEntries = 0;
    if (bitCount <= kMaxPaletteBits) {
        const std::uint64_t fullPalette = std::uint64_t{1} << bitCount;
        if (coloursUsed > fullPalette) {
            return std::nullopt;
        }
        paletteEntries = coloursUsed == 0 ? fullPalette : coloursUsed;
    }
    const std::uint64_t paletteEnd = paletteOffset + paletteEntries * kRgbQuadSize;
    const std::uint64_t stride = DibStride(width, static_cast<int>(bitCount));
    // Sizes stay far below 2^64: width * height is capped and a pixel is at most 4 bytes.
    if (paletteEnd > fileSize || pixelOffset < paletteEnd ||
        pixelOffset + stride * static_cast<std::uint64_t>(height) > fileSize) {
        return std::nullopt;
    }

    BmpLayout layout;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    layout.topDown = signedHeight < 0;
    layout.bitCount = static_cast<int>(bitCount);
    layout.paletteOffset = static_cast<std::size_t>(paletteOffset);
    layout.paletteEntries = static_cast<std::size_t>(paletteEntries);
    layout.pixelOffset = static_cast<std::size_t>(pixelOffset);
    layout.stride = static_cast<std::size_t>(stride);
    return layout;
}

using Palette = std::array<COLORREF, kMaxPaletteEntries>;

// Every possible index gets a colour, so pixels can index it without a check; those
// past the stored palette stay black.
Palette ReadPalette(std::span<const unsigned char> bytes, const BmpLayout& layout) {
    Palette palette{};
    palette.fill(kBlack);
    for (std::size_t i = 0; i < layout.paletteEntries; ++i) {
        const std::size_t entry = layout.paletteOffset + i * kRgbQuadSize;
        palette[i] = RGB(bytes[entry + 2], bytes[entry + 1], bytes[entry]);
    }
    return palette;
}

void DecodeIndexedRow(std::span<const unsigned char> row, int bitCount, const Palette& palette,
                      COLORREF* out, int width) {
    // Pixels are packed from the high bits of each byte down.
    const int pixelsPerByte = kBitsPerByte / bitCount;
    const std::uint32_t indexMask = (1U << bitCount) - 1;
    for (int x = 0; x < width; ++x) {
        const std::uint32_t byte = row[static_cast<std::size_t>(x / pixelsPerByte)];
        const int shift = kBitsPerByte - bitCount * (x % pixelsPerByte + 1);
        out[x] = palette[(byte >> shift) & indexMask];
    }
}

void DecodeDirectRow(std::span<const unsigned char> row, int bitCount, COLORREF* out, int width) {
    // Blue, green, red, then for 32 bits an unused byte.
    const std::size_t bytesPerPixel = static_cast<std::size_t>(bitCount / kBitsPerByte);
    for (int x = 0; x < width; ++x) {
        const std::size_t pixel = static_cast<std::size_t>(x) * bytesPerPixel;
        out[x] = RGB(row[pixel + 2], row[pixel + 1], row[pixel]);
    }
}

} // namespace

DeviceBitmap DecodeBmp(std::span<const unsigned char> bytes) {
    const std::optional<BmpLayout> layout = ReadLayout(bytes);
    if (!layout) {
        return {};
    }
    DeviceBitmap bitmap(layout->width, layout->height);
    if (bitmap.IsEmpty()) {
        return {};
    }
    const bool indexed = layout->bitCount <= kMaxPaletteBits;
    const Palette palette = indexed ? ReadPalette(bytes, *layout) : Palette{};
    for (int stored = 0; stored < layout->height; ++stored) {
        const int y = layout->topDown ? stored : layout->height - 1 - stored;
        const auto row =
            bytes.subspan(layout->pixelOffset + static_cast<std::size_t>(stored) * layout->stride,
                          layout->stride);
        if (indexed) {
            DecodeIndexedRow(row, layout->bitCount, palette, bitmap.Row(y), layout->width);
        } else {
            DecodeDirectRow(row, layout->bitCount, bitmap.Row(y), layout->width);
        }
    }
    return bitmap;
}

} // namespace pattik
