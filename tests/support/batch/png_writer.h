#pragma once

#include "raster/device_bitmap.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pattik::testing {

struct Rgba {
    std::uint8_t red, green, blue, alpha;
};

// A picture as another drawing program keeps it: straight RGBA, rows top first.
struct RgbaPicture {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;

    Rgba& At(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// The ways a PNG can store a picture that the batch command must all read alike.
enum class PngLayout {
    Palette8, // indexed, 8 bits, transparency in tRNS
    Palette4, // indexed, 4 bits: at most 16 colours
    Gray8,    // grey only, no alpha
    Gray16,   // grey only, 16-bit samples, no alpha
    GrayAlpha8,
    GrayAlpha16,
    Rgb8, // no alpha
    Rgb16,
    Rgba8,
    Rgba16,
    Rgba8Interlaced, // Adam7
};

// Whether the layout keeps alpha; the others store every pixel opaque.
bool KeepsAlpha(PngLayout layout);
// Grey layouts store the red sample; 16-bit ones store each 8-bit sample v as v * 257.
// Fails the test (and returns false) when the picture does not fit the layout's palette.
bool WritePng(const std::string& path, const RgbaPicture& picture, PngLayout layout);

// The editor's picture as an artist's PNG of it: drawn pixels opaque, empty (magenta)
// pixels fully transparent with `hidden` as their colour, which no reader may show.
RgbaPicture ToRgba(const DeviceBitmap& bitmap, Rgba hidden = {255, 255, 255, 0});

} // namespace pattik::testing
