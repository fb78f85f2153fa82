// The colour budget the status bar shows and the concerns Save raises before it writes.
#include "document/document.h"
#include "document/save_check.h"
#include "res/string_table.h"
#include "support/document/editor_fixture.h"
#include "support/document/fake_environment.h"
#include "support/raster/temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pattik {
namespace {

namespace fs = std::filesystem;

class SaveCheck : public testing::CreatedEditor {
  protected:
    SaveCheck() {
        environment.documents = (temporary.Path() / "Documents").string();
        document.OnNewDocument();
        document.SetSaveCheck(true);
        host.ClearRecords();
    }
    // As on a fresh document: the item bar refuses a change under unsaved work.
    void Choose(Gender gender, ItemCategory category) {
        host.modified = false;
        host.itemSelections = {{ItemBox::Gender, static_cast<int>(gender)},
                               {ItemBox::Category, static_cast<int>(category)}};
        bar.OnCategoryChange();
    }
    // n colours in a block of the wear picture from row `top`, none of them black.
    void PaintColours(int n, int top) {
        for (int i = 0; i < n; ++i) {
            Pixels(ViewMode::Wear).At(i % 75, top + i / 75) =
                RGB(static_cast<std::uint8_t>(i % 250 + 1), static_cast<std::uint8_t>(i / 250), 9);
        }
        host.modified = true;
    }
    std::string Path(const std::string& name) const { return (temporary.Path() / name).string(); }

    testing::TemporaryFolder temporary;
};

TEST_F(SaveCheck, TheBudgetCountsThePictureInViewAsItsFileWillHoldIt) {
    Choose(Gender::Female, ItemCategory::Top); // a DP window of the wear picture, and hair
    panel.SelectViewMode(ViewMode::Dp);
    const int guideColours = ViewColourCount(panel).colours;
    panel.SelectViewMode(ViewMode::Wear);
    for (int x = 10; x < 13; ++x) {
        Pixels(ViewMode::Wear).At(x, 60) = RGB(static_cast<std::uint8_t>(x), 100, 100);
    }
    Pixels(ViewMode::Wear).At(0, 124) = kBlack;       // black has its own entry
    Pixels(ViewMode::Wear).At(1, 124) = RGB(1, 2, 3); // below the DP window
    EXPECT_EQ(ColourBudgetText(ViewColourCount(panel)), "색 4/254");
    panel.SelectViewMode(ViewMode::Dp);
    EXPECT_EQ(ViewColourCount(panel).colours, guideColours + 3) << "the guide and what it shows";

    panel.SelectViewMode(ViewMode::Wear);
    PaintColours(300, 0);
    EXPECT_EQ(ColourBudgetText(ViewColourCount(panel)), "색 304/254 (초과)");
}

TEST_F(SaveCheck, ConcernsNameEmptyPicturesTheItemNeedsAndPicturesThatLoseColours) {
    // Socks have a DP picture of their own; nothing is drawn yet.
    Choose(Gender::Male, ItemCategory::Socks);
    EXPECT_EQ(
        SaveConcerns(panel, panel.ComposeOutputPictures()),
        (std::vector<std::string>{"착용 그림이 비어 있습니다.", "디피 그림이 비어 있습니다."}));

    PaintColours(2, 0);
    Pixels(ViewMode::Dp).At(5, 5) = kWhite;
    EXPECT_TRUE(SaveConcerns(panel, panel.ComposeOutputPictures()).empty());

    // Hair that leaves the hair square empty; a top would not care.
    Choose(Gender::Female, ItemCategory::Hair);
    EXPECT_EQ(SaveConcerns(panel, panel.ComposeOutputPictures()),
              std::vector<std::string>{"헤어 그림이 비어 있습니다."});
    Choose(Gender::Female, ItemCategory::Top);
    EXPECT_TRUE(SaveConcerns(panel, panel.ComposeOutputPictures()).empty());

    PaintColours(400, 0);
    const std::vector<std::string> concerns = SaveConcerns(panel, panel.ComposeOutputPictures());
    ASSERT_FALSE(concerns.empty());
    EXPECT_EQ(concerns[0], "착용 그림의 색이 400개입니다. 254개를 넘는 색은 가장 가까운 색으로 "
                           "바뀝니다.");
}

TEST_F(SaveCheck, SaveAsksOnceAndWritesOnlyOnSave) {
    Choose(Gender::Female, ItemCategory::Top);
    host.modified = true; // an empty wear picture: a concern

    host.messageAnswers = {MessageAnswer::Cancel};
    environment.savePaths = {Path("a.gif")};
    EXPECT_FALSE(document.OnFileSave());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "저장하기 전에 살펴볼 것이 있습니다.\n- 착용 그림이 비어 "
                                "있습니다.\n\n그래도 저장할까요?");
    EXPECT_FALSE(fs::exists(Path("a.gif")));
    EXPECT_TRUE(host.modified);

    host.messageAnswers = {MessageAnswer::Save};
    environment.savePaths = {Path("a.gif")};
    EXPECT_TRUE(document.OnFileSave());
    EXPECT_TRUE(fs::exists(Path("a.gif")));
    EXPECT_FALSE(host.modified);

    // Nothing to say: no question.
    host.ClearRecords();
    PaintColours(5, 0);
    environment.savePaths = {Path("b.gif")};
    EXPECT_TRUE(document.OnFileSave());
    EXPECT_TRUE(host.messages.empty());
}

} // namespace
} // namespace pattik
