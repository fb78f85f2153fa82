#include "image/cximage.h"

#include <gtest/gtest.h>

namespace pattik {
namespace {

RGBQUAD Quad(COLORREF colour) {
    return RGBQUAD{GetBValue(colour), GetGValue(colour), GetRValue(colour), 0};
}

TEST(CxImageLoad, TakesSizeAndExactColoursWithRowsFlipped) {
    DeviceBitmap bitmap(3, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            bitmap.At(x, y) = RGB(std::uint8_t(10 * x + 1), std::uint8_t(20 * y + 2), 3);
        }
    }
    CxImage image(kImageTypeGif);
    image.info.TransparentIndex = 255;
    image.info.TransparentColour = Quad(kWhite);
    ASSERT_TRUE(image.LoadFromDeviceBitmap(&bitmap));
    EXPECT_EQ(image.GetWidth(), 3);
    EXPECT_EQ(image.GetHeight(), 2);
    EXPECT_EQ(image.GetBitCount(), 24);
    EXPECT_EQ(image.GetTypeCode(), kImageTypeUnknown);
    EXPECT_EQ(image.info.TransparentIndex, 255) << "settings outlive the load";
    image.info.TransparentColour = RGBQUAD{};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(image.GetPixelColor(x, 1 - y), Quad(bitmap.At(x, y))) << x << ", " << y;
        }
    }
}

TEST(CxImageLoad, NullOrEmptyBitmapFails) {
    CxImage image(kImageTypeGif);
    EXPECT_FALSE(image.LoadFromDeviceBitmap(nullptr));
    EXPECT_FALSE(image.IsValid());

    const DeviceBitmap empty;
    EXPECT_FALSE(image.LoadFromDeviceBitmap(&empty));
    EXPECT_STREQ(image.GetLastError(), "GetDIBits failed");
    EXPECT_TRUE(image.IsValid()) << "the 0 x 0 image stays allocated";
}

} // namespace
} // namespace pattik
