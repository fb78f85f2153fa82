#include "raster/dib_transfer.h"
#include "support/raster/pixel_grid.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace pattik {
namespace {

using testing::Grid;
using testing::Legend;

const Legend kLegend{{'.', kWhite},
                     {'#', kBlack},
                     {'r', RGB(255, 0, 0)},
                     {'g', RGB(0, 255, 0)},
                     {'b', RGB(0, 0, 255)}};

TEST(RasterDibTransfer, DeviceBitmapReadsAsBottomUpBgrRowsPaddedToFourBytes) {
    DeviceBitmap bitmap(3, 2);
    testing::PaintGrid(bitmap, Point{0, 0}, {"rgb", "#.r"}, kLegend);
    bitmap.At(1, 1) = RGB(1, 2, 3);
    std::vector<std::uint8_t> rows(DibStride(3, 24) * 2, 0xEE);
    ASSERT_EQ(DibStride(3, 24), 12u);
    EXPECT_EQ(GetDIBits24(bitmap, rows.data()), 2);
    const std::vector<std::uint8_t> expected = {
        0, 0, 0,   3, 2,   1, 0,   0, 255, 0, 0, 0,  // bottom row: black, (1,2,3), red
        0, 0, 255, 0, 255, 0, 255, 0, 0,   0, 0, 0}; // top row: red, green, blue
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(GetDIBits24(DeviceBitmap{}, rows.data()), 0);
}

TEST(RasterDibTransfer, BlockOfAContextReadsBottomUpWithBlackOutside) {
    DeviceBitmap bitmap(2, 2);
    testing::PaintGrid(bitmap, Point{0, 0}, {"rg", "b."}, kLegend);
    DrawingContext context(&bitmap);
    std::vector<std::uint8_t> rows(DibStride(2, 24) * 2);
    ReadDIBits24(context, 1, 0, 2, 2, rows.data());
    const std::vector<std::uint8_t> expected = {
        255, 255, 255, 0, 0, 0, 0, 0,  // (1,1) white, outside
        0,   255, 0,   0, 0, 0, 0, 0}; // (1,0) green, outside
    EXPECT_EQ(rows, expected);
}

// An 8-bit DIB of 2 x 3 with three palette colours.
struct PaletteDib {
    BITMAPINFOHEADER header{40, 2, 3, 1, 8, kBiRgb, 12, 0, 0, 3, 0};
    RGBQUAD palette[3] = {{0, 0, 255, 0}, {0, 255, 0, 0}, {255, 0, 0, 0}};
    std::uint8_t bits[12] = {0, 1, 0, 0,  // bottom row: red, green
                             2, 2, 0, 0,  // blue, blue
                             1, 0, 0, 0}; // top row: green, red
    DibRef Ref() const { return DibRef{&header, palette, bits}; }
};

TEST(RasterDibTransfer, DibIsWrittenTopRowFirstAtItsPosition) {
    DeviceBitmap bitmap(4, 4);
    bitmap.Fill(kWhite);
    DrawingContext context(&bitmap);
    const PaletteDib dib;
    EXPECT_EQ(SetDIBitsToDevice(context, 1, 1, 2, 3, dib.Ref()), 3);
    EXPECT_PIXELS(bitmap, (Point{0, 0}), (Grid{"....", ".gr.", ".bb.", ".rg."}), kLegend);
}

TEST(RasterDibTransfer, DibWriteIsClippedAndMayShowOnlyItsBottomRows) {
    DeviceBitmap bitmap(3, 3);
    bitmap.Fill(kWhite);
    DrawingContext context(&bitmap);
    context.SelectClipRect(RECT{0, 0, 3, 1});
    const PaletteDib dib;
    // Two rows high: the bottom two rows of the DIB, the lower one clipped away.
    SetDIBitsToDevice(context, -1, 0, 2, 2, dib.Ref());
    EXPECT_PIXELS(bitmap, (Point{0, 0}), (Grid{"b..", "...", "..."}), kLegend);
    EXPECT_EQ(SetDIBitsToDevice(context, INT_MAX, INT_MIN, INT_MAX, INT_MAX, dib.Ref()), 3);
    EXPECT_PIXELS(bitmap, (Point{0, 0}), (Grid{"b..", "...", "..."}), kLegend);
}

TEST(RasterDibTransfer, OneAndFourBitDibsStartAtTheHighBits) {
    DeviceBitmap bitmap(3, 2);
    DrawingContext context(&bitmap);
    const RGBQUAD palette[16] = {{255, 255, 255, 0}, {0, 0, 0, 0}, {0, 0, 255, 0}};
    const BITMAPINFOHEADER oneBit{40, 3, 1, 1, 1, kBiRgb, 4, 0, 0, 0, 0};
    const std::uint8_t oneBitRow[4] = {0b1010'0000, 0, 0, 0};
    SetDIBitsToDevice(context, 0, 0, 3, 1, DibRef{&oneBit, palette, oneBitRow});
    const BITMAPINFOHEADER fourBit{40, 3, 1, 1, 4, kBiRgb, 4, 0, 0, 0, 0};
    const std::uint8_t fourBitRow[4] = {0x21, 0x00, 0, 0};
    SetDIBitsToDevice(context, 0, 1, 3, 1, DibRef{&fourBit, palette, fourBitRow});
    EXPECT_PIXELS(bitmap, (Point{0, 0}), (Grid{"#.#", "r#."}), kLegend);
}

TEST(RasterDrawingContext, ClipBoxIsTheBitmapWithinTheClipRectangle) {
    DrawingContext context;
    EXPECT_EQ(context.GetClipBox(), RECT{});
    EXPECT_EQ(context.SetPixel(0, 0, kBlack), kInvalidColour);
    DeviceBitmap bitmap(10, 8);
    context.SelectBitmap(&bitmap);
    EXPECT_EQ(context.GetClipBox(), (RECT{0, 0, 10, 8}));
    context.IntersectClipRect(RECT{-5, 2, 6, 20});
    EXPECT_EQ(context.GetClipBox(), (RECT{0, 2, 6, 8}));
    context.IntersectClipRect(RECT{7, 0, 9, 9});
    EXPECT_TRUE(IsEmpty(context.GetClipBox()));
    EXPECT_EQ(context.GetPixel(7, 3), kInvalidColour);
    context.SelectClipRect(std::nullopt);
    EXPECT_EQ(context.SetPixel(9, 7, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(context.GetPixel(9, 7), RGB(1, 2, 3));
    EXPECT_EQ(context.GetPixel(10, 7), kInvalidColour);
}

TEST(RasterDrawingContext, FillAndFrameCoverTheRectangleWithoutItsRightAndBottomEdges) {
    DeviceBitmap bitmap(7, 6);
    bitmap.Fill(kWhite);
    DrawingContext context(&bitmap);
    context.SetROP2(RasterOp::XorPen); // not used by fills and frames
    context.FillRect(RECT{2, 2, 5, 4}, RGB(255, 0, 0));
    context.FrameRect(RECT{0, 0, 7, 6}, kBlack);
    context.FillRect(RECT{INT_MIN, 5, INT_MAX, INT_MAX}, RGB(0, 0, 255));
    EXPECT_PIXELS(bitmap, (Point{0, 0}),
                  (Grid{"#######", "#.....#", "#.rrr.#", "#.rrr.#", "#.....#", "bbbbbbb"}),
                  kLegend);
    EXPECT_EQ(bitmap.GetBitmapDimension(), (Size{7, 6}));
}

} // namespace
} // namespace pattik
