#pragma once

#include <cstdint>

namespace pattik {

// The 40-byte header of a device-independent bitmap, in the order it is stored.
struct BITMAPINFOHEADER {
    std::uint32_t biSize = 0;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0; // positive: rows are stored bottom row first
    std::uint16_t biPlanes = 0;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

// One palette entry: blue, green, red and a reserved byte.
struct RGBQUAD {
    std::uint8_t rgbBlue = 0;
    std::uint8_t rgbGreen = 0;
    std::uint8_t rgbRed = 0;
    std::uint8_t rgbReserved = 0;
    friend bool operator==(const RGBQUAD&, const RGBQUAD&) = default;
};
static_assert(sizeof(RGBQUAD) == 4);

inline constexpr std::uint32_t kBiRgb = 0;

// Bytes per row of a DIB: rows are padded to a multiple of four bytes.
constexpr std::uint64_t DibStride(std::int64_t width, int bitCount) {
    return static_cast<std::uint64_t>((width * bitCount + 31) / 32) * 4;
}

// A DIB as the drawing layer reads it: a header, its palette (for 1, 4 and 8 bits)
// and its rows, bottom row first.
struct DibRef {
    const BITMAPINFOHEADER* header = nullptr;
    const RGBQUAD* palette = nullptr;
    const std::uint8_t* bits = nullptr;
};

} // namespace pattik
