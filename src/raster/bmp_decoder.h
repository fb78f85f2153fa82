#pragma once

#include "raster/device_bitmap.h"

#include <span>

namespace pattik {

// Decodes a Windows BMP file: a BITMAPFILEHEADER, then a BITMAPINFOHEADER or one of
// its larger successors, uncompressed (BI_RGB) at 1, 4, 8, 24 or 32 bits per pixel,
// rows bottom-up or top-down. The result's dimension is its size.
//
// Anything else gives an empty bitmap: a truncated or inconsistent file, compression,
// other bit counts, a width or height that is not positive, or more pixels than
// DeviceBitmap holds. A palette index past the end of the palette is read as black,
// as some writers store fewer colours than their pixels refer to.
DeviceBitmap DecodeBmp(std::span<const unsigned char> bytes);

} // namespace pattik
