#include "raster/drawing_context.h"
#include "support/raster/pixel_grid.h"

#include <gtest/gtest.h>

namespace pattik {
namespace {

using testing::Grid;
using testing::Legend;

const Legend kLegend{
    {'.', kWhite}, {'#', kBlack}, {'m', kTransparentMagenta}, {'r', RGB(255, 0, 0)}};

struct FillCase {
    Grid before;
    Point seed;
    COLORREF seedColour;
    bool filled;
    Grid after;
};

DeviceBitmap FromGrid(const Grid& grid) {
    DeviceBitmap bitmap(static_cast<int>(grid[0].size()), static_cast<int>(grid.size()));
    testing::PaintGrid(bitmap, Point{0, 0}, grid, kLegend);
    return bitmap;
}

class RasterFloodFill : public ::testing::TestWithParam<FillCase> {};

TEST_P(RasterFloodFill, FillsTheEdgeConnectedRegionOfTheSeedColour) {
    const FillCase& c = GetParam();
    DeviceBitmap bitmap = FromGrid(c.before);
    DrawingContext context(&bitmap);
    context.SelectBrush(Brush{BrushStyle::Solid, RGB(255, 0, 0)});
    EXPECT_EQ(context.ExtFloodFill(c.seed.x, c.seed.y, c.seedColour), c.filled);
    EXPECT_PIXELS(bitmap, (Point{0, 0}), c.after, kLegend);
}

INSTANTIATE_TEST_SUITE_P(
    Regions, RasterFloodFill,
    ::testing::Values(
        // A closed outline keeps the fill inside; the magenta area around it stays.
        FillCase{{"mmmmmmm", "m#####m", "m#...#m", "m#.#.#m", "m#####m"},
                 {2, 2},
                 kWhite,
                 true,
                 {"mmmmmmm", "m#####m", "m#rrr#m", "m#r#r#m", "m#####m"}},
        // Seeding on the empty (magenta) area fills all of it, around the outline.
        FillCase{{"mmmmmmm", "m#####m", "m#...#m", "m#####m"},
                 {0, 3},
                 kTransparentMagenta,
                 true,
                 {"rrrrrrr", "r#####r", "r#...#r", "r#####r"}},
        // Pixels touching only at a corner are not connected.
        FillCase{{"..#.", "..#.", "##..", "...."},
                 {0, 0},
                 kWhite,
                 true,
                 {"rr#.", "rr#.", "##..", "...."}},
        // A concave region reached only by going up and back down again.
        FillCase{{".#...", ".#.#.", ".#.#.", "...#."},
                 {0, 0},
                 kWhite,
                 true,
                 {"r#rrr", "r#r#r", "r#r#r", "rrr#r"}},
        // A seed of another colour, or outside the bitmap, fills nothing.
        FillCase{{"..", "#."}, {0, 1}, kWhite, false, {"..", "#."}},
        FillCase{{"..", "#."}, {2, 0}, kWhite, false, {"..", "#."}},
        FillCase{{"..", "#."}, {-1, -1}, kWhite, false, {"..", "#."}}));

TEST(RasterFloodFillLimits, StaysInsideTheClipRectangle) {
    DeviceBitmap bitmap = FromGrid(Grid(4, "......"));
    DrawingContext context(&bitmap);
    context.SelectBrush(Brush{BrushStyle::Solid, RGB(255, 0, 0)});
    context.SelectClipRect(RECT{1, 1, 4, 3});
    EXPECT_TRUE(context.ExtFloodFill(2, 2, kWhite));
    EXPECT_PIXELS(bitmap, (Point{0, 0}), (Grid{"......", ".rrr..", ".rrr..", "......"}), kLegend);
}

TEST(RasterFloodFillLimits, HugeRegionDoesNotExhaustTheStack) {
    constexpr int kSide = 4096;
    DeviceBitmap bitmap(kSide, kSide);
    bitmap.Fill(kWhite);
    // A comb of walls makes the fill wind through every column.
    for (int x = 1; x < kSide; x += 2) {
        const int gap = (x / 2) % 2 == 0 ? kSide - 1 : 0;
        for (int y = 0; y < kSide; ++y) {
            if (y != gap) {
                bitmap.At(x, y) = kBlack;
            }
        }
    }
    DrawingContext context(&bitmap);
    context.SelectBrush(Brush{BrushStyle::Solid, RGB(255, 0, 0)});
    ASSERT_TRUE(context.ExtFloodFill(0, 0, kWhite));
    EXPECT_EQ(bitmap.At(kSide - 2, kSide / 2), RGB(255, 0, 0));
    EXPECT_EQ(bitmap.At(kSide - 2, kSide - 1), RGB(255, 0, 0));
    EXPECT_EQ(bitmap.At(1, 0), kBlack);
}

TEST(RasterFloodFillLimits, FillingWithTheSeedColourChangesNothing) {
    DeviceBitmap bitmap = FromGrid({"..#", "..."});
    DrawingContext context(&bitmap);
    context.SelectBrush(Brush{BrushStyle::Solid, kWhite});
    EXPECT_TRUE(context.ExtFloodFill(0, 0, kWhite));
    EXPECT_PIXELS(bitmap, (Point{0, 0}), (Grid{"..#", "..."}), kLegend);
}

} // namespace
} // namespace pattik
