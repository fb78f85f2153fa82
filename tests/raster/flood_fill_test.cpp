#include "raster/drawing_context.h"
#include "support/raster/pixel_grid.h"

#include "raster/pixel_runs.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>

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

// The 4-connected region of the seed's colour, found the slow and obvious way.
std::vector<bool> RegionOf(const DeviceBitmap& bitmap, Point seed) {
    const int width = bitmap.Width();
    std::vector<bool> in(static_cast<std::size_t>(width * bitmap.Height()));
    const COLORREF colour = bitmap.At(seed.x, seed.y);
    std::deque<Point> open{seed};
    in[static_cast<std::size_t>(seed.y * width + seed.x)] = true;
    while (!open.empty()) {
        const Point p = open.front();
        open.pop_front();
        for (const Point q :
             {Point{p.x - 1, p.y}, Point{p.x + 1, p.y}, Point{p.x, p.y - 1}, Point{p.x, p.y + 1}}) {
            const auto at = static_cast<std::size_t>(q.y * width + q.x);
            if (bitmap.Contains(q.x, q.y) && !in[at] && bitmap.At(q.x, q.y) == colour) {
                in[at] = true;
                open.push_back(q);
            }
        }
    }
    return in;
}

// Random pictures of two colours, mostly long runs with scattered walls so that runs end
// at every offset of a row; under both raster operations the fill changes exactly the
// region, and under XOR every pixel of it exactly once.
TEST(RasterFloodFillLimits, FillsExactlyTheRegionOfRandomPictures) {
    std::mt19937 random(7);
    for (int round = 0; round < 60; ++round) {
        const int width = 1 + static_cast<int>(random() % 90);
        const int height = 1 + static_cast<int>(random() % 40);
        const unsigned wallEvery = 3 + random() % 40;
        DeviceBitmap bitmap(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                bitmap.At(x, y) = random() % wallEvery == 0 ? kBlack : kWhite;
            }
        }
        const Point seed{static_cast<int>(random() % static_cast<unsigned>(width)),
                         static_cast<int>(random() % static_cast<unsigned>(height))};
        const std::vector<bool> region = RegionOf(bitmap, seed);
        const bool xorPen = round % 2 == 1;
        const COLORREF fill = RGB(255, 0, 0);
        DeviceBitmap filled = bitmap;
        DrawingContext context(&filled);
        context.SelectBrush(Brush{BrushStyle::Solid, fill});
        if (xorPen) {
            context.SetROP2(RasterOp::XorPen);
        }
        ASSERT_TRUE(context.ExtFloodFill(seed.x, seed.y, bitmap.At(seed.x, seed.y)));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const COLORREF before = bitmap.At(x, y);
                const COLORREF want = !region[static_cast<std::size_t>(y * width + x)] ? before
                                      : xorPen ? before ^ fill
                                               : fill;
                ASSERT_EQ(filled.At(x, y), want) << "round " << round << " at " << x << "," << y
                                                 << " of " << width << "x" << height;
            }
        }
    }
}

// The run walkers against a pixel-by-pixel count, for every length and every place the
// run may end, so each width of step they take is covered.
TEST(RasterPixelRuns, CountTheSameAsOnePixelAtATime) {
    for (std::size_t length = 0; length <= 40; ++length) {
        for (std::size_t end = 0; end <= length; ++end) {
            std::vector<COLORREF> run(length, kWhite);
            std::vector<COLORREF> others(length, kBlack);
            if (end < length) {
                run[end] = kBlack;
                others[end] = kWhite;
            }
            EXPECT_EQ(LeadingRun(run.data(), length, kWhite), end) << length;
            EXPECT_EQ(LeadingOthers(others.data(), length, kWhite), end) << length;
            std::vector<std::uint8_t> bytes(length, 7);
            if (end < length) {
                bytes[end] = 8;
            }
            EXPECT_EQ(LeadingByteRun(bytes.data(), length, 7), end) << length;
            // Painting the run paints exactly it.
            std::vector<COLORREF> painted = run;
            EXPECT_EQ(ReplaceLeadingRun(painted.data(), length, kWhite, RGB(255, 0, 0)), end)
                << length;
            for (std::size_t i = 0; i < length; ++i) {
                EXPECT_EQ(painted[i], i < end ? RGB(255, 0, 0) : run[i]) << length << " " << i;
            }
        }
    }
}

} // namespace
} // namespace pattik
