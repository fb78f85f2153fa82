#include "image/cximage.h"
#include "support/raster/pixel_grid.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace pattik {
namespace {

using testing::Grid;
using testing::Legend;

const COLORREF kBackground = RGB(90, 90, 90);
const Legend kLegend{{'.', kBackground},    {'M', kTransparentMagenta}, {'R', RGB(255, 0, 0)},
                     {'G', RGB(0, 255, 0)}, {'B', RGB(0, 0, 255)},      {'W', kWhite}};
constexpr RGBQUAD kMagentaKey{255, 0, 255, 0};

DeviceBitmap Target(int width, int height) {
    DeviceBitmap target(width, height);
    target.Fill(kBackground);
    return target;
}

COLORREF Coordinates(int x, int y) {
    return RGB(std::uint8_t(x), std::uint8_t(y), 77);
}

// Loaded from a device bitmap, as the canvas renderer makes its pictures; keyed on magenta.
void Load(CxImage& image, const DeviceBitmap& bitmap, bool keyed) {
    ASSERT_TRUE(image.LoadFromDeviceBitmap(&bitmap));
    image.info.TransparentIndex = keyed ? 255 : -1;
    image.info.TransparentColour = kMagentaKey;
}

void LoadGrid(CxImage& image, const Grid& rows, bool keyed) {
    DeviceBitmap bitmap(int(rows[0].size()), int(rows.size()));
    testing::PaintGrid(bitmap, {0, 0}, rows, kLegend);
    Load(image, bitmap, keyed);
}

// Every pixel names its own place: red is the column, green the row from the top.
void LoadCoordinates(CxImage& image, int width, int height, bool keyed) {
    DeviceBitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.At(x, y) = Coordinates(x, y);
        }
    }
    Load(image, bitmap, keyed);
}

TEST(CxImageDraw, KeyColourLeavesTheTargetAndOtherColoursAreExact) {
    CxImage image(kImageTypeGif);
    LoadGrid(image, {"RMG", "MBW"}, true);
    DeviceBitmap target = Target(5, 4);
    DrawingContext dc(&target);
    EXPECT_EQ(image.Draw(&dc, 1, 1), 1);
    EXPECT_PIXELS(target, (Point{0, 0}), (Grid{".....", ".R.G.", "..BW.", "....."}), kLegend);

    // A key whose reserved byte is not 0 matches no pixel.
    image.info.TransparentColour.rgbReserved = 1;
    image.Draw(&dc, 1, 1);
    EXPECT_PIXELS(target, (Point{0, 0}), (Grid{".....", ".RMG.", ".MBW.", "....."}), kLegend);
}

TEST(CxImageDraw, WithoutKeyTheWholePictureIsCopied) {
    CxImage image(kImageTypeGif);
    LoadGrid(image, {"RMG", "MBW"}, false);
    DeviceBitmap target = Target(4, 3);
    DrawingContext dc(&target);
    EXPECT_EQ(image.Draw(&dc, 0, 1), 1);
    EXPECT_PIXELS(target, (Point{0, 0}), (Grid{"....", "RMG.", "MBW."}), kLegend);
    // Stretched, the plain path still copies every pixel, key colour included.
    image.Draw(&dc, 0, 0, 4, 2);
    EXPECT_PIXELS(target, (Point{0, 0}), (Grid{"RRMG", "MMBW", "MBW."}), kLegend);
}

class CxImageDrawStretch : public ::testing::TestWithParam<bool> {};

TEST_P(CxImageDrawStretch, DoubleSizeRepeatsEveryRowAndColumn) {
    CxImage image(kImageTypeGif);
    LoadCoordinates(image, 75, 125, GetParam());
    DeviceBitmap target = Target(150, 250);
    DrawingContext dc(&target);
    EXPECT_EQ(image.Draw(&dc, 0, 0, 150, 250), 1);
    EXPECT_EQ(target.At(0, 0), Coordinates(0, 0)) << "top row of the picture, first column";
    EXPECT_EQ(target.At(1, 1), Coordinates(0, 0));
    for (int y = 0; y < 250; ++y) {
        for (int x = 0; x < 150; ++x) {
            ASSERT_EQ(target.At(x, y), Coordinates(x / 2, y / 2)) << x << ", " << y;
        }
    }
}

TEST_P(CxImageDrawStretch, FactorsAreSinglePrecision) {
    CxImage image(kImageTypeGif);
    LoadCoordinates(image, 2, 2, GetParam());
    DeviceBitmap target = Target(50, 6);
    DrawingContext dc(&target);
    image.Draw(&dc, 0, 0, 50, 6);
    // 2/50 and 2/6 rounded to float put the seam after column 25 and after row 1.
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 50; ++x) {
            ASSERT_EQ(target.At(x, y), Coordinates(x < 26 ? 0 : 1, y < 2 ? 0 : 1))
                << x << ", " << y;
        }
    }
    // The female hair window: 75 columns stretched to 76 repeat the first one.
    LoadCoordinates(image, 75, 1, GetParam());
    DeviceBitmap wide = Target(76, 1);
    DrawingContext wideDc(&wide);
    image.Draw(&wideDc, 0, 0, 76, 1);
    for (int x = 0; x < 76; ++x) {
        ASSERT_EQ(wide.At(x, 0), Coordinates(x == 0 ? 0 : x - 1, 0)) << x;
    }
}

TEST_P(CxImageDrawStretch, NegativePositionsCutIntoThePicture) {
    CxImage image(kImageTypeGif);
    LoadGrid(image, {"RGBW"}, GetParam());
    DeviceBitmap target = Target(6, 2);
    DrawingContext dc(&target);
    image.Draw(&dc, -2, 0);
    image.Draw(&dc, -3, 1, 8, 1);
    EXPECT_PIXELS(target, (Point{0, 0}), (Grid{"BW....", "GBBWW."}), kLegend);
}

INSTANTIATE_TEST_SUITE_P(KeyedOrPlain, CxImageDrawStretch, ::testing::Bool(),
                         [](const auto& test) { return test.param ? "Keyed" : "Plain"; });

TEST(CxImageDraw, OnlyThePaintBoxInsideTheClipBoxIsComposed) {
    CxImage image(kImageTypeGif);
    LoadCoordinates(image, 75, 125, true);
    DeviceBitmap target = Target(100, 200);
    DrawingContext dc(&target);
    dc.SelectClipRect(RECT{0, 0, 50, 50});
    EXPECT_EQ(image.Draw(&dc, 10, 20), 1);
    // The box's bottom row shows picture row 29 from the top (95 from the bottom).
    EXPECT_EQ(target.At(10, 49), Coordinates(0, 29));
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 100; ++x) {
            const bool inBox = x >= 10 && x < 50 && y >= 20 && y < 50;
            ASSERT_EQ(target.At(x, y), inBox ? Coordinates(x - 10, y - 20) : kBackground)
                << x << ", " << y;
        }
    }
}

struct NothingCase {
    const char* name;
    bool hasImage, hasContext, keyed;
    int cx, cy;
    int result;
};

void PrintTo(const NothingCase& c, std::ostream* out) {
    *out << c.name;
}

class CxImageDrawNothing : public ::testing::TestWithParam<NothingCase> {};

TEST_P(CxImageDrawNothing, LeavesTheTargetAsItWas) {
    const NothingCase c = GetParam();
    CxImage image(kImageTypeGif);
    if (c.hasImage) {
        LoadGrid(image, {"RG", "BW"}, c.keyed);
    }
    DeviceBitmap target = Target(20, 20);
    DrawingContext dc(&target);
    dc.SelectClipRect(RECT{0, 0, 5, 5}); // wholly outside the destination at (10, 10)
    EXPECT_EQ(image.Draw(c.hasContext ? &dc : nullptr, 10, 10, c.cx, c.cy), c.result);
    EXPECT_EQ(testing::ReadGrid(target, {0, 0}, 20, 20, kLegend), Grid(20, std::string(20, '.')));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CxImageDrawNothing,
    ::testing::Values(NothingCase{"ZeroWidth", true, true, true, 0, -1, 0},
                      NothingCase{"ZeroHeight", true, true, false, -1, 0, 0},
                      NothingCase{"NoContext", true, false, true, -1, -1, 0},
                      NothingCase{"EmptyImage", false, true, true, -1, -1, 0},
                      NothingCase{"KeyedClipBoxOutside", true, true, true, -1, -1, 1},
                      NothingCase{"PlainClipBoxOutside", true, true, false, -1, -1, 1},
                      NothingCase{"StretchedClipBoxOutside", true, true, false, 4, 4, 1}),
    [](const auto& test) { return std::string(test.param.name); });

class CxImageDrawClip : public ::testing::TestWithParam<bool> {};

TEST_P(CxImageDrawClip, ClipRectangleNarrowsOnlyThisDraw) {
    CxImage image(kImageTypeGif);
    LoadGrid(image, {"RRRR", "RRRR"}, GetParam());
    DeviceBitmap target = Target(6, 4);
    DrawingContext dc(&target);
    const RECT clip{2, 1, 4, 3};
    EXPECT_EQ(image.Draw(&dc, 1, 1, -1, -1, &clip), 1);
    EXPECT_PIXELS(target, (Point{0, 0}), (Grid{"......", "..RR..", "..RR..", "......"}), kLegend);
    EXPECT_EQ(dc.GetClipBox(), target.Bounds());
    dc.FillRect(target.Bounds(), kWhite);
    EXPECT_PIXELS(target, (Point{0, 0}), (Grid(4, "WWWWWW")), kLegend);

    dc.SelectClipRect(RECT{1, 0, 5, 4});
    image.Draw(&dc, 0, 0, -1, -1, &clip);
    EXPECT_EQ(dc.GetClipBox(), (RECT{1, 0, 5, 4})) << "an earlier clip comes back";
    EXPECT_EQ(dc.GetClipRect(), (RECT{1, 0, 5, 4}));
}

// A shrink drawn after a picture in the same context must still combine pixels.
TEST(CxImageDraw, NaturalSizeCopyLeavesTheStretchModeAsItWas) {
    CxImage image(kImageTypeGif);
    LoadGrid(image, {"RR", "RR"}, false);
    DeviceBitmap target = Target(4, 4);
    DrawingContext dc(&target);
    EXPECT_EQ(image.Draw(&dc, 0, 0), 1);
    EXPECT_EQ(dc.GetStretchBltMode(), StretchMode::BlackOnWhite);
    EXPECT_EQ(dc.GetClipRect(), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(KeyedOrPlain, CxImageDrawClip, ::testing::Bool(),
                         [](const auto& test) { return test.param ? "Keyed" : "Plain"; });

TEST(CxImageDraw, PaletteImagesKeyOnTheIndexNotTheColour) {
    CxImage image(kImageTypeGif);
    ASSERT_NE(image.Create(4, 1, 8, kImageTypeGif), nullptr);
    const COLORREF palette[] = {kLegend.at('R'), kLegend.at('G'), kLegend.at('G'),
                                kTransparentMagenta};
    for (std::uint8_t i = 0; i < 4; ++i) {
        image.SetPaletteColor(i, palette[i]);
        image.SetPixelIndex(i, 0, i);
    }
    image.info.TransparentIndex = 1;
    DeviceBitmap target = Target(4, 3);
    DrawingContext dc(&target);
    image.Draw(&dc, 0, 0);
    image.Draw(&dc, 0, 1, 8, 1); // stretched: offsets 0 to 3 only
    image.info.TransparentIndex = -1;
    ASSERT_NE(image.Create(3, 1, 1, kImageTypeGif), nullptr);
    image.SetPaletteColor(1, kWhite);
    image.SetPixelIndex(0, 0, 1);
    image.SetPixelIndex(1, 0, 0);
    image.SetPixelIndex(2, 0, 1);
    image.SetPaletteColor(0, kLegend.at('B'));
    image.Draw(&dc, 0, 2);
    EXPECT_PIXELS(target, (Point{0, 0}), (Grid{"R.GM", "RR..", "WBW."}), kLegend);
}

} // namespace
} // namespace pattik
