// Opening a saved item: its files are read back into the pictures, so saving again gives
// the same bytes; files that are not an item's change nothing.
#include "catalogue/catalogue.h"
#include "document/document.h"
#include "res/string_table.h"
#include "support/document/editor_fixture.h"
#include "support/document/fake_environment.h"
#include "support/image/gif_encoder.h"
#include "support/panel/panel_fixtures.h"
#include "support/raster/temporary_folder.h"

#include "support/raster/pixel_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace pattik {
namespace {

namespace fs = std::filesystem;
using testing::CreatedEditor;
using testing::FakeEnvironment;

std::vector<char> Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class OpenItem : public CreatedEditor {
  protected:
    OpenItem() {
        environment.documents = (temporary.Path() / "Documents").string();
        document.OnNewDocument();
        host.ClearRecords();
    }

    void Choose(int gender, int category) {
        host.itemSelections = {{ItemBox::Gender, gender}, {ItemBox::Category, category}};
        bar.OnCategoryChange();
    }
    // A drawing with black, magenta left empty and colours that differ from item to item,
    // in both pictures the user draws.
    void Draw(int seed) {
        DeviceBitmap& wear = Pixels(ViewMode::Wear);
        for (int y = 0; y < wear.Height(); ++y) {
            for (int x = 0; x < wear.Width(); ++x) {
                const int v = (x * 7 + y * 13 + seed * 31) % 23;
                wear.At(x, y) = v < 6    ? kTransparentMagenta
                                : v == 6 ? kBlack
                                         : RGB(static_cast<std::uint8_t>(v * 11),
                                               static_cast<std::uint8_t>(seed * 9), 40);
            }
        }
        DeviceBitmap& dp = Pixels(ViewMode::Dp);
        for (int y = 10; y < 60; ++y) {
            for (int x = 5; x < 50; x += 2) {
                // 48 colours: few enough that none is merged.
                dp.At(x, y) = RGB(static_cast<std::uint8_t>(x % 8 * 30), 200,
                                  static_cast<std::uint8_t>(y % 6 * 40 + seed));
            }
        }
        host.modified = true;
    }
    std::string Path(const std::string& name) const { return (temporary.Path() / name).string(); }
    bool SaveAs(const std::string& name) {
        environment.savePaths = {Path(name)};
        return document.OnFileSaveAs();
    }
    void ExpectSameFiles(const std::string& first, const std::string& second) {
        for (const char* suffix : {".gif", "DP.gif", "Rp.gif"}) {
            const fs::path a = Path(first + suffix);
            const fs::path b = Path(second + suffix);
            ASSERT_EQ(fs::exists(a), fs::exists(b)) << a;
            if (fs::exists(a)) {
                EXPECT_EQ(Bytes(a), Bytes(b)) << a << " and " << b;
            }
        }
    }
    // A file of its own making, for the refusals.
    void Write(const std::string& name, const std::vector<char>& bytes) {
        std::ofstream(Path(name), std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    testing::TemporaryFolder temporary;
};

TEST_F(OpenItem, EveryItemSavedReopenedAndSavedAgainGivesTheSameBytes) {
    for (int gender = 0; gender < 2; ++gender) {
        for (int category = 0; category < kCategoryCount; ++category) {
            SCOPED_TRACE("gender " + std::to_string(gender) + ", category " +
                         std::to_string(category));
            const std::string first = "a" + std::to_string(gender) + "_" + std::to_string(category);
            document.OnNewDocument();
            Choose(gender, category);
            Draw(gender * kCategoryCount + category);
            ASSERT_TRUE(SaveAs(first + ".gif"));
            const DeviceBitmap wearDrawn = panel.Image(ViewMode::Wear);

            // A fresh document without an item: the item is asked for once.
            document.OnNewDocument();
            environment.itemChoices = {ItemIndices{gender, category}};
            environment.itemQuestions.clear();
            ASSERT_TRUE(document.OpenItem(Path(first + ".gif")));
            EXPECT_EQ(environment.itemQuestions.size(), 1u);
            EXPECT_EQ(panel.Item().gender, GenderFromIndex(gender));
            EXPECT_EQ(panel.Item().category, CategoryFromIndex(category));
            EXPECT_EQ(host.itemSelections[ItemBox::Category], category) << "the boxes show it";
            EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Wear), wearDrawn));
            EXPECT_FALSE(host.modified);

            ASSERT_TRUE(SaveAs("b" + first.substr(1) + ".gif"));
            ExpectSameFiles(first, "b" + first.substr(1));
        }
    }
}

TEST_F(OpenItem, TheDpPictureComesBackWithoutItsGuide) {
    // Socks have a DP picture of their own, drawn over a guide.
    Choose(0, static_cast<int>(ItemCategory::Socks));
    ASSERT_FALSE(DpFileSourceFor(ItemCategory::Socks, Gender::Female).fromWear);
    Draw(3);
    const DeviceBitmap dpDrawn = panel.Image(ViewMode::Dp);
    ASSERT_TRUE(SaveAs("sock.gif"));
    document.OnNewDocument();
    Choose(0, static_cast<int>(ItemCategory::Socks)); // the bar's choice: nothing is asked
    ASSERT_TRUE(document.OpenItem(Path("sock.gif")));
    EXPECT_TRUE(environment.itemQuestions.empty());
    EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Dp), dpDrawn));
}

// Over the colour budget every file is merged by its own palette, so the DP and hair files
// of a top (cut from the wear picture) cannot be made again from the merged wear file: an
// opened item saved without changes writes them as they were read.
TEST_F(OpenItem, TooManyColoursMergedOnceStayTheSameOnTheNextSave) {
    for (const auto& [gender, category] :
         {std::pair{1, ItemCategory::Socks}, std::pair{0, ItemCategory::Top}}) {
        SCOPED_TRACE(static_cast<int>(category));
        Choose(gender, static_cast<int>(category));
        DeviceBitmap& wear = Pixels(ViewMode::Wear);
        for (int i = 0; i < 75 * 125; ++i) {
            wear.At(i % 75, i / 75) = RGB(static_cast<std::uint8_t>(i % 256),
                                          static_cast<std::uint8_t>(i / 256 * 40), 90);
        }
        host.modified = true;
        ASSERT_TRUE(SaveAs("many.gif"));
        ASSERT_TRUE(document.OpenItem(Path("many.gif")));
        ASSERT_TRUE(SaveAs("again.gif"));
        ExpectSameFiles("many", "again");
    }

    // Changed, the top's DP and hair files are made again, and Save says so first.
    document.SetSaveCheck(true);
    Pixels(ViewMode::Wear).At(0, 0) = kBlack;
    host.modified = true;
    host.messageAnswers = {MessageAnswer::Save};
    ASSERT_TRUE(SaveAs("changed.gif"));
    ASSERT_FALSE(host.messages.empty());
    EXPECT_NE(host.messages.back().find(std::string(kFilesRemadeText)), std::string::npos)
        << host.messages.back();
}

TEST_F(OpenItem, AnyCompanionOrTheNameTheDocumentCarriedLeadsToTheItem) {
    Choose(0, static_cast<int>(ItemCategory::Top));
    Draw(1);
    ASSERT_TRUE(SaveAs("shirt.GIF")); // written as shirt.gif, shirtDP.gif, shirtRp.gif
    for (const char* chosen : {"shirtDP.gif", "shirtRp.gif", "shirt.GIF", "shirt.gif"}) {
        SCOPED_TRACE(chosen);
        ASSERT_TRUE(document.OpenItem(Path(chosen)));
        EXPECT_EQ(document.PathName(), Path("shirt.gif"));
        EXPECT_EQ(environment.title, "shirt.gif");
        EXPECT_EQ(environment.recent.back(), Path("shirt.gif"));
    }
    // Save writes the opened item where it lies; Save As starts there, and so does the open
    // dialog.
    const std::size_t dialogs = environment.dialogs.size();
    EXPECT_TRUE(document.OnFileSave());
    EXPECT_EQ(environment.dialogs.size(), dialogs) << "no dialog";
    environment.savePaths.clear();
    EXPECT_FALSE(document.OnFileSaveAs());
    EXPECT_EQ(environment.dialogs.back(), temporary.Path().string() + " | shirt.gif");
    EXPECT_FALSE(document.OnFileOpen());
    EXPECT_EQ(environment.openDialogs.back(), temporary.Path().string());
    // New goes back to the documents folder.
    document.OnNewDocument();
    EXPECT_FALSE(document.OnFileOpen());
    EXPECT_EQ(environment.openDialogs.back(), document.DefaultFolder());
}

// Another program's GIF names no transparent index (a plain GIF87a has no place to): none
// of its pixels is empty, whatever index it puts its colours at.
TEST_F(OpenItem, AGifFromAnotherProgramOpensWithItsColours) {
    const testing::GifFrame red{0, 0, 75, 125, false, std::vector<std::uint8_t>(75 * 125, 0)};
    const std::vector<std::uint8_t> gif = testing::EncodeGif(75, 125, {{255, 0, 0}}, {red});
    ASSERT_EQ(std::string(gif.begin(), gif.begin() + 6), "GIF87a");
    Write("red.gif", std::vector<char>(gif.begin(), gif.end()));
    environment.itemChoices = {ItemIndices{0, static_cast<int>(ItemCategory::Top)}};
    ASSERT_TRUE(document.OpenItem(Path("red.gif")));
    EXPECT_EQ(testing::CountOf(panel.Image(ViewMode::Wear), RECT{0, 0, 75, 125}, RGB(255, 0, 0)),
              75 * 125);
}

// Items may be named like another's companions, and suffixes come in any case.
TEST_F(OpenItem, TheItemsFilesAreFoundByPictureSizeAndInAnyCase) {
    Choose(0, static_cast<int>(ItemCategory::Top));
    Draw(1);
    ASSERT_TRUE(SaveAs("cap.gif"));
    Draw(2);
    ASSERT_TRUE(SaveAs("capDP.gif")); // an item of its own: capDP.gif, capDPDP.gif, capDPRp.gif
    const DeviceBitmap second = panel.Image(ViewMode::Wear);
    for (const char* chosen : {"capDP.gif", "capDPDP.gif", "capDPRp.gif"}) {
        SCOPED_TRACE(chosen);
        ASSERT_TRUE(document.OpenItem(Path(chosen))) << host.messages.back();
        EXPECT_EQ(document.PathName(), Path("capDP.gif"));
        EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Wear), second));
    }
    ASSERT_TRUE(document.OpenItem(Path("cap.gif")));
    EXPECT_FALSE(SamePixels(panel.Image(ViewMode::Wear), second));

    // Another program named them in capitals.
    Choose(1, static_cast<int>(ItemCategory::Socks));
    Draw(3);
    ASSERT_TRUE(SaveAs("shoe.gif"));
    fs::rename(Path("shoe.gif"), Path("SHOE.GIF"));
    fs::rename(Path("shoeDP.gif"), Path("SHOEDP.GIF"));
    const ItemReadResult read = ReadItemFiles(Path("SHOE.GIF"));
    ASSERT_TRUE(read.pictures) << read.problem;
    EXPECT_TRUE(read.pictures->dp.has_value()) << "the DP file is found";
    EXPECT_EQ(read.paths.dp, Path("SHOEDP.GIF"));
    EXPECT_EQ(ItemFilePathsFor(Path("SHOEDP.GIF")).wear, Path("SHOE.GIF"));
}

// A file a file manager hands the editor at start is opened as an item; a name that is no
// file yet names the new document.
TEST_F(OpenItem, ThePathTheEditorStartsWithOpensTheItemItNames) {
    Choose(0, static_cast<int>(ItemCategory::Top));
    Draw(4);
    ASSERT_TRUE(SaveAs("shirt.gif"));
    const DeviceBitmap drawn = panel.Image(ViewMode::Wear);
    panel.ResetForNewDocument();
    bar.ResetForNewDocument();
    host.modified = false;
    environment.itemChoices = {ItemIndices{0, static_cast<int>(ItemCategory::Top)}};
    document.OnStartDocument(Path("shirtDP.gif"));
    EXPECT_EQ(document.PathName(), Path("shirt.gif"));
    EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Wear), drawn));
    EXPECT_EQ(panel.Item().category, ItemCategory::Top);

    document.OnStartDocument(Path("new.gif"));
    EXPECT_EQ(document.Title(), "new.gif") << "a name for a new item";
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(OpenItem, FilesThatAreNotAnItemsAreRefusedAndChangeNothing) {
    Choose(0, static_cast<int>(ItemCategory::Top));
    ASSERT_TRUE(SaveAs("good.gif"));
    const std::vector<char> good = Bytes(Path("good.gif"));
    const std::vector<char> goodDp = Bytes(Path("goodDP.gif"));
    Write("text.gif", {'h', 'e', 'l', 'l', 'o'});
    Write("cut.gif",
          std::vector<char>(good.begin(), good.begin() + static_cast<long>(good.size() / 2)));
    Write("small.gif", Bytes(Path("goodRp.gif"))); // a 25 x 25 picture as the wear
    Write("mixed.gif", good);
    Write("mixedDP.gif", std::vector<char>(goodDp.begin(), goodDp.end() - 1)); // no trailer
    fs::create_directories(Path("folder.gif"));

    Draw(5);
    const DeviceBitmap wearBefore = panel.Image(ViewMode::Wear);
    const std::string titleBefore = document.Title();
    const struct {
        const char* name;
        std::string_view why;
    } cases[] = {
        {"text.gif", kNotGifText},
        {"cut.gif", kDamagedGifText},
        {"mixed.gif", kDamagedGifText},
        {"folder.gif", kNotARegularFileText},
        {"absent.gif", kNoSuchFileText},
        {"small.gif", "그림 크기가 25 x 25입니다. 이 그림은 75 x 125 크기여야 합니다."},
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.name);
        host.ClearRecords();
        EXPECT_FALSE(document.OpenItem(Path(bad.name)));
        ASSERT_EQ(host.messages.size(), 1u) << "one message, and no save question";
        EXPECT_EQ(host.messages[0].rfind(std::string(kCannotOpenItemText) + "\n", 0), 0u);
        EXPECT_NE(host.messages[0].find(std::string(bad.why)), std::string::npos)
            << host.messages[0];
        EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Wear), wearBefore));
        EXPECT_EQ(document.Title(), titleBefore);
        EXPECT_TRUE(host.modified);
    }
    EXPECT_NE(host.messages[0].find(Path("small.gif")), std::string::npos) << "names the file";
}

TEST_F(OpenItem, UnsavedWorkIsAskedAboutAndCancellingTheQuestionsKeepsIt) {
    Choose(0, static_cast<int>(ItemCategory::Top));
    ASSERT_TRUE(SaveAs("kept.gif"));
    Draw(7);
    const DeviceBitmap drawing = panel.Image(ViewMode::Wear);

    host.messageAnswers = {MessageAnswer::Cancel};
    EXPECT_FALSE(document.OpenItem(Path("kept.gif")));
    EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Wear), drawing));
    EXPECT_TRUE(host.modified);

    // With no item chosen the item question comes first: cancelling it asks nothing more, so
    // the work cannot have been let go already.
    document.OnNewDocument();
    Draw(7);
    host.ClearRecords();
    EXPECT_FALSE(document.OpenItem(Path("kept.gif")));
    EXPECT_EQ(environment.itemQuestions.size(), 1u);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Wear), drawing));
    EXPECT_TRUE(host.modified);

    // Yes, saved over the very item being opened: what opens is what was just saved.
    environment.itemChoices = {ItemIndices{0, static_cast<int>(ItemCategory::Top)}};
    host.messageAnswers = {MessageAnswer::Yes};
    environment.savePaths = {Path("kept.gif")};
    ASSERT_TRUE(document.OpenItem(Path("kept.gif")));
    EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Wear), drawing));

    // No drops the work. An opened item has no undo step into what was there before.
    Draw(8);
    host.messageAnswers = {MessageAnswer::No};
    panel.TakeUndoSnapshot();
    ASSERT_TRUE(document.OpenItem(Path("kept.gif")));
    EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Wear), drawing));
    const DeviceBitmap opened = panel.Image(ViewMode::Wear);
    EXPECT_FALSE(panel.Undo());
    EXPECT_FALSE(panel.StepBack()) << "the history starts at the opened pictures";
    EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Wear), opened));
}

} // namespace
} // namespace pattik
