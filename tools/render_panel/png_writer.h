#pragma once

#include "raster/device_bitmap.h"

#include <string>

namespace pattik::render {

// Writes the bitmap as an 8-bit RGB PNG. The image data is deflated with stored blocks
// only, so the file is large but needs no compressor. False when the file cannot be
// completely written.
bool WritePng(const DeviceBitmap& bitmap, const std::string& path);

} // namespace pattik::render
