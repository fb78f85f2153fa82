// Reading pictures back from GIF files: what the writer wrote comes back pixel for pixel,
// and a file that is not one picture of ours is refused, never trusted.
#include "image/read_gif.h"
#include "image/write_gif.h"
#include "support/image/gif_encoder.h"
#include "support/raster/temporary_folder.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

namespace pattik {
namespace {

namespace fs = std::filesystem;

using testing::GifFrame;

const testing::GifPalette kPalette{{90, 80, 70}, {10, 20, 30}, {200, 100, 50}, {0, 0, 0}};

std::vector<std::uint8_t> Encode(int width, int height, const std::vector<GifFrame>& frames,
                                 std::optional<int> transparent = std::nullopt) {
    return testing::EncodeGif(width, height, kPalette, frames, transparent);
}

GifFrame Whole(int width, int height, bool interlace = false) {
    GifFrame frame{0, 0, width, height, interlace, {}};
    for (int i = 0; i < width * height; ++i) {
        frame.indices.push_back(static_cast<std::uint8_t>(i % 7 == 0 ? i / 7 % 4 : 1));
    }
    return frame;
}

class ReadGif : public ::testing::Test {
  protected:
    fs::path Path(const std::string& name) const { return temporary.Path() / name; }
    testing::TemporaryFolder temporary;
};

TEST_F(ReadGif, WhatTheWriterWroteComesBackPixelForPixel) {
    DeviceBitmap drawn(75, 125);
    for (int y = 0; y < 125; ++y) {
        for (int x = 0; x < 75; ++x) {
            const int v = (x * 5 + y * 3) % 40;
            drawn.At(x, y) = v < 8    ? kTransparentMagenta
                             : v < 12 ? kBlack
                                      : RGB(static_cast<std::uint8_t>(v * 6), 7,
                                            static_cast<std::uint8_t>(255 - v));
        }
    }
    CxImage picture;
    ASSERT_TRUE(picture.LoadFromDeviceBitmap(&drawn));
    ASSERT_TRUE(WriteGif(Path("item.gif").string(), picture).Succeeded());

    const GifReadResult read = ReadGifFile(Path("item.gif").string());
    ASSERT_TRUE(read.Succeeded());
    ASSERT_EQ(read.picture.Width(), 75);
    ASSERT_EQ(read.picture.Height(), 125);
    for (int y = 0; y < 125; ++y) {
        for (int x = 0; x < 75; ++x) {
            ASSERT_EQ(read.picture.At(x, y), drawn.At(x, y)) << x << ", " << y;
        }
    }
}

// Only the index a file names transparent is empty: a plain red GIF from another program
// once opened as an empty item, because index 0 was always taken as transparent.
TEST_F(ReadGif, InterlacedRowsLandWhereTheyBelongAndOnlyTheNamedIndexIsEmpty) {
    const GifFrame frame = Whole(9, 19, true);
    const COLORREF palette[4] = {RGB(90, 80, 70), RGB(10, 20, 30), RGB(200, 100, 50), kBlack};
    for (const std::optional<int> transparent :
         {std::optional<int>(), std::optional<int>(0), std::optional<int>(2)}) {
        const GifReadResult read = ReadGifBytes(Encode(9, 19, {frame}, transparent));
        ASSERT_TRUE(read.Succeeded());
        for (int y = 0; y < 19; ++y) {
            for (int x = 0; x < 9; ++x) {
                const int index = frame.indices[y * 9 + x];
                ASSERT_EQ(read.picture.At(x, y),
                          index == transparent ? kTransparentMagenta : palette[index])
                    << x << ", " << y << " transparent " << transparent.value_or(-1);
            }
        }
    }
}

TEST_F(ReadGif, AnythingButOneWholePictureIsRefused) {
    EXPECT_EQ(ReadGifBytes(Encode(8, 8, {})).failure, GifReadFailure::NoPicture);
    EXPECT_EQ(ReadGifBytes(Encode(8, 8, {Whole(8, 8), Whole(8, 8)})).failure,
              GifReadFailure::NotOnePicture);
    GifFrame inside = Whole(4, 4);
    inside.left = 2;
    EXPECT_EQ(ReadGifBytes(Encode(8, 8, {inside})).failure, GifReadFailure::NotOnePicture);
    EXPECT_EQ(ReadGifBytes(Encode(5000, 8, {})).failure, GifReadFailure::NotOnePicture)
        << "a screen larger than any picture is not looked into";

    const std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    EXPECT_EQ(ReadGifBytes(png).failure, GifReadFailure::NotGif);
    EXPECT_EQ(ReadGifBytes({}).failure, GifReadFailure::NotGif);

    // Cut anywhere, even just before its last byte, a file is refused as damaged.
    const std::vector<std::uint8_t> whole = Encode(8, 8, {Whole(8, 8)});
    ASSERT_TRUE(ReadGifBytes(whole).Succeeded());
    for (std::size_t length = 3; length < whole.size(); ++length) {
        const std::vector<std::uint8_t> cut(whole.begin(),
                                            whole.begin() + static_cast<long>(length));
        EXPECT_EQ(ReadGifBytes(cut).failure, GifReadFailure::Damaged) << length;
    }
}

TEST_F(ReadGif, OnlyARegularFileOfSensibleSizeIsRead) {
    const GifReadResult missing = ReadGifFile(Path("absent.gif").string());
    EXPECT_EQ(missing.failure, GifReadFailure::CannotOpen);
    EXPECT_EQ(missing.errorNumber, ENOENT);
    fs::create_directory(Path("folder.gif"));
    EXPECT_EQ(ReadGifFile(Path("folder.gif").string()).failure, GifReadFailure::NotAFile);
    // A FIFO with no writer would block a plain open for ever.
    ASSERT_EQ(mkfifo(Path("pipe.gif").c_str(), 0600), 0);
    EXPECT_EQ(ReadGifFile(Path("pipe.gif").string()).failure, GifReadFailure::NotAFile);
    {
        std::ofstream big(Path("big.gif"), std::ios::binary);
        big << "GIF89a";
        big.seekp(kLargestGifFileBytes);
        big << 'x';
    }
    EXPECT_EQ(ReadGifFile(Path("big.gif").string()).failure, GifReadFailure::TooLarge);
    EXPECT_EQ(ReadGifFile(std::string("a\0b", 3)).failure, GifReadFailure::CannotOpen);
}

} // namespace
} // namespace pattik
