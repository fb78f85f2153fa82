#include "image/cximage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string>
#include <utility>

namespace pattik {
namespace {

constexpr RGBQUAD kMagentaQuad{255, 0, 255, 0};
constexpr RGBQUAD kBlackQuad{0, 0, 0, 0};

TEST(CxImagePalette, OutOfRangeReadsZeroAndWritesAreIgnored) {
    CxImage image(kImageTypeGif);
    EXPECT_EQ(image.GetPalette(), nullptr);
    image.SetPaletteColor(0, kMagentaQuad); // no pixel block: nothing to write
    EXPECT_EQ(image.GetPaletteColor(0), kBlackQuad);

    ASSERT_NE(image.Create(1, 1, 4, kImageTypeGif), nullptr);
    image.SetPixelIndex(0, 0, 0);
    image.SetPaletteColor(16, kMagentaQuad); // would land on the rows
    EXPECT_EQ(image.GetPaletteColor(16), kBlackQuad);
    EXPECT_EQ(image.GetRows()[0] & 0xF0, 0);

    image.SetPaletteColor(1, RGBQUAD{1, 2, 3, 9});
    image.SetPaletteColor(2, RGB(10, 20, 30));
    EXPECT_EQ(image.GetPaletteColor(1), (RGBQUAD{1, 2, 3, 9}));
    EXPECT_EQ(image.GetPaletteColor(2), (RGBQUAD{30, 20, 10, 0}));

    ASSERT_NE(image.Create(1, 1, 24, kImageTypeGif), nullptr);
    EXPECT_EQ(image.GetPalette(), nullptr);
}

// One pixel written into a row that starts all zeros or all ones: the byte it lands in
// and what that byte holds afterwards.
struct PackingCase {
    int bitCount, x, y, index;
    int byteOffset; // from the rows pointer
    int fromZeros, fromOnes;
    int readBack; // the index as stored: masked to the bit count
};

void PrintTo(const PackingCase& c, std::ostream* out) {
    *out << c.bitCount << " bits at (" << c.x << ", " << c.y << ")";
}

class CxImageIndexPacking : public ::testing::TestWithParam<PackingCase> {};

TEST_P(CxImageIndexPacking, WritesOnlyItsOwnBitsBottomRowFirst) {
    const PackingCase c = GetParam();
    for (const int fill : {0x00, 0xFF}) {
        CxImage image(kImageTypeGif);
        ASSERT_NE(image.Create(20, 2, c.bitCount, kImageTypeGif), nullptr);
        std::fill_n(image.GetRows(), image.GetRowStride() * 2, std::uint8_t(fill));
        image.SetPixelIndex(c.x, c.y, std::uint8_t(c.index));
        EXPECT_EQ(image.GetRows()[c.byteOffset], fill == 0 ? c.fromZeros : c.fromOnes);
        EXPECT_EQ(image.GetPixelIndex(c.x, c.y), c.readBack);
    }
}

INSTANTIATE_TEST_SUITE_P(BitCounts, CxImageIndexPacking,
                         ::testing::Values(PackingCase{8, 3, 0, 0x5A, 3, 0x5A, 0x5A, 0x5A},
                                           PackingCase{8, 1, 1, 0x07, 20 + 1, 0x07, 0x07, 0x07},
                                           PackingCase{4, 0, 0, 0x1A, 0, 0xA0, 0xAF, 0x0A},
                                           PackingCase{4, 3, 1, 0x05, 12 + 1, 0x05, 0xF5, 0x05},
                                           PackingCase{1, 0, 0, 0x01, 0, 0x80, 0xFF, 0x01},
                                           PackingCase{1, 9, 1, 0x00, 4 + 1, 0x00, 0xBF, 0x00},
                                           PackingCase{1, 10, 0, 0x03, 1, 0x20, 0xFF, 0x01}));

TEST(CxImagePixels, TrueColourKeepsBgrAndIgnoresIndexWrites) {
    CxImage image(kImageTypeGif);
    ASSERT_NE(image.Create(2, 1, 24, kImageTypeGif), nullptr);
    const std::uint8_t bgr[] = {10, 20, 30, 40, 50, 60};
    std::copy(std::begin(bgr), std::end(bgr), image.GetRows());
    image.info.TransparentColour = RGBQUAD{0, 0, 0, 7};
    image.SetPixelIndex(1, 0, 0);
    EXPECT_EQ(image.GetPixelColor(1, 0), (RGBQUAD{40, 50, 60, 7})) << "reserved from the key";
    EXPECT_EQ(image.GetPixelIndex(1, 0), 0);
}

// What a read outside the picture (or of a picture with no pixels) gives.
struct OutsideCase {
    const char* name;
    int width, height, bitCount, transparentIndex;
    std::uint8_t index;
    RGBQUAD colour;
};

void PrintTo(const OutsideCase& c, std::ostream* out) {
    *out << c.name;
}

class CxImageOutside : public ::testing::TestWithParam<OutsideCase> {};

TEST_P(CxImageOutside, ReadsFollowTheTransparencyRules) {
    const OutsideCase c = GetParam();
    CxImage image(kImageTypeGif);
    image.info.TransparentColour = RGBQUAD{1, 1, 1, 0};
    if (c.width >= 0) {
        ASSERT_NE(image.Create(c.width, c.height, c.bitCount, kImageTypeGif), nullptr);
        image.SetPaletteColor(5, RGBQUAD{5, 5, 5, 5});
        image.SetPaletteColor(9, RGBQUAD{9, 9, 9, 9});
        image.SetPixelIndex(0, 0, 9);
        if (c.bitCount == 24 && c.width > 0) {
            std::fill_n(image.GetRows(), 3, std::uint8_t(200));
        }
    }
    image.info.TransparentIndex = c.transparentIndex;
    const std::pair<int, int> outside[] = {{-1, 0}, {0, -1}, {c.width, 0}, {0, c.height}};
    for (const auto& [x, y] : outside) {
        EXPECT_EQ(image.GetPixelIndex(x, y), c.index) << x << ", " << y;
        EXPECT_EQ(image.GetPixelColor(x, y), c.colour) << x << ", " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CxImageOutside,
    ::testing::Values(OutsideCase{"PaletteKeyed", 3, 2, 8, 5, 5, {5, 5, 5, 5}},
                      OutsideCase{"PaletteUnkeyedRepeatsPixel00", 3, 2, 8, -1, 9, {9, 9, 9, 9}},
                      OutsideCase{"TrueColourKeyed", 3, 2, 24, 255, 0, {1, 1, 1, 0}},
                      OutsideCase{
                          "TrueColourUnkeyedRepeatsPixel00", 3, 2, 24, -1, 0, {200, 200, 200, 0}},
                      OutsideCase{"NoPixelBlock", -1, 0, 0, -1, 0, {1, 1, 1, 0}},
                      OutsideCase{"ZeroWidthPalette", 0, 2, 8, -1, 0, {1, 1, 1, 0}},
                      OutsideCase{"ZeroSizeTrueColour", 0, 0, 24, -1, 0, {1, 1, 1, 0}}),
    [](const auto& test) { return std::string(test.param.name); });

// A byte of a 1- or 4-bit picture packs several pixels: outside reads give the first
// pixel's index, never the packed byte.
TEST(CxImagePixels, OutsideReadsOfPackedPicturesGiveTheFirstPixelsIndex) {
    for (const int bits : {1, 4}) {
        CxImage image(kImageTypeGif);
        ASSERT_NE(image.Create(10, 2, bits, kImageTypeGif), nullptr);
        for (int x = 0; x < 10; ++x) {
            image.SetPixelIndex(x, 0, static_cast<std::uint8_t>(x % 2 == 0 ? 1 : 0));
        }
        EXPECT_EQ(image.GetPixelIndex(-1, 0), 1) << bits << " bits";
        EXPECT_EQ(image.GetPixelIndex(0, 2), 1) << bits << " bits";
    }
}

// Lets a test set the colours-important count, which only the header carries.
class LimitedPaletteImage : public CxImage {
  public:
    using CxImage::CxImage;
    void SetColoursImportant(std::uint32_t count) { header.biClrImportant = count; }
};

class CxImageNearestIndex : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(image.Create(1, 1, 8, kImageTypeGif), nullptr);
        for (int i = 0; i < 255; ++i) {
            image.SetPaletteColor(std::uint8_t(i), kTransparentMagenta);
        }
    }
    LimitedPaletteImage image{kImageTypeGif};
};

TEST_F(CxImageNearestIndex, FirstExactMatchWinsAndBlackFindsTheLastEntry) {
    EXPECT_EQ(image.NearestIndex(kMagentaQuad), 0);
    EXPECT_EQ(image.NearestIndex(kBlackQuad), 255);
    EXPECT_EQ(image.NearestIndex(RGBQUAD{250, 0, 250, 0}), 0);
}

TEST_F(CxImageNearestIndex, EqualDistancesGoToTheLowerIndex) {
    image.SetPaletteColor(255, kTransparentMagenta);
    image.SetPaletteColor(3, RGB(100, 0, 0));
    image.SetPaletteColor(7, RGB(0, 0, 100));
    EXPECT_EQ(image.NearestIndex(RGBQUAD{50, 0, 50, 0}), 3);
}

TEST_F(CxImageNearestIndex, CacheAnswersUntilThePaletteIsWritten) {
    const RGBQUAD darkGrey{20, 20, 20, 0};
    EXPECT_EQ(image.NearestIndex(darkGrey), 255);
    // Written behind the image's back: the cached answer stands.
    image.GetPalette()[9] = RGBQUAD{20, 20, 20, 44};
    EXPECT_EQ(image.NearestIndex(darkGrey), 255);
    image.SetPaletteColor(200, kMagentaQuad);
    EXPECT_EQ(image.NearestIndex(darkGrey), 9) << "searched again; reserved byte ignored";
}

TEST_F(CxImageNearestIndex, SearchStopsAtTheColoursImportantCount) {
    image.SetPaletteColor(10, RGB(1, 2, 3));
    image.SetColoursImportant(4);
    EXPECT_EQ(image.NearestIndex(RGBQUAD{3, 2, 1, 0}), 0);

    LimitedPaletteImage small(kImageTypeGif);
    ASSERT_NE(small.Create(1, 1, 4, kImageTypeGif), nullptr);
    small.SetPaletteColor(15, RGB(9, 9, 9));
    small.SetColoursImportant(300); // more than the 16 entries there are
    EXPECT_EQ(small.NearestIndex(RGBQUAD{200, 200, 200, 0}), 15);
}

TEST(CxImageTransparency, EffectiveColourComesFromThePaletteBelow24Bits) {
    CxImage image(kImageTypeGif);
    image.info.TransparentColour = RGBQUAD{255, 255, 255, 0};
    ASSERT_NE(image.Create(1, 1, 8, kImageTypeGif), nullptr);
    image.SetPaletteColor(3, RGB(1, 2, 3));
    EXPECT_EQ(image.EffectiveTransparentColour(), (RGBQUAD{255, 255, 255, 0})) << "no key";
    image.info.TransparentIndex = 3;
    EXPECT_EQ(image.EffectiveTransparentColour(), (RGBQUAD{3, 2, 1, 0}));
    ASSERT_NE(image.Create(1, 1, 24, kImageTypeGif), nullptr);
    EXPECT_EQ(image.EffectiveTransparentColour(), (RGBQUAD{255, 255, 255, 0}));
}

} // namespace
} // namespace pattik
