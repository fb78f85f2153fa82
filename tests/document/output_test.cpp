// The saved files, read back from disk by an independent decoder.
#include "document/item_files.h"
#include "image/write_gif.h"
#include "support/image/gif_decoder.h"
#include "support/panel/fake_host.h"
#include "support/panel/panel_fixtures.h"
#include "support/raster/file_size_limit.h"
#include "support/raster/temporary_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace pattik {
namespace {

namespace fs = std::filesystem;
using testing::CountOf;
using testing::DecodedGif;
using testing::DecodeGifFile;

constexpr COLORREF kMagenta = kTransparentMagenta;

// Six inks and empty pixels scattered without a period, so a window of the picture shifted
// by any number of rows or columns cannot match by accident.
constexpr std::array<COLORREF, 6> kInks{RGB(200, 30, 40),  RGB(30, 160, 60), RGB(20, 60, 200),
                                        RGB(240, 200, 40), RGB(120, 70, 20), RGB(90, 200, 220)};

COLORREF PatternColour(int x, int y) {
    std::uint32_t h =
        static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    const std::size_t choice = h % (kInks.size() + 2);
    return choice < kInks.size() ? kInks[choice] : kMagenta;
}

// rowSalt keeps two pictures painted with the pattern apart.
void PaintPattern(DeviceBitmap& bitmap, int rowSalt = 0) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            bitmap.At(x, y) = PatternColour(x, y + rowSalt);
        }
    }
}

// The guide as the DP file shows it: white is see-through, so magenta lies there.
COLORREF GuideColour(const CxImage& guide, int x, int y) {
    if (!guide.IsValid()) {
        return kMagenta;
    }
    const RGBQUAD q = guide.GetPixelColor(x, guide.GetHeight() - 1 - y);
    const COLORREF colour = RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
    return colour == kWhite ? kMagenta : colour;
}

int IndexAt(const DecodedGif& gif, int x, int y) {
    return gif.indices[static_cast<std::size_t>(y * gif.width + x)];
}

COLORREF ColourAt(const DecodedGif& gif, int x, int y) {
    const auto entry = static_cast<std::size_t>(3 * IndexAt(gif, x, y));
    return RGB(gif.palette[entry], gif.palette[entry + 1], gif.palette[entry + 2]);
}

// Every pixel of the file against the colour expected there; magenta must be stored with
// the transparent entry.
::testing::AssertionResult FileShows(const std::string& fileName, Size size,
                                     const std::function<COLORREF(int, int)>& expected) {
    const DecodedGif gif = DecodeGifFile(fileName);
    if (!gif.ok) {
        return ::testing::AssertionFailure() << fileName << ": " << gif.error;
    }
    if (gif.width != size.cx || gif.height != size.cy ||
        gif.transparentIndex != kTransparentEntry) {
        return ::testing::AssertionFailure()
               << fileName << " is " << gif.width << " x " << gif.height << ", transparent index "
               << gif.transparentIndex;
    }
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            const COLORREF want = expected(x, y);
            const bool good = want == kMagenta ? IndexAt(gif, x, y) == kTransparentEntry
                                               : ColourAt(gif, x, y) == want;
            if (!good) {
                return ::testing::AssertionFailure()
                       << fileName << " at (" << x << ", " << y << "): index " << IndexAt(gif, x, y)
                       << " colour " << std::hex << ColourAt(gif, x, y) << ", expected " << want;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

std::vector<char> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>{std::istreambuf_iterator<char>(in), {}};
}

std::set<std::string> FilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// Readable case names, such as Female_Top, from the table rows.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& row) const {
        return row.param.name;
    }
};

class OutputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(folder.empty());
        panel.OnCreate();
        panel.SetUpAfterBarsExist();
    }

    void Choose(Gender gender, ItemCategory category) {
        panel.ChangeItem(static_cast<int>(gender), static_cast<int>(category));
    }
    std::string In(const std::string& name) const { return (folder / name).string(); }
    DeviceBitmap& Pixels(ViewMode mode) { return *panel.ImageContext(mode).Bitmap(); }

    testing::TemporaryFolder temporary;
    const fs::path folder = temporary.Path();
    testing::FakeHost host;
    CEditPanel panel{host};
};

// --- Names ---

struct NamesCase {
    const char* name;
    const char* path;
    const char* base;
};

class OutputFileNames : public OutputTest, public ::testing::WithParamInterface<NamesCase> {};

TEST_P(OutputFileNames, ThreeFilesNamedFromTheBase) {
    Choose(Gender::Female, ItemCategory::Top);
    const fs::path base = In(GetParam().base);
    fs::create_directories(base.parent_path());
    const std::string stem = base.string();
    const std::string name = base.filename().string();
    const OutputResult result = ComposeOutput(panel, In(GetParam().path));
    EXPECT_TRUE(result.Succeeded());
    EXPECT_EQ(result.written,
              (std::vector<std::string>{stem + ".gif", stem + "DP.gif", stem + "Rp.gif"}));
    EXPECT_EQ(FilesIn(base.parent_path()),
              (std::set<std::string>{name + ".gif", name + "DP.gif", name + "Rp.gif"}));
    EXPECT_EQ(DecodeGifFile(stem + ".gif").height, kWearImageSize.cy);
    EXPECT_EQ(DecodeGifFile(stem + "DP.gif").height, kDpImageSize.cy);
    EXPECT_EQ(DecodeGifFile(stem + "Rp.gif").height, kHairImageSize.cy);
}

// A folder named like a picture holds the files; it does not end their names.
INSTANTIATE_TEST_SUITE_P(Paths, OutputFileNames,
                         ::testing::Values(NamesCase{"FolderNamedGif", "a.gif.d/x.gif",
                                                     "a.gif.d/x"},
                                           NamesCase{"UpperCase", "ITEM.GIF", "ITEM"}),
                         CaseName());

// --- Wear file ---

// Empty pixels keep the transparent entry and black the last one, which no new colour takes.
TEST_F(OutputTest, WearFileStoresMagentaAtZeroAndBlackAtTheLastEntry) {
    Choose(Gender::Male, ItemCategory::Shoes);
    const std::vector<Point> blacks{{0, 0}, {74, 124}, {30, 60}};
    for (const Point p : blacks) {
        Pixels(ViewMode::Wear).At(p.x, p.y) = kBlack;
    }
    ComposeOutput(panel, In("item.gif"));
    EXPECT_TRUE(FileShows(In("item.gif"), kWearImageSize,
                          [&](int x, int y) { return panel.Image(ViewMode::Wear).At(x, y); }));
    const DecodedGif gif = DecodeGifFile(In("item.gif"));
    for (const Point p : blacks) {
        EXPECT_EQ(IndexAt(gif, p.x, p.y), kBlackEntry);
    }
}

// --- DP file ---

// Where the DP file takes the item from: the DP picture at (0, 0), or the wear picture
// placed at (left, top) and stretched to width columns.
struct DpCase {
    const char* name;
    Gender gender;
    ItemCategory category;
    bool fromWear;
    bool paintDp;
    int left;
    int top;
    int width;
};

class OutputDpFile : public OutputTest, public ::testing::WithParamInterface<DpCase> {};

TEST_P(OutputDpFile, ItemOverGuideOnMagenta) {
    const DpCase& c = GetParam();
    Choose(c.gender, c.category);
    PaintPattern(Pixels(ViewMode::Wear));
    if (c.paintDp) {
        PaintPattern(Pixels(ViewMode::Dp), kWearImageSize.cy);
    }
    const OutputResult result = ComposeOutput(panel, In("item.gif"));
    EXPECT_EQ(result.written.size(), HasHairImage(c.category) ? 3u : 2u);

    const auto item = [&](int x, int y) {
        if (!c.fromWear) {
            return panel.Image(ViewMode::Dp).At(x, y);
        }
        const int column = (x - c.left) * kWearImageSize.cx / c.width;
        const int row = y - c.top;
        return column < kWearImageSize.cx && row < kWearImageSize.cy
                   ? panel.Image(ViewMode::Wear).At(column, row)
                   : kMagenta;
    };
    EXPECT_TRUE(FileShows(In("itemDP.gif"), kDpImageSize, [&](int x, int y) {
        const COLORREF colour = item(x, y);
        return colour != kMagenta ? colour : GuideColour(panel.Pictures().dpGuidePicture, x, y);
    }));
    EXPECT_TRUE(FileShows(In("item.gif"), kWearImageSize,
                          [&](int x, int y) { return panel.Image(ViewMode::Wear).At(x, y); }));
}

INSTANTIATE_TEST_SUITE_P(
    Items, OutputDpFile,
    ::testing::Values(
        DpCase{"Female_Shoes_UntouchedDp", Gender::Female, ItemCategory::Shoes, false, false, 0, 0,
               0},
        DpCase{"Male_Socks", Gender::Male, ItemCategory::Socks, false, true, 0, 0, 0},
        DpCase{"None_None", Gender::None, ItemCategory::None, false, true, 0, 0, 0},
        // Rows 0..78 are wear rows 46..124; rows 79..82 show the guide alone.
        DpCase{"Male_Bottoms", Gender::Male, ItemCategory::Bottoms, true, false, 0, -46, 75},
        DpCase{"Female_Top", Gender::Female, ItemCategory::Top, true, false, -1, -29, 75},
        DpCase{"Male_TotalCoordination", Gender::Male, ItemCategory::TotalCoordination, true, false,
               0, 0, 75},
        // 75 columns stretched to 76, the first of them off the left edge.
        DpCase{"Female_Hair", Gender::Female, ItemCategory::Hair, true, false, -1, 0, 76}),
    CaseName());

// --- Hair file ---

struct HairCase {
    const char* name;
    Gender gender;
    ItemCategory category;
    Point square;
};

class OutputHairFile : public OutputTest, public ::testing::WithParamInterface<HairCase> {};

// Shrinking 40 to 25 sends source columns (and rows) ceil(x * 40 / 25) onwards to hair pixel
// x; the first of them is kept, so every hair pixel is a pixel of the square.
COLORREF ReducedHairPixel(const DeviceBitmap& wear, Point square, int x, int y) {
    const auto first = [](int target) {
        return (target * kHairSquareSide + kHairImageSize.cx - 1) / kHairImageSize.cx;
    };
    return wear.At(square.x + first(x), square.y + first(y));
}

TEST_P(OutputHairFile, HairPictureRebuiltFromTheWearSquare) {
    const HairCase& c = GetParam();
    Choose(c.gender, c.category);
    PaintPattern(Pixels(ViewMode::Wear));
    Pixels(ViewMode::Hair).Fill(kBlack); // drawn by hand in the Hair view: replaced on save
    host.modified = true;
    host.ClearRecords();

    const OutputResult result = ComposeOutput(panel, In("item.gif"));
    EXPECT_EQ(result.written,
              (std::vector<std::string>{In("item.gif"), In("itemDP.gif"), In("itemRp.gif")}));
    const auto reduced = [&](int x, int y) {
        return ReducedHairPixel(panel.Image(ViewMode::Wear), c.square, x, y);
    };
    EXPECT_TRUE(FileShows(In("itemRp.gif"), kHairImageSize, reduced));
    // Saving reads the item and changes nothing of it, the hair drawn by hand included.
    EXPECT_EQ(CountOf(panel.Image(ViewMode::Hair), RECT{0, 0, 25, 25}, kBlack), 25 * 25);
    EXPECT_TRUE(host.invalidations.empty());
    EXPECT_TRUE(host.modified);
}

INSTANTIATE_TEST_SUITE_P(
    Items, OutputHairFile,
    ::testing::Values(HairCase{"Female_Top", Gender::Female, ItemCategory::Top, {20, 8}},
                      HairCase{"Male_SetOutfit", Gender::Male, ItemCategory::SetOutfit, {19, 7}}),
    CaseName());

// Yellow strands came out red, and a red block gained a column of another red, when the
// shrinking ANDed neighbours (the empty magenta among them) together.
TEST_F(OutputTest, TheHairFileHoldsOnlyColoursDrawnInTheSquare) {
    Choose(Gender::Female, ItemCategory::Top);
    const Point square = HairSquareOrigin(Gender::Female);
    DrawingContext wear = panel.ImageContext(ViewMode::Wear);
    constexpr COLORREF kYellow = RGB(255, 255, 0);
    constexpr COLORREF kRed = RGB(200, 30, 30);
    for (int x = 3; x < 37; x += 5) {
        wear.FillRect(RECT{square.x + x, square.y, square.x + x + 1, square.y + 20}, kYellow);
    }
    wear.FillRect(RECT{square.x + 5, square.y + 24, square.x + 30, square.y + 35}, kRed);
    ASSERT_TRUE(ComposeOutput(panel, In("item.gif")).Succeeded());

    const DecodedGif gif = DecodeGifFile(In("itemRp.gif"));
    ASSERT_TRUE(gif.ok);
    std::set<COLORREF> colours;
    for (int y = 0; y < gif.height; ++y) {
        for (int x = 0; x < gif.width; ++x) {
            colours.insert(ColourAt(gif, x, y));
        }
    }
    EXPECT_EQ(colours, (std::set<COLORREF>{kTransparentMagenta, kYellow, kRed}));
}

// --- Failures ---

TEST_F(OutputTest, MissingFolderFailsEveryFileAndCreatesNothing) {
    Choose(Gender::Female, ItemCategory::Top);
    const OutputResult result = ComposeOutput(panel, In("missing/item.gif"));
    EXPECT_FALSE(result.Succeeded());
    EXPECT_TRUE(result.written.empty());
    ASSERT_EQ(result.failures.size(), 3u);
    const std::array<const char*, 3> names{"missing/item.gif", "missing/itemDP.gif",
                                           "missing/itemRp.gif"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(result.failures[i].fileName, In(names[i]));
        EXPECT_FALSE(result.failures[i].reason.empty());
    }
    EXPECT_TRUE(FilesIn(folder).empty());
}

// The files are one set: one that cannot be written leaves the old set as it was, and no
// temporary file beside it.
TEST_F(OutputTest, OneFileThatCannotBeWrittenLeavesTheWholeSetAsItWas) {
    Choose(Gender::Female, ItemCategory::Top);
    ASSERT_TRUE(ComposeOutput(panel, In("item.gif")).Succeeded());
    const std::vector<char> oldWear = Bytes(In("item.gif"));
    const std::vector<char> oldHair = Bytes(In("itemRp.gif"));
    fs::remove(folder / "itemDP.gif");
    fs::create_directory(folder / "itemDP.gif");
    PaintPattern(Pixels(ViewMode::Wear));

    const OutputResult result = ComposeOutput(panel, In("item.gif"));
    EXPECT_TRUE(result.written.empty());
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].fileName, In("itemDP.gif"));
    EXPECT_EQ(result.failures[0].cause, SaveFailure::NotAFileOrDevice);
    EXPECT_EQ(Bytes(In("item.gif")), oldWear);
    EXPECT_EQ(Bytes(In("itemRp.gif")), oldHair);
    EXPECT_EQ(FilesIn(folder), (std::set<std::string>{"item.gif", "itemDP.gif", "itemRp.gif"}));
}

// A disk that fills up between the first file and the second: the old set stays, byte for
// byte, and nothing temporary is left.
TEST_F(OutputTest, AFullDiskAfterTheFirstFileLeavesTheOldSetByteForByte) {
    Choose(Gender::Male, ItemCategory::Socks); // a DP picture of its own
    ASSERT_TRUE(ComposeOutput(panel, In("item.gif")).Succeeded());
    const std::vector<char> oldWear = Bytes(In("item.gif"));
    const std::vector<char> oldDp = Bytes(In("itemDP.gif"));
    Pixels(ViewMode::Wear).At(3, 3) = kBlack;
    PaintPattern(Pixels(ViewMode::Dp));
    fs::create_directory(folder / "probe");
    ASSERT_TRUE(ComposeOutput(panel, (folder / "probe" / "item.gif").string()).Succeeded());
    const std::uintmax_t newWear = fs::file_size(folder / "probe" / "item.gif");
    const std::uintmax_t newDp = fs::file_size(folder / "probe" / "itemDP.gif");
    ASSERT_LT(newWear + 16, newDp);
    {
        const testing::FileSizeLimit limit(static_cast<rlim_t>((newWear + newDp) / 2));
        const OutputResult result = ComposeOutput(panel, In("item.gif"));
        ASSERT_EQ(result.failures.size(), 1u);
        EXPECT_EQ(result.failures[0].fileName, In("itemDP.gif"));
        EXPECT_TRUE(result.written.empty());
    }
    EXPECT_EQ(Bytes(In("item.gif")), oldWear);
    EXPECT_EQ(Bytes(In("itemDP.gif")), oldDp);
    EXPECT_EQ(FilesIn(folder), (std::set<std::string>{"item.gif", "itemDP.gif", "probe"}));
}

// The reason is longer than any fixed buffer once the path is; the window needs all of it
// and the cause to word its own message.
TEST_F(OutputTest, LongPathFailuresKeepTheWholeReasonAndTheCause) {
    Choose(Gender::Female, ItemCategory::Top);
    const std::string name = std::string(240, 'n');
    const OutputResult result = ComposeOutput(panel, In("missing/" + name + ".gif"));
    ASSERT_EQ(result.failures.size(), 3u);
    for (const OutputResult::Failure& failure : result.failures) {
        EXPECT_EQ(failure.reason,
                  "Save: cannot open " + failure.fileName + ": No such file or directory");
        EXPECT_EQ(failure.cause, SaveFailure::System);
        EXPECT_EQ(failure.errorNumber, ENOENT);
    }
    EXPECT_EQ(result.failures[2].fileName, In("missing/" + name + "Rp.gif"));
}

TEST_F(OutputTest, EmptyPathSavesNothing) {
    Choose(Gender::Female, ItemCategory::Top);
    const OutputResult result = ComposeOutput(panel, "");
    EXPECT_TRUE(result.written.empty());
    ASSERT_EQ(result.failures.size(), 3u);
    for (const OutputResult::Failure& failure : result.failures) {
        EXPECT_EQ(failure.cause, SaveFailure::InvalidPath);
    }
}

// A folder that changes under the save between two replacements (here the DP file's place
// taken by a folder, which no user, root included, can rename a file over): the wear file
// already replaced gets its old self back, so the set is never part new, part old.
TEST_F(OutputTest, AReplacementFailingHalfwayPutsTheOldFilesBack) {
    Choose(Gender::Male, ItemCategory::Socks);
    ASSERT_TRUE(ComposeOutput(panel, In("item.gif")).Succeeded());
    const std::vector<char> oldWear = Bytes(In("item.gif"));
    Pixels(ViewMode::Wear).At(3, 3) = kBlack;
    PaintPattern(Pixels(ViewMode::Dp));

    const OutputResult result =
        WriteItemFiles(In("item.gif"), panel.ComposeOutputPictures(), [&](const std::string& name) {
            if (name == In("itemDP.gif")) {
                fs::remove(name);
                fs::create_directories(fs::path(name) / "inside");
            }
        });
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].fileName, In("itemDP.gif"));
    EXPECT_TRUE(result.written.empty());
    EXPECT_EQ(Bytes(In("item.gif")), oldWear) << "put back";
    EXPECT_EQ(FilesIn(folder), (std::set<std::string>{"item.gif", "itemDP.gif"}))
        << "no temporary file, no second name left";
}

} // namespace
} // namespace pattik
