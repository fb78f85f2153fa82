#pragma once

#include "raster/device_bitmap.h"
#include "raster/dib_layout.h"
#include "raster/drawing_context.h"

#include <cstdint>

namespace pattik {

// Reads a whole device bitmap as 24-bit DIB rows: bottom row first, each pixel blue,
// green, red, rows padded to a multiple of four bytes. rows must hold
// DibStride(width, 24) x height bytes. Returns the number of rows written (0 for an
// empty bitmap).
int GetDIBits24(const DeviceBitmap& bitmap, std::uint8_t* rows);

// Reads the w x h block at (left, top) of the context's bitmap as 24-bit DIB rows
// (bottom row of the block first). Pixels outside the bitmap read as black.
void ReadDIBits24(const DrawingContext& context, int left, int top, int w, int h,
                  std::uint8_t* rows);

// Writes a DIB of 1, 4, 8 or 24 bits to the context with its top-left corner at
// (x, y), showing at most w columns and h rows of it (the bottom h rows of the DIB:
// its first stored row lands at y + h - 1). Only pixels inside the clip box change;
// no raster operation. Returns the number of DIB rows it covered, 0 when nothing
// could be written.
int SetDIBitsToDevice(DrawingContext& context, int x, int y, int w, int h, const DibRef& dib);

} // namespace pattik
