#include "raster/bmp_decoder.h"
#include "support/raster/pixel_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace pattik {
namespace {

using testing::Grid;
using testing::Legend;
using Bytes = std::vector<unsigned char>;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
const Legend kLegend{{'R', kRed}, {'G', kGreen}, {'B', kBlue}, {'W', kWhite}, {'.', kBlack}};

void PutLe(Bytes& out, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

// A BMP file put together field by field, so a test can break any one of them.
struct BmpFile {
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t infoSize = 40;
    std::vector<COLORREF> palette;
    Bytes pixels;        // stored rows, padding included
    std::size_t gap = 0; // bytes between the palette and the pixels

    Bytes Encode() const {
        Bytes out{'B', 'M'};
        const std::size_t paletteEnd = 14 + infoSize + 4 * palette.size();
        PutLe(out, static_cast<std::uint32_t>(paletteEnd + gap + pixels.size()), 4);
        PutLe(out, 0, 4);
        PutLe(out, static_cast<std::uint32_t>(paletteEnd + gap), 4);
        for (const std::uint32_t field :
             {infoSize, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)}) {
            PutLe(out, field, 4);
        }
        PutLe(out, 1, 2);
        PutLe(out, bitCount, 2);
        const auto coloursUsed = static_cast<std::uint32_t>(palette.size());
        for (const std::uint32_t field : {0U, 0U, 0U, 0U, coloursUsed, 0U}) {
            PutLe(out, field, 4);
        }
        out.resize(14 + infoSize); // larger headers: the extra fields stay zero
        for (const COLORREF colour : palette) {
            out.insert(out.end(), {GetBValue(colour), GetGValue(colour), GetRValue(colour), 0});
        }
        out.insert(out.end(), gap, 0xEE);
        out.insert(out.end(), pixels.begin(), pixels.end());
        return out;
    }
};

// A bottom-up file with no palette (24 or 32 bits) or with one (1, 4 or 8 bits).
BmpFile File(int width, int height, int bitCount, Bytes pixels,
             std::vector<COLORREF> palette = {}) {
    BmpFile file;
    file.width = width;
    file.height = height;
    file.bitCount = static_cast<std::uint16_t>(bitCount);
    file.pixels = std::move(pixels);
    file.palette = std::move(palette);
    return file;
}

DeviceBitmap Decode(const BmpFile& file) {
    const Bytes bytes = file.Encode();
    return DecodeBmp(bytes);
}

TEST(BmpDecoderTest, OneBitPixelsStartAtTheHighBit) {
    // Ten pixels spill into a second byte; the row is padded to four.
    const BmpFile file = File(10, 1, 1, {0b1011'0000, 0b0100'0000, 0, 0}, {kRed, kBlue});
    EXPECT_PIXELS(Decode(file), (Point{0, 0}), (Grid{"BRBBRRRRRB"}), kLegend);
}

TEST(BmpDecoderTest, FourBitPixelsStartAtTheHighNibble) {
    std::vector<COLORREF> palette(16, kWhite);
    palette[2] = kRed;
    palette[7] = kGreen;
    palette[15] = kBlue;
    EXPECT_PIXELS(Decode(File(3, 1, 4, {0x2F, 0x70, 0, 0}, palette)), (Point{0, 0}), (Grid{"RBG"}),
                  kLegend);
}

TEST(BmpDecoderTest, EightBitPaletteIsBlueGreenRedAndIndexPastItIsBlack) {
    const DeviceBitmap bitmap =
        Decode(File(4, 1, 8, {2, 1, 0, 3}, {kWhite, kBlue, RGB(10, 20, 30)}));
    ASSERT_EQ(bitmap.Width(), 4);
    EXPECT_EQ(bitmap.At(0, 0), RGB(10, 20, 30));
    EXPECT_PIXELS(bitmap, (Point{1, 0}), (Grid{"BW."}), kLegend);
}

TEST(BmpDecoderTest, TwentyFourBitRowsSkipTheirPadding) {
    // Width 3: nine bytes of blue-green-red and three of padding per row; bottom row first.
    const BmpFile file = File(3, 2, 24, {0,   0,   255, 0, 255, 0, 255, 0, 0,   0xAA, 0xAA, 0xAA,
                                         255, 255, 255, 0, 0,   0, 0,   0, 255, 0xAA, 0xAA, 0xAA});
    EXPECT_PIXELS(Decode(file), (Point{0, 0}), (Grid{"W.R", "RGB"}), kLegend);
}

TEST(BmpDecoderTest, ThirtyTwoBitIgnoresTheFourthByte) {
    const DeviceBitmap bitmap = Decode(File(2, 1, 32, {0, 0, 255, 0x80, 30, 20, 10, 0xFF}));
    ASSERT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.At(0, 0), kRed);
    EXPECT_EQ(bitmap.At(1, 0), RGB(10, 20, 30));
}

TEST(BmpDecoderTest, HeightSignChoosesTheRowOrder) {
    BmpFile file = File(1, 3, 8, {0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0}, {kRed, kGreen, kBlue});
    EXPECT_PIXELS(Decode(file), (Point{0, 0}), (Grid{"B", "G", "R"}), kLegend);
    file.height = -3;
    EXPECT_PIXELS(Decode(file), (Point{0, 0}), (Grid{"R", "G", "B"}), kLegend);
}

TEST(BmpDecoderTest, LargerHeaderMovesThePaletteAndOffsetFindsThePixels) {
    BmpFile file = File(2, 1, 8, {1, 0, 0, 0}, {kGreen, kBlue});
    file.infoSize = 124;
    file.gap = 6;
    const DeviceBitmap bitmap = Decode(file);
    EXPECT_PIXELS(bitmap, (Point{0, 0}), (Grid{"BG"}), kLegend);
    EXPECT_EQ(bitmap.GetBitmapDimension(), (Size{2, 1}));
}

BmpFile ValidFile() {
    return File(3, 2, 8, Bytes(8, 1), {kRed, kGreen});
}

// The valid file with one header field overwritten.
struct MalformedCase {
    std::string name;
    std::size_t offset;
    std::uint32_t value;
    int size = 4;
};

void PrintTo(const MalformedCase& malformed, std::ostream* out) {
    *out << malformed.name;
}

constexpr std::size_t kMagicAt = 0;
constexpr std::size_t kPixelOffsetAt = 10;
constexpr std::size_t kInfoSizeAt = 14;
constexpr std::size_t kWidthAt = 18;
constexpr std::size_t kHeightAt = 22;
constexpr std::size_t kBitCountAt = 28;
constexpr std::size_t kCompressionAt = 30;
constexpr std::size_t kColoursUsedAt = 46;
constexpr std::uint32_t kPaletteEnd = 14 + 40 + 2 * 4;

class BmpDecoderMalformedTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(BmpDecoderMalformedTest, GivesAnEmptyBitmap) {
    Bytes bytes = ValidFile().Encode();
    ASSERT_FALSE(DecodeBmp(bytes).IsEmpty());
    Bytes field;
    PutLe(field, GetParam().value, GetParam().size);
    std::copy(field.begin(), field.end(), bytes.begin() + GetParam().offset);
    EXPECT_TRUE(DecodeBmp(bytes).IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BmpDecoderMalformedTest,
    ::testing::Values(
        MalformedCase{"WrongMagic", kMagicAt, 'A' << 8 | 'B', 2},
        MalformedCase{"ZeroWidth", kWidthAt, 0}, MalformedCase{"NegativeWidth", kWidthAt, ~2U},
        MalformedCase{"ZeroHeight", kHeightAt, 0},
        MalformedCase{"MostNegativeHeight", kHeightAt, 0x80000000},
        MalformedCase{"HugeWidth", kWidthAt, 0x7FFFFFFF},
        // Two rows of 2^27 + 1: two pixels more than a bitmap holds.
        MalformedCase{"JustOverMaxPixels", kWidthAt, (1U << 27) + 1},
        MalformedCase{"SixteenBits", kBitCountAt, 16, 2},
        MalformedCase{"TwoBits", kBitCountAt, 2, 2}, MalformedCase{"ZeroBits", kBitCountAt, 0, 2},
        MalformedCase{"RunLengthEncoded", kCompressionAt, 1},
        MalformedCase{"BitFields", kCompressionAt, 3}, MalformedCase{"CoreHeader", kInfoSizeAt, 12},
        MalformedCase{"HeaderPastTheEnd", kInfoSizeAt, 0xFFFFFFF0},
        MalformedCase{"TooManyColoursUsed", kColoursUsedAt, 257},
        MalformedCase{"NoColoursUsedMeansAFullPalette", kColoursUsedAt, 0},
        MalformedCase{"PixelsInsideThePalette", kPixelOffsetAt, kPaletteEnd - 1},
        MalformedCase{"PixelsPastTheEnd", kPixelOffsetAt, kPaletteEnd + 1},
        MalformedCase{"PixelOffsetWrapsAround", kPixelOffsetAt, 0xFFFFFFFF}),
    [](const ::testing::TestParamInfo<MalformedCase>& testCase) { return testCase.param.name; });

TEST(BmpDecoderTest, EveryTruncationOfAValidFileIsRejected) {
    const Bytes whole = ValidFile().Encode();
    ASSERT_FALSE(DecodeBmp(whole).IsEmpty());
    for (std::size_t keep = 0; keep < whole.size(); ++keep) {
        EXPECT_TRUE(DecodeBmp(std::span(whole).first(keep)).IsEmpty()) << keep << " bytes";
    }
}

} // namespace
} // namespace pattik
