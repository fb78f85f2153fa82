#include "raster/drawing_context.h"
#include "support/raster/pixel_grid.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace pattik {
namespace {

using testing::Grid;
using testing::Legend;

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const Legend kLegend{{'.', kWhite}, {'#', kBlack}, {'r', kRed}, {'g', kGreen}};

DeviceBitmap FromGrid(const Grid& grid) {
    DeviceBitmap bitmap(static_cast<int>(grid[0].size()), static_cast<int>(grid.size()));
    testing::PaintGrid(bitmap, Point{0, 0}, grid, kLegend);
    return bitmap;
}

TEST(RasterStretchBlt, EnlargingRepeatsEveryPixel) {
    DeviceBitmap source = FromGrid({"r#", ".g"});
    DeviceBitmap target(5, 4);
    target.Fill(kWhite);
    DrawingContext from(&source);
    DrawingContext to(&target);
    StretchBlt(to, 0, 0, 4, 4, from, 0, 0, 2, 2);
    EXPECT_PIXELS(target, (Point{0, 0}), (Grid{"rr##.", "rr##.", "..gg.", "..gg."}), kLegend);
}

// Where each of 40 source columns lands when shrunk to 25: column i to i * 25 / 40.
TEST(RasterStretchBlt, ShrinkingFortyToTwentyFiveSendsEachSourceColumnToItsPlace) {
    const std::vector<int> landsOn = {0,  0,  1,  1,  2,  3,  3,  4,  5,  5,  6,  6,  7,  8,
                                      8,  9,  10, 10, 11, 11, 12, 13, 13, 14, 15, 15, 16, 16,
                                      17, 18, 18, 19, 20, 20, 21, 21, 22, 23, 23, 24};
    for (int column = 0; column < 40; ++column) {
        DeviceBitmap source(40, 40);
        source.Fill(kWhite);
        for (int y = 0; y < 40; ++y) {
            source.At(column, y) = kBlack;
        }
        DeviceBitmap target(25, 25);
        DrawingContext from(&source);
        DrawingContext to(&target);
        StretchBlt(to, 0, 0, 25, 25, from, 0, 0, 40, 40);
        for (int x = 0; x < 25; ++x) {
            EXPECT_EQ(target.At(x, 12), x == landsOn[column] ? kBlack : kWhite)
                << "source column " << column << ", destination column " << x;
        }
    }
}

// The hair picture: a 40 x 40 square of two colours shrunk to 25 x 25. Where two source
// pixels meet on one destination pixel their colour values are ANDed.
TEST(RasterStretchBlt, BlackOnWhiteAndsTheColoursThatMeet) {
    const COLORREF a = RGB(0xF0, 0x3C, 0x0F);
    const COLORREF b = RGB(0x3C, 0xF0, 0x33);
    DeviceBitmap source(40, 40);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            source.At(x, y) = (x + y) % 2 == 0 ? a : b;
        }
    }
    DeviceBitmap target(25, 25);
    DrawingContext from(&source);
    DrawingContext to(&target);
    ASSERT_EQ(to.GetStretchBltMode(), StretchMode::BlackOnWhite);
    StretchBlt(to, 0, 0, 25, 25, from, 0, 0, 40, 40);
    // Destination 0 gathers sources {0, 1}, 2 gathers {4} alone, 4 gathers {7} alone.
    EXPECT_EQ(target.At(0, 0), a & b);
    EXPECT_EQ(target.At(2, 2), a);     // source (4, 4)
    EXPECT_EQ(target.At(4, 2), b);     // source (7, 4)
    EXPECT_EQ(target.At(2, 0), a & b); // source column 4, rows {0, 1}
    EXPECT_EQ(a & b, RGB(0x30, 0x30, 0x03));
}

TEST(RasterStretchBlt, ColorOnColorKeepsTheFirstSourcePixel) {
    DeviceBitmap source = FromGrid({".#..", "r..g"});
    DeviceBitmap target(2, 1);
    DrawingContext from(&source);
    DrawingContext to(&target);
    to.SetStretchBltMode(StretchMode::ColorOnColor);
    StretchBlt(to, 0, 0, 2, 1, from, 0, 0, 4, 2);
    EXPECT_PIXELS(target, (Point{0, 0}), (Grid{".."}), kLegend);
    to.SetStretchBltMode(StretchMode::BlackOnWhite);
    StretchBlt(to, 0, 0, 2, 1, from, 0, 0, 4, 2);
    EXPECT_EQ(target.At(0, 0), kBlack);
    EXPECT_EQ(target.At(1, 0), kWhite & kGreen);
}

TEST(RasterStretchBlt, SourceOutsideItsBitmapLeavesTheDestinationAlone) {
    DeviceBitmap source = FromGrid({"rg", "#r"});
    DeviceBitmap target(4, 4);
    target.Fill(kWhite);
    DrawingContext from(&source);
    DrawingContext to(&target);
    StretchBlt(to, 0, 0, 4, 4, from, 1, 1, 2, 2);
    EXPECT_PIXELS(target, (Point{0, 0}), (Grid{"rr..", "rr..", "....", "...."}), kLegend);
    StretchBlt(to, INT_MIN, INT_MIN, INT_MAX, INT_MAX, from, INT_MIN, 0, INT_MAX, 2);
    BitBlt(to, INT_MAX, INT_MAX, INT_MAX, INT_MAX, from, INT_MIN, INT_MIN);
    EXPECT_PIXELS(target, (Point{0, 0}), (Grid{"rr..", "rr..", "....", "...."}), kLegend);
}

TEST(RasterBitBlt, CopiesAtTheOffsetWithinTheClipBox) {
    DeviceBitmap source = FromGrid({"rg#", "#rg"});
    DeviceBitmap target(5, 4);
    target.Fill(kWhite);
    DrawingContext from(&source);
    DrawingContext to(&target);
    to.SelectClipRect(RECT{0, 0, 4, 4});
    BitBlt(to, 2, 1, 3, 2, from, 0, 0);
    BitBlt(to, -1, 3, 3, 1, from, 0, 1);
    EXPECT_PIXELS(target, (Point{0, 0}), (Grid{".....", "..rg.", "..#r.", "rg..."}), kLegend);
}

TEST(RasterBitBlt, OverlappingCopyWithinOneBitmapMovesThePicture) {
    DeviceBitmap bitmap = FromGrid({"rg..", "#r..", "....", "...."});
    DrawingContext context(&bitmap);
    BitBlt(context, 1, 1, 2, 2, context, 0, 0);
    EXPECT_PIXELS(bitmap, (Point{0, 0}), (Grid{"rg..", "#rg.", ".#r.", "...."}), kLegend);
    StretchBlt(context, 0, 0, 4, 4, context, 1, 1, 2, 2);
    EXPECT_PIXELS(bitmap, (Point{0, 0}), (Grid{"rrgg", "rrgg", "##rr", "##rr"}), kLegend);
}

} // namespace
} // namespace pattik
