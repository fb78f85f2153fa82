#pragma once

#include "raster/device_bitmap.h"
#include "raster/geometry.h"

#include <optional>
#include <string>

namespace pattik::batch {

// A picture read from a PNG file, as the editor holds it: each pixel its RGB, or the
// transparent magenta (an empty pixel) where the PNG is more than half transparent.
struct PngReadResult {
    std::optional<DeviceBitmap> picture;
    // When nothing was read: the file's path and why, in Korean, then English.
    std::string problem;
};

// Reads a PNG of any colour type, bit depth and interlacing that must have exactly the
// given size. A file that is missing, not a PNG, damaged or of another size is refused.
PngReadResult ReadPngPicture(const std::string& path, Size size);

} // namespace pattik::batch
