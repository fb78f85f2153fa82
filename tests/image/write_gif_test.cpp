#include "image/output_names.h"
#include "image/write_gif.h"
#include "support/image/gif_decoder.h"
#include "support/raster/temporary_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>

namespace pattik {
namespace {

namespace fs = std::filesystem;

struct NamesCase {
    const char* path;
    const char* base;
};

class GifOutputNames : public ::testing::TestWithParam<NamesCase> {};

TEST_P(GifOutputNames, BaseEndsAtTheFirstGifOfTheFileNameInAnyCase) {
    const OutputNames names = OutputNamesFor(GetParam().path);
    const std::string base = GetParam().base;
    EXPECT_EQ(names.wear, base + ".gif");
    EXPECT_EQ(names.dp, base + "DP.gif");
    EXPECT_EQ(names.hair, base + "Rp.gif");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, GifOutputNames,
    ::testing::Values(NamesCase{"/home/a/20070314_153012.GIF", "/home/a/20070314_153012"},
                      NamesCase{"/x/ITEM.GiF", "/x/ITEM"}, NamesCase{"x/hat.gif.bak", "x/hat"},
                      NamesCase{"/x/item", "/x/item"}, NamesCase{"hat", "hat"},
                      NamesCase{"/문서/패티크/모자.Gif", "/문서/패티크/모자"},
                      NamesCase{"/x/.gi/f.gifx", "/x/.gi/f"},
                      // Folders named like pictures are only folders.
                      NamesCase{"/d/a.gif.d/x.gif", "/d/a.gif.d/x"},
                      NamesCase{"art.GIFs/hat.gif", "art.GIFs/hat"},
                      NamesCase{"/a.gif/b.gif/hat", "/a.gif/b.gif/hat"}));

TEST(GifOutputNamesRefusal, PathWithoutAFileNameGivesNoNames) {
    // Saved as they are, these would write hidden ".gif" and "DP.gif" files.
    for (const char* path : {"", "/x/", "/x/.gif", "hat/.GIF.bak"}) {
        const OutputNames names = OutputNamesFor(path);
        EXPECT_EQ(names.wear, "") << path;
        EXPECT_EQ(names.dp, "") << path;
        EXPECT_EQ(names.hair, "") << path;
    }
}

TEST(GifOutputNamesLength, PathsOfAnyLengthKeepEveryCharacter) {
    const std::string folder(5000, 'a');
    EXPECT_EQ(GifBaseName("/" + folder + "/그림.gif"), "/" + folder + "/그림");
}

// A true-colour picture from rows of colours, top row first.
void LoadRows(CxImage& picture, const std::vector<std::vector<COLORREF>>& rows) {
    DeviceBitmap bitmap(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            bitmap.At(x, y) = rows[y][x];
        }
    }
    ASSERT_TRUE(picture.LoadFromDeviceBitmap(&bitmap));
}

class WriteGifTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(folder.empty()); }

    testing::DecodedGif WriteAndRead(const CxImage& picture) {
        const std::string path = (folder / "item.gif").string();
        const SaveResult result = WriteGif(path, picture);
        EXPECT_TRUE(result.Succeeded()) << result.reason;
        return testing::DecodeGifFile(path);
    }

    static std::vector<std::uint8_t> Entry(const testing::DecodedGif& gif, int i) {
        return {gif.palette[3 * i], gif.palette[3 * i + 1], gif.palette[3 * i + 2]};
    }

    testing::TemporaryFolder temporary;
    const fs::path folder = temporary.Path();
};

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kM = kTransparentMagenta;

TEST_F(WriteGifTest, NewColoursTakeEntriesInOrderMetFromTheBottomRowUp) {
    CxImage picture(kImageTypeGif);
    LoadRows(picture, {{kBlue, kM, kBlack}, // top row: met last
                       {kRed, kBlue, kM}}); // bottom row: met first
    const testing::DecodedGif gif = WriteAndRead(picture);
    ASSERT_TRUE(gif.ok) << gif.error;
    EXPECT_EQ(gif.transparentIndex, 0);
    EXPECT_EQ(gif.indices, (std::vector<std::uint8_t>{2, 0, 255, 1, 2, 0}));
    EXPECT_EQ(Entry(gif, 0), (std::vector<std::uint8_t>{255, 0, 255}));
    EXPECT_EQ(Entry(gif, 1), (std::vector<std::uint8_t>{255, 0, 0}));
    EXPECT_EQ(Entry(gif, 2), (std::vector<std::uint8_t>{0, 0, 255}));
    EXPECT_EQ(Entry(gif, 3), (std::vector<std::uint8_t>{255, 0, 255}))
        << "unused entries stay magenta";
    EXPECT_EQ(Entry(gif, 255), (std::vector<std::uint8_t>{0, 0, 0}));
}

TEST_F(WriteGifTest, AllMagentaPictureIsAllTransparent) {
    CxImage picture(kImageTypeGif);
    LoadRows(picture, std::vector<std::vector<COLORREF>>(125, std::vector<COLORREF>(75, kM)));
    const testing::DecodedGif gif = WriteAndRead(picture);
    ASSERT_TRUE(gif.ok) << gif.error;
    EXPECT_EQ(gif.indices, std::vector<std::uint8_t>(75 * 125, 0));
}

// 300 colours besides black: black met first keeps entry 255, so the 255th new colour
// must not take it; the 255th without black met takes it, as the palette allows.
TEST_F(WriteGifTest, BlackPixelsStayBlackWhenColoursRunOut) {
    std::vector<COLORREF> bottom{kBlack};
    for (int i = 1; i <= 300; ++i) {
        bottom.push_back(RGB(static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i / 2), 100));
    }
    CxImage picture(kImageTypeGif);
    LoadRows(picture, {bottom});
    const testing::DecodedGif gif = WriteAndRead(picture);
    ASSERT_TRUE(gif.ok) << gif.error;
    EXPECT_EQ(gif.indices[0], 255);
    EXPECT_EQ(Entry(gif, 255), (std::vector<std::uint8_t>{0, 0, 0}));
    EXPECT_EQ(gif.indices[254], 254);
    EXPECT_NE(gif.indices[255], 255) << "the 255th new colour takes its nearest entry";

    std::vector<COLORREF> noBlack(bottom.begin() + 1, bottom.begin() + 256);
    CxImage full(kImageTypeGif);
    LoadRows(full, {noBlack});
    const testing::DecodedGif fullGif = WriteAndRead(full);
    EXPECT_EQ(fullGif.indices[254], 255);
    EXPECT_EQ(Entry(fullGif, 255), (std::vector<std::uint8_t>{255, 127, 100}));
}

// Black met only after the palette has run out still keeps entry 255, and the colour that
// found no entry is counted as merged; one colour fewer needs no merging at all.
TEST_F(WriteGifTest, BlackMetLateStillKeepsItsEntryAndMergedColoursAreCounted) {
    std::vector<COLORREF> row;
    for (int i = 1; i <= 255; ++i) {
        row.push_back(RGB(static_cast<std::uint8_t>(i), 200, static_cast<std::uint8_t>(255 - i)));
    }
    row.push_back(kBlack);
    CxImage picture(kImageTypeGif);
    LoadRows(picture, {row});
    const std::string path = (folder / "late.gif").string();
    const SaveResult result = WriteGif(path, picture);
    ASSERT_TRUE(result.Succeeded()) << result.reason;
    EXPECT_EQ(result.mergedColours, 1);
    const testing::DecodedGif gif = testing::DecodeGifFile(path);
    ASSERT_TRUE(gif.ok) << gif.error;
    EXPECT_EQ(gif.indices[253], 254);
    EXPECT_NE(gif.indices[254], 255) << "the 255th colour takes its nearest entry";
    EXPECT_EQ(gif.indices[255], 255);
    EXPECT_EQ(Entry(gif, 255), (std::vector<std::uint8_t>{0, 0, 0}));

    row.erase(row.begin());
    CxImage fits(kImageTypeGif);
    LoadRows(fits, {row});
    const SaveResult fitResult = WriteGif(path, fits);
    EXPECT_EQ(fitResult.mergedColours, 0);
    const testing::DecodedGif fitGif = testing::DecodeGifFile(path);
    for (int i = 0; i < 254; ++i) {
        EXPECT_EQ(fitGif.indices[i], i + 1) << i;
    }
    EXPECT_EQ(fitGif.indices[254], 255);
}

struct WriteFailureCase {
    const char* name;
    int width, height; // a negative width leaves the picture empty
    const char* fileName;
    SaveFailure cause;
};

class WriteGifFailure : public WriteGifTest,
                        public ::testing::WithParamInterface<WriteFailureCase> {};

TEST_P(WriteGifFailure, ReportsTheCauseAndWritesNothing) {
    const WriteFailureCase& c = GetParam();
    CxImage picture(kImageTypeGif);
    if (c.width >= 0) {
        ASSERT_NE(picture.Create(c.width, c.height, 24, kImageTypeGif), nullptr);
    }
    const SaveResult result = WriteGif((folder / c.fileName).string(), picture);
    EXPECT_EQ(result.cause, c.cause);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_TRUE(fs::is_empty(folder));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteGifFailure,
    ::testing::Values(WriteFailureCase{"Empty", -1, 0, "a.gif", SaveFailure::EmptyPicture},
                      WriteFailureCase{"NoColumns", 0, 2, "a.gif", SaveFailure::ZeroArea},
                      WriteFailureCase{"TooWide", 65536, 1, "a.gif", SaveFailure::PictureTooLarge},
                      WriteFailureCase{"TooHigh", 1, 65536, "a.gif", SaveFailure::PictureTooLarge},
                      WriteFailureCase{"Folder", 1, 1, "", SaveFailure::NotAFileOrDevice}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(WriteGifTest, LargestSizesAGifCanStateAreWritten) {
    for (const auto& [width, height] : {std::pair{65535, 1}, std::pair{1, 65535}}) {
        CxImage picture(kImageTypeGif);
        ASSERT_NE(picture.Create(width, height, 24, kImageTypeGif), nullptr);
        std::fill_n(picture.GetRows(), picture.GetHeader().biSizeImage, std::uint8_t{0});
        const testing::DecodedGif gif = WriteAndRead(picture);
        ASSERT_TRUE(gif.ok) << gif.error;
        EXPECT_EQ(gif.width, width);
        EXPECT_EQ(gif.height, height);
    }
}

} // namespace
} // namespace pattik
