#include "image/cximage_gif.h"
#include "image/gif_run_coder.h"
#include "image/memory_stream.h"

#include <gtest/gtest.h>

#include <random>
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

// Larger pictures whose every byte was checked against independent decoders when the
// writer was first made: any change in speed must leave these bytes exactly as they are.
// Each picture crosses many code-width steps and clears; the mixes put runs of every
// length between lone pixels, so each way the coder sends pixels meets each of the others.
std::uint64_t Fnv1a(const Bytes& bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const std::uint8_t byte : bytes) {
        hash = (hash ^ byte) * 1099511628211ull;
    }
    return hash;
}

TEST(GifWriter, TheBytesOfLargePicturesStayAsTheyWere) {
    struct Picture {
        const char* name;
        int bits;
        int values;     // pixel values drawn from 0 .. values - 1
        int longestRun; // runs of 1 .. longestRun equal pixels
        std::size_t size;
        std::uint64_t hash;
    };
    const Picture pictures[] = {
        {"noise", 8, 256, 1, 76645, 0x02692cb11dfae9d0ull},
        {"fewColourNoise", 8, 3, 1, 69110, 0x22bcd76f55d5aa7bull},
        {"shortRuns", 8, 256, 6, 68019, 0x073f8d3e4b5a9852ull},
        {"longRuns", 8, 6, 3000, 4095, 0x8b90e28935edbf8aull},
        {"mixedRuns", 8, 40, 300, 11410, 0x648ee30ab92ef251ull},
        {"fourBitMix", 4, 16, 40, 15507, 0x16dee5e24b9b0f3full},
        {"oneBitMix", 1, 2, 70, 6997, 0xba5b53a46f8ab9d8ull},
    };
    for (const Picture& picture : pictures) {
        std::mt19937 random(11);
        CxImage image(kImageTypeGif);
        ASSERT_NE(image.Create(317, 211, picture.bits, kImageTypeGif), nullptr);
        int left = 0;
        std::uint8_t value = 0;
        for (int y = 0; y < 211; ++y) {
            for (int x = 0; x < 317; ++x) {
                if (left == 0) {
                    value =
                        static_cast<std::uint8_t>(random() % static_cast<unsigned>(picture.values));
                    // Lone pixels half the time in the mixes, as in a drawing.
                    left = picture.longestRun == 1 || random() % 2 == 0
                               ? 1
                               : 1 + static_cast<int>(random() %
                                                      static_cast<unsigned>(picture.longestRun));
                }
                --left;
                image.SetPixelIndex(x, y, value);
            }
        }
        const Bytes file = Encoded(image);
        EXPECT_EQ(file.size(), picture.size) << picture.name;
        EXPECT_EQ(Fnv1a(file), picture.hash) << picture.name;
    }
}

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
