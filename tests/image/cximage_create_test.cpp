#include "image/cximage.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <ostream>
#include <string>

namespace pattik {
namespace {

TEST(CxImageReset, FreshImageHasTheDefaults) {
    const CxImage image(kImageTypeGif);
    EXPECT_FALSE(image.IsValid());
    EXPECT_EQ(image.GetTypeCode(), kImageTypeGif);
    EXPECT_EQ(image.info.TransparentIndex, -1);
    EXPECT_EQ(image.GetHeader().biXPelsPerMeter, 3780);
    EXPECT_EQ(image.GetHeader().biYPelsPerMeter, 3780);
    EXPECT_STREQ(image.GetLastError(), "");
}

struct LayoutCase {
    int width, height, bitCount;
    int storedBits, stride, paletteSize;
};

void PrintTo(const LayoutCase& c, std::ostream* out) {
    *out << c.width << "x" << c.height << "x" << c.bitCount;
}

class CxImageCreateLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(CxImageCreateLayout, HeaderPaletteAndRowsFollowTheSize) {
    const LayoutCase c = GetParam();
    CxImage image(kImageTypeUnknown);
    const std::uint8_t* block = image.Create(c.width, c.height, c.bitCount, kImageTypeGif);
    ASSERT_NE(block, nullptr);
    const BITMAPINFOHEADER& header = image.GetHeader();
    EXPECT_EQ(header.biBitCount, c.storedBits);
    EXPECT_EQ(image.GetRowStride(), std::uint32_t(c.stride));
    EXPECT_EQ(header.biSizeImage, std::uint32_t(c.stride * c.height));
    EXPECT_EQ(image.GetPaletteSize(), std::uint32_t(c.paletteSize));
    EXPECT_EQ(image.GetTypeCode(), kImageTypeGif);
    EXPECT_EQ(std::memcmp(block, &header, sizeof header), 0) << "header copy at the block start";
    EXPECT_EQ(image.GetRows(), block + sizeof header + 4 * c.paletteSize);
    for (int i = 0; i < c.paletteSize; ++i) {
        ASSERT_EQ(image.GetPaletteColor(std::uint8_t(i)), RGBQUAD{}) << "entry " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, CxImageCreateLayout,
    ::testing::Values(LayoutCase{75, 125, 24, 24, 228, 0}, LayoutCase{3, 2, 8, 8, 4, 256},
                      LayoutCase{3, 2, 32, 24, 12, 0}, LayoutCase{3, 2, 16, 24, 12, 0},
                      LayoutCase{9, 1, 2, 4, 8, 16}, LayoutCase{33, 1, 0, 1, 8, 2},
                      LayoutCase{0, 4, 8, 8, 0, 256}));

struct FailureCase {
    const char* name;
    int width, height, bitCount;
    const char* message;
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

class CxImageCreateFailure : public ::testing::TestWithParam<FailureCase> {};

// What an image without pixels reports, whatever it held before.
void ExpectEmpty(const CxImage& image) {
    EXPECT_FALSE(image.IsValid());
    EXPECT_EQ(image.GetWidth(), 0);
    EXPECT_EQ(image.GetHeight(), 0);
    EXPECT_EQ(image.GetBitCount(), 0);
    EXPECT_EQ(image.GetRowStride(), 0u);
    EXPECT_EQ(image.GetPaletteSize(), 0u);
    EXPECT_EQ(image.GetHeader().biSizeImage, 0u);
    EXPECT_EQ(image.GetPalette(), nullptr);
    EXPECT_EQ(image.GetRows(), nullptr);
}

TEST_P(CxImageCreateFailure, LeavesTheImageEmptyWithTheReason) {
    const FailureCase c = GetParam();
    CxImage image(kImageTypeGif);
    ASSERT_NE(image.Create(4, 4, 8, kImageTypeGif), nullptr);
    EXPECT_EQ(image.Create(c.width, c.height, c.bitCount, kImageTypeGif), nullptr);
    ExpectEmpty(image);
    EXPECT_STREQ(image.GetLastError(), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, CxImageCreateFailure,
    ::testing::Values(
        FailureCase{"OverTheLimit", 100000, 100000, 24, "CXIMAGE_MAX_MEMORY exceeded"},
        FailureCase{"ProductOverflows", INT_MAX, INT_MAX, 24, "CXIMAGE_MAX_MEMORY exceeded"},
        FailureCase{"StrideBeyond32Bits", INT_MAX, 1, 24, "CXIMAGE_MAX_MEMORY exceeded"},
        FailureCase{"SizeBeyond32Bits", 50000, 50000, 24, "CXIMAGE_MAX_MEMORY exceeded"},
        FailureCase{"NegativeWidth", -1, 5, 8, "CxImage::Create invalid size"},
        FailureCase{"NegativeHeight", 5, INT_MIN, 24, "CxImage::Create invalid size"}),
    [](const auto& test) { return std::string(test.param.name); });

// Swaps in an allocator that refuses every request.
class RefusingAllocator : public CxImage {
  public:
    RefusingAllocator() : saved_(blockAllocator) {
        blockAllocator = [](std::size_t) -> void* { return nullptr; };
    }
    ~RefusingAllocator() override { blockAllocator = saved_; }

  private:
    BlockAllocator saved_;
};

TEST(CxImageCreate, RefusedAllocationIsReportedNotThrown) {
    CxImage image(kImageTypeGif);
    const RefusingAllocator refusing;
    EXPECT_EQ(image.Create(75, 125, 24, kImageTypeGif), nullptr);
    ExpectEmpty(image);
    EXPECT_STREQ(image.GetLastError(), "CxImage::Create can't allocate memory");
}

TEST(CxImageCreate, SettingsSurviveDestroyAndCreate) {
    CxImage image(kImageTypeGif);
    image.info.TransparentIndex = 255;
    image.info.TransparentColour = RGBQUAD{255, 0, 255, 0};
    ASSERT_NE(image.Create(2, 2, 24, kImageTypeUnknown), nullptr);
    EXPECT_TRUE(image.Destroy());
    ExpectEmpty(image);
    ASSERT_NE(image.Create(2, 2, 8, kImageTypeGif), nullptr);
    EXPECT_EQ(image.info.TransparentIndex, 255);
    EXPECT_EQ(image.info.TransparentColour, (RGBQUAD{255, 0, 255, 0}));
}

TEST(CxImageShareFrom, ViewShowsTheSourceAndNeverFreesIt) {
    CxImage source(kImageTypeGif);
    ASSERT_NE(source.Create(2, 2, 8, kImageTypeGif), nullptr);
    source.SetPaletteColor(3, RGB(1, 2, 3));
    source.SetPixelIndex(1, 1, 3);
    source.info.TransparentIndex = 3;
    {
        CxImage view(kImageTypeGif);
        view.ShareFrom(source);
        EXPECT_EQ(view.GetViewOwner(), &source);
        EXPECT_EQ(view.GetPixelBlock(), source.GetPixelBlock());
        EXPECT_EQ(view.GetPixelColor(1, 1), (RGBQUAD{3, 2, 1, 0}));
        EXPECT_EQ(view.info.TransparentIndex, 3);
        EXPECT_FALSE(view.Destroy());
        EXPECT_EQ(view.Create(1, 1, 8, kImageTypeGif), nullptr) << "a view cannot be re-created";
        EXPECT_STRNE(view.GetLastError(), "");
        EXPECT_EQ(view.GetPixelBlock(), source.GetPixelBlock()) << "it still shows the source";
        const DeviceBitmap bitmap(1, 1);
        EXPECT_FALSE(view.LoadFromDeviceBitmap(&bitmap));
    }
    // The view's destructor left the block alone.
    EXPECT_EQ(source.GetPixelIndex(1, 1), 3);
}

} // namespace
} // namespace pattik
