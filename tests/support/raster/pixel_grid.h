#pragma once

#include "raster/device_bitmap.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace pattik::testing {

// Which colour each character of a pixel grid stands for.
using Legend = std::map<char, COLORREF>;

// A block of pixels written as rows of characters, for example
//     {"..##..",
//      ".#..#."}
using Grid = std::vector<std::string>;

// Paints a grid into the bitmap with its top-left character at origin.
void PaintGrid(DeviceBitmap& bitmap, Point origin, const Grid& rows, const Legend& legend);

// The block of the bitmap at origin of the grid's size, written with the legend
// ('?' for a colour the legend does not name).
Grid ReadGrid(const DeviceBitmap& bitmap, Point origin, int width, int height,
              const Legend& legend);

// Succeeds when the block of the bitmap at origin equals the grid; otherwise the
// message shows the expected and the actual grid side by side.
::testing::AssertionResult PixelsMatch(const DeviceBitmap& bitmap, Point origin, const Grid& rows,
                                       const Legend& legend);

} // namespace pattik::testing

#define EXPECT_PIXELS(bitmap, origin, rows, legend)                                                \
    EXPECT_TRUE(::pattik::testing::PixelsMatch((bitmap), (origin), (rows), (legend)))
