#include "raster/bitmap_resources.h"
#include "res/resource_ids.h"
#include "support/raster/pixel_grid.h"

#include <gtest/gtest.h>

namespace pattik {
namespace {

using testing::Grid;
using testing::Legend;

constexpr COLORREF kCheckerGrey = RGB(204, 204, 204);
constexpr COLORREF kStripGrey = RGB(134, 134, 134);
constexpr COLORREF kNearBlack = RGB(4, 4, 4);
const Legend kCheckerLegend{{'W', kWhite}, {'g', kCheckerGrey}};

TEST(BitmapResourcesTest, BackgroundIsAnEightPixelCheckerboardWhiteAtTopLeft) {
    const DeviceBitmap bitmap = LoadBitmapResource(kBackgroundCheckerBitmap);
    ASSERT_EQ(bitmap.Width(), 75);
    ASSERT_EQ(bitmap.Height(), 125);
    EXPECT_EQ(bitmap.GetBitmapDimension(), (Size{75, 125}));
    // Where four squares meet, and the partial squares at the bottom-right corner.
    EXPECT_PIXELS(bitmap, (Point{6, 6}), (Grid{"WWgg", "WWgg", "ggWW", "ggWW"}), kCheckerLegend);
    EXPECT_PIXELS(bitmap, (Point{70, 118}),
                  (Grid{"WWggg", "WWggg", "ggWWW", "ggWWW", "ggWWW", "ggWWW", "ggWWW"}),
                  kCheckerLegend);
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            const bool white = (x / 8 + y / 8) % 2 == 0;
            ASSERT_EQ(bitmap.At(x, y), white ? kWhite : kCheckerGrey) << x << "," << y;
        }
    }
}

TEST(BitmapResourcesTest, ColourStripHasItsFrameAndPlainBlock) {
    const DeviceBitmap bitmap = LoadBitmapResource(kColourStripBitmap);
    ASSERT_EQ(bitmap.Width(), 201);
    ASSERT_EQ(bitmap.Height(), 17);
    EXPECT_EQ(bitmap.GetBitmapDimension(), (Size{201, 17}));
    for (int y = 0; y < 17; ++y) {
        EXPECT_EQ(bitmap.At(0, y), kStripGrey) << y;
        EXPECT_EQ(bitmap.At(1, y), kNearBlack) << y;
        EXPECT_EQ(bitmap.At(200, y), kNearBlack) << y;
    }
    for (int x = 1; x < 201; ++x) {
        EXPECT_EQ(bitmap.At(x, 0), kNearBlack) << x;
        EXPECT_EQ(bitmap.At(x, 16), kNearBlack) << x;
    }
    // The plain block: white above the pure-hue row, near-black from it down.
    for (int y = 1; y < 16; ++y) {
        for (int x = 192; x < 200; ++x) {
            EXPECT_EQ(bitmap.At(x, y), y < 8 ? kWhite : kNearBlack) << x << "," << y;
        }
    }
}

TEST(BitmapResourcesTest, ColourStripRunsRoundTheHuesFromPaleToDark) {
    const DeviceBitmap bitmap = LoadBitmapResource(kColourStripBitmap);
    ASSERT_EQ(bitmap.Width(), 201);
    // Each hue column is lighter at the top; a flipped row order would turn this round.
    for (int x = 2; x < 192; ++x) {
        const auto lightness = [&](int y) {
            const COLORREF c = bitmap.At(x, y);
            return GetRValue(c) + GetGValue(c) + GetBValue(c);
        };
        EXPECT_GT(lightness(1), lightness(8)) << x;
        EXPECT_GT(lightness(8), lightness(15)) << x;
    }
    // Row 8 holds the pure hues: at each sixth of the way round, which channels are full.
    struct Sample {
        int column;
        bool red, green, blue;
    };
    for (const Sample s :
         {Sample{2, 1, 0, 0}, Sample{34, 1, 1, 0}, Sample{65, 0, 1, 0}, Sample{97, 0, 1, 1},
          Sample{128, 0, 0, 1}, Sample{160, 1, 0, 1}, Sample{191, 1, 0, 0}}) {
        const COLORREF c = bitmap.At(s.column, 8);
        EXPECT_EQ(GetRValue(c) > 200, s.red) << s.column;
        EXPECT_EQ(GetGValue(c) > 200, s.green) << s.column;
        EXPECT_EQ(GetBValue(c) > 200, s.blue) << s.column;
    }
}

TEST(BitmapResourcesTest, UnknownIdGivesAnEmptyBitmap) {
    for (const int id : {9999, 0, -1}) {
        EXPECT_TRUE(LoadBitmapResource(id).IsEmpty()) << id;
    }
}

} // namespace
} // namespace pattik
