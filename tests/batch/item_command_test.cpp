// pattik-item run as a build script runs it: the files it makes are the editor's own, byte for
// byte; what it cannot use is refused with the file named and nothing written.
#include "batch/item_arguments.h"
#include "batch/item_command.h"
#include "catalogue/catalogue.h"
#include "document/item_files.h"
#include "panel/edit_panel.h"
#include "res/batch_strings.h"
#include "res/string_table.h"
#include "support/batch/png_writer.h"
#include "support/image/gif_encoder.h"
#include "support/panel/fake_host.h"
#include "support/raster/temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace pattik {
namespace {

namespace fs = std::filesystem;
using batch::RunItemCommand;
using testing::PngLayout;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome RunCommand(std::vector<std::string> args) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    Outcome run;
    run.status = RunItemCommand(views, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::vector<char> Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

int Lines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

bool Has(const std::string& text, std::string_view piece) {
    return text.find(piece) != std::string::npos;
}

// Strokes as the tools draw them: a filled shape, a wide line, black outlines, single
// pixels; the seed keeps the colours of one item apart from another's.
void DrawLikeTheTools(DrawingContext context, int seed) {
    const auto ink = [seed](int n) {
        return RGB(static_cast<std::uint8_t>(40 + n * 50), static_cast<std::uint8_t>(seed * 9),
                   static_cast<std::uint8_t>(200 - n * 30));
    };
    context.SelectPen(Pen{PenStyle::Solid, 1, kBlack});
    context.SelectBrush(Brush{BrushStyle::Solid, ink(0)});
    context.Ellipse(10, 12 + seed % 5, 60, 50);
    context.SelectPen(Pen{PenStyle::Solid, 5, ink(1)});
    context.MoveTo(5, 70);
    context.LineTo(70, 20 + seed % 7);
    context.FillRect(RECT{20, 55, 40, 75}, ink(2));
    for (int i = 0; i < 30; ++i) {
        context.SetPixel((i * 17 + seed) % 75, (i * 29) % 80, ink(i % 4));
    }
}

struct ItemCase {
    Gender gender;
    ItemCategory category;
};

class SameBytesAsTheEditor : public ::testing::TestWithParam<ItemCase> {
  protected:
    std::string Path(const std::string& name) const { return (temporary.Path() / name).string(); }
    void ExpectSameFiles(const std::string& editor, const std::string& command) {
        for (const char* suffix : {".gif", "DP.gif", "Rp.gif"}) {
            const fs::path a = Path(editor + suffix);
            const fs::path b = Path(command + suffix);
            ASSERT_EQ(fs::exists(a), fs::exists(b)) << b;
            if (fs::exists(a)) {
                EXPECT_EQ(Bytes(a), Bytes(b)) << a << " and " << b;
            }
        }
    }

    testing::TemporaryFolder temporary;
    testing::FakeHost host;
    CEditPanel panel{host};
};

// Every item of both genders. Even categories name their item in Korean and give a DP
// picture; odd ones in English, in capitals, and give none.
TEST_P(SameBytesAsTheEditor, FromTheSamePictures) {
    const auto [gender, category] = GetParam();
    const int genderIndex = static_cast<int>(gender);
    const int categoryIndex = static_cast<int>(category);
    const bool korean = categoryIndex % 2 == 0;
    const bool ownDp = !DpFileSourceFor(category, gender).fromWear;

    // The editor: the item chosen, the pictures drawn, File > Save.
    panel.OnCreate();
    panel.SetUpAfterBarsExist();
    panel.ChangeItem(genderIndex, categoryIndex);
    DrawLikeTheTools(panel.ImageContext(ViewMode::Wear), genderIndex * 20 + categoryIndex);
    if (korean) {
        DrawLikeTheTools(panel.ImageContext(ViewMode::Dp), categoryIndex + 3);
    }
    ASSERT_TRUE(ComposeOutput(panel, Path("editor.gif")).Succeeded());

    // The same pictures as an artist's PNG files, then the command.
    ASSERT_TRUE(testing::WritePng(Path("wear.png"), testing::ToRgba(panel.Image(ViewMode::Wear)),
                                  PngLayout::Rgba8));
    std::vector<std::string> args{"--gender",       "--category", "--wear",
                                  Path("wear.png"), "-o",         Path("made.gif")};
    if (korean) {
        args[0] =
            "--gender=" + std::string(GenderBoxTexts()[static_cast<std::size_t>(genderIndex)]);
        args[1] = "--category=" +
                  std::string(CategoryBoxTexts()[static_cast<std::size_t>(categoryIndex)]);
        ASSERT_TRUE(testing::WritePng(Path("dp.png"), testing::ToRgba(panel.Image(ViewMode::Dp)),
                                      PngLayout::Rgba8));
        args.insert(args.end(), {"--dp", Path("dp.png")});
    } else {
        std::string english = gender == Gender::Female ? "FEMALE" : "Male";
        std::string shortName(batch::CategoryShortName(category));
        std::transform(shortName.begin(), shortName.end(), shortName.begin(),
                       [](char c) { return static_cast<char>(std::toupper(c)); });
        args[0] = "--gender=" + english;
        args[1] = "--category=" + shortName;
    }
    const Outcome run = RunCommand(args);
    ASSERT_EQ(run.status, batch::kExitDone) << run.err;
    ExpectSameFiles("editor", "made");

    // One line a file written; one warning when the DP picture is not used or not given.
    EXPECT_EQ(Lines(run.out), HasHairImage(category) ? 3 : 2) << run.out;
    EXPECT_TRUE(Has(run.out, Path("madeDP.gif") + ": 75 x 83, 색 ")) << run.out;
    EXPECT_TRUE(Has(run.out, "/254 colours")) << run.out;
    if (korean == ownDp) {
        EXPECT_EQ(run.err, "") << "nothing to warn about";
    } else {
        EXPECT_EQ(Lines(run.err), 1) << run.err;
        EXPECT_TRUE(Has(run.err, ownDp ? kNoDpPictureText : kDpNotUsedText)) << run.err;
    }
}

std::vector<ItemCase> EveryItem() {
    std::vector<ItemCase> items;
    for (const Gender gender : {Gender::Female, Gender::Male}) {
        for (int category = 0; category < kCategoryCount; ++category) {
            items.push_back({gender, CategoryFromIndex(category)});
        }
    }
    return items;
}

INSTANTIATE_TEST_SUITE_P(EveryItem, SameBytesAsTheEditor, ::testing::ValuesIn(EveryItem()),
                         [](const ::testing::TestParamInfo<ItemCase>& row) {
                             std::string name(batch::CategoryShortName(row.param.category));
                             std::replace(name.begin(), name.end(), '-', '_');
                             return (row.param.gender == Gender::Female ? "Female_" : "Male_") +
                                    name;
                         });

TEST_F(SameBytesAsTheEditor, TooManyColoursAreMergedAsTheEditorMergesThem) {
    panel.OnCreate();
    panel.SetUpAfterBarsExist();
    panel.ChangeItem(1, static_cast<int>(ItemCategory::Socks));
    DeviceBitmap& wear = *panel.ImageContext(ViewMode::Wear).Bitmap();
    for (int i = 0; i < 75 * 125; ++i) {
        wear.At(i % 75, i / 75) =
            RGB(static_cast<std::uint8_t>(i % 256), static_cast<std::uint8_t>(i / 256 * 7), 90);
    }
    ASSERT_TRUE(ComposeOutput(panel, Path("editor.gif")).Succeeded());
    ASSERT_TRUE(testing::WritePng(Path("wear.png"), testing::ToRgba(wear), PngLayout::Rgb8));
    const Outcome run = RunCommand({"--gender", "male", "--category", "socks", "--wear",
                                    Path("wear.png"), "-o", Path("made")});
    ASSERT_EQ(run.status, batch::kExitDone) << run.err;
    ExpectSameFiles("editor", "made");
    EXPECT_TRUE(Has(run.out, Path("made.gif") + ": 75 x 125, 색 ")) << run.out;
    EXPECT_TRUE(Has(run.out, kWillMergeText)) << run.out;
    EXPECT_FALSE(Has(run.out.substr(run.out.find("madeDP.gif")), kWillMergeText)) << run.out;

    // Merged, the picture fills every entry: black's too, as it has none.
    const Outcome check = RunCommand({"--check", Path("made.gif")});
    EXPECT_TRUE(Has(check.out, Path("made.gif") + ": 75 x 125, 색 255/254 colours: " +
                                   std::string(kBlackEntryFreeText) + "\n"))
        << check.out;
}

// --- What the command refuses ---

class ItemCommand : public ::testing::Test {
  protected:
    ItemCommand() {
        EXPECT_TRUE(testing::WritePng(Path("wear.png"), Blank(kWearImageSize), PngLayout::Rgba8));
        EXPECT_TRUE(testing::WritePng(Path("dp.png"), Blank(kDpImageSize), PngLayout::Palette8));
    }
    static testing::RgbaPicture Blank(Size size) {
        testing::RgbaPicture picture{size.cx, size.cy, {}};
        picture.pixels.assign(static_cast<std::size_t>(size.cx * size.cy), {0, 0, 0, 0});
        picture.At(size.cx / 2, size.cy / 2) = {250, 200, 10, 255};
        return picture;
    }
    std::string Path(const std::string& name) const { return (temporary.Path() / name).string(); }
    Outcome Make(const std::string& category, const std::string& wear, const std::string& dp,
                 const std::string& output) {
        std::vector<std::string> args{"--gender", "여자", "--category", category,
                                      "--wear",   wear,   "--output",   output};
        if (!dp.empty()) {
            args.insert(args.end(), {"--dp", dp});
        }
        return RunCommand(args);
    }
    int GifFiles() const {
        return static_cast<int>(
            std::count_if(fs::recursive_directory_iterator(temporary.Path()), {},
                          [](const auto& entry) { return entry.path().extension() == ".gif"; }));
    }

    testing::TemporaryFolder temporary;
};

TEST_F(ItemCommand, PicturesItCannotUseAreNamedAndNothingIsWritten) {
    std::ofstream(Path("text.png")) << "not a picture";
    const std::vector<char> good = Bytes(Path("dp.png"));
    std::ofstream(Path("cut.png"), std::ios::binary)
        .write(good.data(), static_cast<std::streamsize>(good.size() / 2));
    const struct {
        const char* name;
        std::string wear;
        std::string dp;
        std::string_view why;
    } cases[] = {
        {"dp as wear", Path("dp.png"), "", "75 x 83입니다. 이 그림은 75 x 125 크기여야"},
        {"wear as dp", Path("wear.png"), Path("wear.png"),
         "(the picture is 75 x 125; it must be 75 x 83)"},
        {"text", Path("text.png"), "", kNotPngText},
        {"cut dp", Path("wear.png"), Path("cut.png"), kDamagedPngText},
        {"absent", Path("absent.png"), "", kPngNoSuchFileText},
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.name);
        const Outcome run = Make("socks", bad.wear, bad.dp, Path("item.gif"));
        EXPECT_EQ(run.status, batch::kExitFileProblem);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(Lines(run.err), 1) << run.err;
        const std::string& refused = bad.dp.empty() ? bad.wear : bad.dp;
        EXPECT_TRUE(Has(run.err, "pattik-item: " + refused + ": ")) << run.err;
        EXPECT_TRUE(Has(run.err, bad.why)) << run.err;
        EXPECT_EQ(GifFiles(), 0);
    }
}

TEST_F(ItemCommand, ADpPictureAnItemDoesNotUseIsNotEvenRead) {
    std::ofstream(Path("text.png")) << "not a picture";
    const Outcome run = Make("top", Path("wear.png"), Path("text.png"), Path("shirt.gif"));
    EXPECT_EQ(run.status, batch::kExitDone) << run.err;
    EXPECT_EQ(GifFiles(), 3);
}

TEST_F(ItemCommand, FilesThatCannotBeWrittenAreNamedWithWhy) {
    const Outcome run = Make("top", Path("wear.png"), "", Path("missing/shirt.gif"));
    EXPECT_EQ(run.status, batch::kExitFileProblem);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Lines(run.err), 3) << run.err;
    for (const char* name : {"missing/shirt.gif", "missing/shirtDP.gif", "missing/shirtRp.gif"}) {
        EXPECT_TRUE(Has(run.err, std::string(kNotWrittenText) + " " + Path(name) + ": " +
                                     std::string(kNoSuchFolderText)))
            << run.err;
    }

    // One file in the way: the files are one set, so none is written.
    fs::create_directory(Path("shirtDP.gif"));
    const Outcome partly = Make("top", Path("wear.png"), "", Path("shirt.gif"));
    EXPECT_EQ(partly.status, batch::kExitFileProblem);
    EXPECT_EQ(partly.out, "");
    EXPECT_TRUE(Has(partly.err, Path("shirtDP.gif"))) << partly.err;
    EXPECT_FALSE(fs::exists(Path("shirt.gif")));
}

TEST_F(ItemCommand, CheckReportsEachPictureOfASetItWrote) {
    ASSERT_EQ(Make("hair", Path("wear.png"), "", Path("bob.gif")).status, batch::kExitDone);
    for (const char* chosen : {"bob.gif", "bobDP.gif", "bobRp.gif"}) {
        SCOPED_TRACE(chosen);
        const Outcome run = RunCommand({"--check", Path(chosen)});
        EXPECT_EQ(run.status, batch::kExitDone) << run.err;
        EXPECT_EQ(run.err, "");
        // The wear picture holds the one yellow pixel; the DP picture shows it over the guide.
        EXPECT_EQ(Lines(run.out), 3) << run.out;
        EXPECT_TRUE(Has(run.out, Path("bob.gif") + ": 75 x 125, 색 1/254 colours\n")) << run.out;
        EXPECT_TRUE(Has(run.out, Path("bobDP.gif") + ": 75 x 83, 색 ")) << run.out;
        EXPECT_TRUE(Has(run.out, Path("bobRp.gif") + ": 25 x 25, 색 ")) << run.out;
    }
}

TEST_F(ItemCommand, CheckFailsOnABrokenOrMissingSet) {
    ASSERT_EQ(Make("socks", Path("wear.png"), Path("dp.png"), Path("sock.gif")).status,
              batch::kExitDone);
    const std::vector<char> dp = Bytes(Path("sockDP.gif"));
    std::ofstream(Path("sockDP.gif"), std::ios::binary)
        .write(dp.data(), static_cast<std::streamsize>(dp.size() - 1));
    // In both languages, as every other message of the command.
    const struct {
        std::string chosen;
        std::string_view why;
        std::string_view english;
    } cases[] = {{Path("sock.gif"), kDamagedGifText, kDamagedGifEnglish},
                 {Path("absent.gif"), kNoSuchFileText, kNoSuchFileEnglish}};
    for (const auto& [chosen, why, english] : cases) {
        SCOPED_TRACE(chosen);
        const Outcome run = RunCommand({"--check", chosen});
        EXPECT_EQ(run.status, batch::kExitFileProblem);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(Lines(run.err), 1) << run.err;
        EXPECT_TRUE(Has(run.err, kCannotOpenItemText)) << run.err;
        EXPECT_TRUE(Has(run.err, why)) << run.err;
        EXPECT_TRUE(Has(run.err, std::string(kCannotOpenItemEnglish))) << run.err;
        EXPECT_TRUE(Has(run.err, english)) << run.err;
    }
}

// A plain GIF87a from another program names no transparent index: its red is counted.
TEST_F(ItemCommand, CheckCountsTheColoursOfAGifFromAnotherProgram) {
    const testing::GifFrame red{0, 0, 75, 125, false, std::vector<std::uint8_t>(75 * 125, 0)};
    const std::vector<std::uint8_t> gif = testing::EncodeGif(75, 125, {{255, 0, 0}}, {red});
    std::ofstream(Path("red.gif"), std::ios::binary)
        .write(reinterpret_cast<const char*>(gif.data()), static_cast<std::streamsize>(gif.size()));
    const Outcome run = RunCommand({"--check", Path("red.gif")});
    EXPECT_EQ(run.status, batch::kExitDone) << run.err;
    EXPECT_TRUE(Has(run.out, Path("red.gif") + ": 75 x 125, 색 1/254 colours")) << run.out;
}

TEST_F(ItemCommand, RefusedArgumentsExitWithTwoAndWriteNothing) {
    const std::string wear = Path("wear.png");
    const std::string out = Path("x.gif");
    const struct {
        std::vector<std::string> args;
        std::string_view why;
    } cases[] = {
        {{}, kNothingToDoText},
        {{"--bogus"}, kUnknownOptionText},
        {{"x.png"}, kUnknownOptionText},
        {{"--gender=male", "--category", "top", "--wear", wear, "-o"}, kMissingValueText},
        {{"--gender", "--category", "top", "--wear", wear, "-o", out}, kMissingValueText},
        {{"--gender=", "--category", "top", "--wear", wear, "-o", out}, kMissingValueText},
        {{"--gender", "woman", "--category", "top", "--wear", wear, "-o", out}, kUnknownGenderText},
        {{"--gender", "여자", "--category", "coat", "--wear", wear, "-o", out},
         kUnknownCategoryText},
        {{"--gender", "여자", "--category", "top", "--category", "hair", "--wear", wear, "-o", out},
         kRepeatedOptionText},
        {{"--gender", "여자", "--category", "top", "--wear", wear}, kMissingOptionText},
        {{"--check", out, "--wear", wear}, kCheckAloneText},
        {{"--gender", "여자", "--category", "top", "--wear", wear, "-o", Path(".gif")},
         kBadOutputNameText},
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(::testing::PrintToString(bad.args));
        const Outcome run = RunCommand(bad.args);
        EXPECT_EQ(run.status, batch::kExitRefused);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(Lines(run.err), 2) << run.err;
        EXPECT_EQ(run.err.rfind("pattik-item: " + std::string(bad.why), 0), 0u) << run.err;
        EXPECT_TRUE(Has(run.err, kHelpHintText)) << run.err;
    }
    EXPECT_EQ(GifFiles(), 0);
}

TEST(ItemHelp, HelpIsInBothLanguagesAndListsEveryCategory) {
    for (const char* asked : {"--help", "-h"}) {
        const Outcome run = RunCommand({"--gender", "female", asked});
        EXPECT_EQ(run.status, batch::kExitDone);
        EXPECT_EQ(run.err, "");
        EXPECT_TRUE(Has(run.out, "사용법 (usage)")) << run.out;
        for (int i = 0; i < kCategoryCount; ++i) {
            EXPECT_TRUE(Has(run.out, CategoryBoxTexts()[static_cast<std::size_t>(i)]));
            EXPECT_TRUE(Has(run.out, batch::CategoryShortName(CategoryFromIndex(i))));
        }
    }
}

} // namespace
} // namespace pattik
