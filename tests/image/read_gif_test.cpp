// Reading pictures back from GIF files: what the writer wrote comes back pixel for pixel,
// and a file that is not one picture of ours is refused, never trusted.
#include "image/read_gif.h"
#include "image/write_gif.h"
#include "support/raster/temporary_folder.h"

#include <gif_lib.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace pattik {
namespace {

namespace fs = std::filesystem;

struct Frame {
    int left = 0, top = 0, width = 0, height = 0;
    bool interlace = false;
    // Row by row, top first, whatever the order the file stores them in.
    std::vector<GifPixelType> indices;
};

int Append(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

// A GIF made by giflib's encoder, for shapes our own writer never makes.
std::vector<std::uint8_t> Encode(int width, int height, const std::vector<Frame>& frames) {
    std::vector<std::uint8_t> bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, Append, &error);
    EXPECT_NE(gif, nullptr);
    std::vector<GifColorType> colours(4);
    colours[1] = {10, 20, 30};
    colours[2] = {200, 100, 50};
    colours[3] = {0, 0, 0};
    ColorMapObject* map = GifMakeMapObject(4, colours.data());
    EGifPutScreenDesc(gif, width, height, 2, 0, map);
    for (const Frame& frame : frames) {
        EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, frame.interlace,
                         nullptr);
        std::vector<int> rows;
        for (int y = 0; y < frame.height; ++y) {
            rows.push_back(y);
        }
        if (frame.interlace) {
            rows.clear();
            for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
                for (int y = start; y < frame.height; y += step) {
                    rows.push_back(y);
                }
            }
        }
        for (const int y : rows) {
            std::vector<GifPixelType> line(
                frame.indices.begin() + static_cast<long>(y * frame.width),
                frame.indices.begin() + static_cast<long>((y + 1) * frame.width));
            EGifPutLine(gif, line.data(), frame.width);
        }
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return bytes;
}

Frame Whole(int width, int height, bool interlace = false) {
    Frame frame{0, 0, width, height, interlace, {}};
    for (int i = 0; i < width * height; ++i) {
        frame.indices.push_back(static_cast<GifPixelType>(i % 7 == 0 ? i / 7 % 4 : 1));
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

TEST_F(ReadGif, InterlacedRowsLandWhereTheyBelongAndIndexZeroIsEmpty) {
    const Frame frame = Whole(9, 19, true);
    const GifReadResult read = ReadGifBytes(Encode(9, 19, {frame}));
    ASSERT_TRUE(read.Succeeded());
    const COLORREF expected[4] = {kTransparentMagenta, RGB(10, 20, 30), RGB(200, 100, 50), kBlack};
    for (int y = 0; y < 19; ++y) {
        for (int x = 0; x < 9; ++x) {
            ASSERT_EQ(read.picture.At(x, y), expected[frame.indices[y * 9 + x]]) << x << ", " << y;
        }
    }
}

TEST_F(ReadGif, AnythingButOneWholePictureIsRefused) {
    EXPECT_EQ(ReadGifBytes(Encode(8, 8, {})).failure, GifReadFailure::NoPicture);
    EXPECT_EQ(ReadGifBytes(Encode(8, 8, {Whole(8, 8), Whole(8, 8)})).failure,
              GifReadFailure::NotOnePicture);
    Frame inside = Whole(4, 4);
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
