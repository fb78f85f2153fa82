#include "image/cximage_gif.h"
#include "image/gif_run_coder.h"
#include "image/memory_stream.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace pattik {
namespace {

using Bytes = std::vector<std::uint8_t>;

// An 8-bit image whose rows are given top row first, as they are seen.
void Fill8(CxImage& image, const std::vector<std::vector<std::uint8_t>>& rowsTopFirst) {
    const int height = static_cast<int>(rowsTopFirst.size());
    const int width = static_cast<int>(rowsTopFirst[0].size());
    ASSERT_NE(image.Create(width, height, 8, kImageTypeGif), nullptr);
    for (int row = 0; row < height; ++row) {
        for (int x = 0; x < width; ++x) {
            image.SetPixelIndex(x, height - 1 - row, rowsTopFirst[row][x]);
        }
    }
}

Bytes Encoded(CxImage& image) {
    MemoryStream stream;
    EXPECT_TRUE(image.Encode(&stream, kImageTypeGif)) << image.GetLastError();
    return stream.Data();
}

// The coded image data: from the minimum code size to the block terminator.
Bytes ImageData(const Bytes& file, std::size_t paletteEntries) {
    const std::size_t start = 13 + 3 * paletteEntries + 8 + 10;
    return Bytes(file.begin() + static_cast<std::ptrdiff_t>(start), file.end() - 1);
}

TEST(GifWriter, OnePixelPictureIsTheWholeFileByteForByte) {
    CxImage image(kImageTypeGif);
    Fill8(image, {{5}});
    for (int i = 0; i < 256; ++i) {
        image.SetPaletteColor(static_cast<std::uint8_t>(i),
                              RGBQUAD{static_cast<std::uint8_t>(i),
                                      static_cast<std::uint8_t>(i / 2),
                                      static_cast<std::uint8_t>(255 - i), 0});
    }
    image.info.TransparentIndex = 0;
    Bytes expected = {'G', 'I', 'F', '8', '9', 'a', 0x01, 0x00, 0x01, 0x00, 0xE7, 0x00, 0x00};
    for (int i = 0; i < 256; ++i) {
        expected.insert(expected.end(),
                        {static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i / 2),
                         static_cast<std::uint8_t>(i)});
    }
    expected.insert(expected.end(), {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00,       //
                                     0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, //
                                     0x00, 0x08, 0x04, 0x00, 0x0B, 0x04, 0x04, 0x00, 0x3B});
    const Bytes file = Encoded(image);
    EXPECT_EQ(file.size(), 807u);
    EXPECT_EQ(file, expected);
}

struct CodedCase {
    const char* name;
    std::vector<std::vector<std::uint8_t>> rows;
    Bytes data;
};

class GifWriterData : public ::testing::TestWithParam<CodedCase> {};

TEST_P(GifWriterData, CodesThePixelsTopRowFirst) {
    CxImage image(kImageTypeGif);
    Fill8(image, GetParam().rows);
    EXPECT_EQ(ImageData(Encoded(image), 256), GetParam().data);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, GifWriterData,
    ::testing::Values(
        // Codes 256, 1, 2, 3, 3, 257 of 9 bits: literals only.
        CodedCase{"TwoRows",
                  {{1, 2}, {3, 3}},
                  {0x08, 0x07, 0x00, 0x03, 0x08, 0x18, 0x30, 0x20, 0x20, 0x00}},
        // Codes 256, 7, 258, 259, 260, 257: a literal, then runs of 2, 3 and 4.
        CodedCase{"TenEqualPixels",
                  {{7, 7, 7, 7, 7, 7, 7, 7, 7, 7}},
                  {0x08, 0x07, 0x00, 0x0F, 0x08, 0x1C, 0x48, 0x30, 0x20, 0x00}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(GifWriter, ControlFlagsFollowTheTransparentIndex) {
    for (const auto& [index, flags, written] :
         {std::tuple{-1, 0x00, 0xFF}, std::tuple{0, 0x01, 0x00}, std::tuple{200, 0x01, 200}}) {
        CxImage image(kImageTypeGif);
        Fill8(image, {{1}});
        image.info.TransparentIndex = index;
        const Bytes file = Encoded(image);
        const std::size_t control = 13 + 3 * 256;
        EXPECT_EQ(file[control + 3], flags);
        EXPECT_EQ(file[control + 6], written);
    }
}

TEST(GifWriter, ScreenFlagsAndCodeSizeFollowTheBitCount) {
    for (const auto& [bits, entries, flags, codeSize] :
         {std::tuple{1u, 2u, 0x80, 2}, std::tuple{4u, 16u, 0xE3, 4},
          std::tuple{8u, 256u, 0xE7, 8}}) {
        CxImage image(kImageTypeGif);
        ASSERT_NE(image.Create(3, 2, bits, kImageTypeGif), nullptr);
        const Bytes file = Encoded(image);
        EXPECT_EQ(file[10], flags) << bits << " bits";
        EXPECT_EQ(file[13 + 3 * entries + 8 + 10], codeSize) << bits << " bits";
        EXPECT_EQ(file.back(), 0x3B);
    }
}

TEST(GifWriter, SubBlocksHoldAtMost255Bytes) {
    CxImage image(kImageTypeGif);
    ASSERT_NE(image.Create(200, 50, 8, kImageTypeGif), nullptr);
    // Noise that the run codes cannot shorten: about 11000 bytes of data.
    std::uint32_t seed = 12345;
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 200; ++x) {
            seed = seed * 1103515245 + 12345;
            image.SetPixelIndex(x, y, static_cast<std::uint8_t>(seed >> 16));
        }
    }
    const Bytes data = ImageData(Encoded(image), 256);
    std::size_t at = 1;
    std::size_t blocks = 0;
    while (data[at] != 0) {
        EXPECT_LE(data[at], 255);
        if (at + data[at] + 1 < data.size() - 1) {
            EXPECT_EQ(data[at], 255) << "only the last block may be short";
        }
        at += data[at] + 1u;
        ++blocks;
    }
    EXPECT_EQ(at, data.size() - 1);
    EXPECT_GT(blocks, 40u);
}

TEST(GifWriter, TwentyFourBitImagesAreRefused) {
    CxImage image(kImageTypeGif);
    ASSERT_NE(image.Create(2, 2, 24, kImageTypeGif), nullptr);
    MemoryStream stream;
    EXPECT_FALSE(image.Encode(&stream, kImageTypeGif));
    EXPECT_STRNE(image.GetLastError(), "");
}

// A size cut to 16 bits would make the file lie; one without pixels no reader opens.
TEST(GifWriter, SizesAGifCannotStateAreRefusedBeforeAnyByte) {
    for (const auto& [width, height] :
         {std::pair{65536, 1}, std::pair{1, 65536}, std::pair{0, 1}, std::pair{1, 0}}) {
        CxImage image(kImageTypeGif);
        ASSERT_NE(image.Create(width, height, 8, kImageTypeGif), nullptr);
        MemoryStream stream;
        EXPECT_FALSE(image.Encode(&stream, kImageTypeGif)) << width << " x " << height;
        EXPECT_STRNE(image.GetLastError(), "");
        EXPECT_TRUE(stream.Data().empty());
    }
}

TEST(GifRunCoderCost, LaddersAndSquareRoots) {
    EXPECT_EQ(GifRunCoder::IntegerSquareRoot(0), 0u);
    EXPECT_EQ(GifRunCoder::IntegerSquareRoot(1), 1u);
    EXPECT_EQ(GifRunCoder::IntegerSquareRoot(15), 3u);
    EXPECT_EQ(GifRunCoder::IntegerSquareRoot(16), 4u);
    EXPECT_EQ(GifRunCoder::IntegerSquareRoot(4000000000u), 63245u);
    // A ladder 1, 2, 3, 4 covers 10 pixels in 4 codes; an 11th needs a fifth.
    EXPECT_EQ(GifRunCoder::Cost(10, 3837), 4u);
    EXPECT_EQ(GifRunCoder::Cost(11, 3837), 5u);
    EXPECT_EQ(GifRunCoder::Cost(2, 3837), 2u);
    // Whole ladders of the longest run, then a partial one.
    EXPECT_EQ(GifRunCoder::Cost(3 * (5 * 6 / 2) + 1, 5), 3u * 5 + 1);
}

} // namespace
} // namespace pattik
