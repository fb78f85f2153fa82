// New, Save and the save-changes question, with a fixed clock, a temporary documents folder
// and a scripted save dialog.
#include "document/document.h"
#include "document/item_files.h"
#include "document/shown_path.h"
#include "panel/panel_geometry.h"
#include "res/string_table.h"
#include "support/document/editor_fixture.h"
#include "support/document/fake_environment.h"
#include "support/raster/file_size_limit.h"
#include "support/raster/temporary_folder.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <deque>
#include <filesystem>

namespace pattik {
namespace {

namespace fs = std::filesystem;
using testing::CreatedEditor;
using testing::FakeEnvironment;
using testing::FakeHost;

class Document : public CreatedEditor {
  protected:
    Document() {
        environment.documents = (temporary.Path() / "Documents").string();
        document.OnNewDocument();
        host.ClearRecords();
    }
    // Draws as an accepted press would: an item, a pixel, the flag.
    void Draw() {
        host.itemSelections = {{ItemBox::Gender, 0}, {ItemBox::Category, 2}};
        bar.OnCategoryChange();
        Pixels(ViewMode::Wear).At(3, 3) = kBlack;
        host.modified = true;
    }
    std::string Saved(const std::string& name) const { return (temporary.Path() / name).string(); }

    testing::TemporaryFolder temporary;
};

TEST_F(Document, ANewDocumentIsTitledByTheClockInItsOwnFolder) {
    EXPECT_EQ(document.Title(), "20070314_153012.GIF");
    EXPECT_EQ(environment.title, "20070314_153012.GIF");
    const fs::path folder = fs::path(environment.documents) / "패티크";
    EXPECT_TRUE(fs::is_directory(folder)) << "created with its parent";
    EXPECT_EQ(document.PathName(), (folder / "20070314_153012.GIF").string());
    EXPECT_FALSE(fs::exists(document.PathName())) << "the file itself is not made";
    EXPECT_TRUE(environment.recent.empty()) << "a name never saved is no recent file";
    EXPECT_TRUE(document.SavedPath().empty());

    // Two News in one second give the same name.
    EXPECT_TRUE(document.OnFileNew());
    EXPECT_EQ(document.Title(), "20070314_153012.GIF");
}

// Once saved, the item has its place: Save writes there without asking, the title and the
// recent list follow, and Save As moves it on.
TEST_F(Document, SaveWritesWhereTheItemLivesAndSaveAsMovesIt) {
    Draw();
    environment.savePaths = {Saved("shoe.gif")};
    ASSERT_TRUE(document.OnFileSave());
    EXPECT_EQ(environment.dialogs.size(), 1u);
    EXPECT_EQ(document.Title(), "shoe.gif");
    EXPECT_EQ(environment.recent, std::vector<std::string>{Saved("shoe.gif")});

    Pixels(ViewMode::Wear).At(4, 4) = kBlack;
    host.modified = true;
    host.messageAnswers = {MessageAnswer::Cancel};
    EXPECT_FALSE(document.OnFileNew());
    EXPECT_EQ(host.messages.back(), "변경 내용을 shoe.gif에 저장할까요?");
    ASSERT_TRUE(document.OnFileSave());
    EXPECT_EQ(environment.dialogs.size(), 1u) << "no second dialog";
    EXPECT_FALSE(host.modified);

    environment.savePaths = {Saved("boot.gif")};
    ASSERT_TRUE(document.OnFileSaveAs());
    EXPECT_EQ(environment.dialogs.back(), temporary.Path().string() + " | shoe.gif")
        << "the dialog starts in the item's folder with its name";
    Pixels(ViewMode::Wear).At(5, 5) = kBlack;
    host.modified = true;
    ASSERT_TRUE(document.OnFileSave());
    EXPECT_EQ(document.SavedPath(), Saved("boot.gif")) << "Ctrl+S after Save As";
    EXPECT_EQ(environment.recent.back(), Saved("boot.gif"));
}

// An entry whose files are gone is said so and leaves the list.
TEST_F(Document, ARecentEntryWhoseFilesAreGoneLeavesTheList) {
    environment.recent = {Saved("gone.gif")};
    EXPECT_FALSE(document.OpenRecent(Saved("gone.gif")));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find(std::string(kRecentItemGoneText)), std::string::npos);
    EXPECT_TRUE(environment.recent.empty());
}

TEST_F(Document, APathNamedAtStartTitlesTheDocumentAndSaveProposesIt) {
    document.OnOpenDocument("/work/items/shirt.gif");
    EXPECT_EQ(document.Title(), "shirt.gif");
    EXPECT_EQ(environment.title, "shirt.gif");
    EXPECT_EQ(document.PathName(), "/work/items/shirt.gif");
    document.OnFileSave();
    EXPECT_EQ(environment.dialogs.back(), document.DefaultFolder() + " | shirt.gif");
}

TEST_F(Document, NewEmptiesThePicturesTheBoxesAndAFloatingSelection) {
    Draw();
    panel.LiftSelection(Point{0, 0}, Point{5, 5});
    host.modified = false;
    EXPECT_TRUE(document.OnFileNew());
    EXPECT_TRUE(host.messages.empty()) << "nothing unsaved: no question";
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(3, 3), kTransparentMagenta);
    EXPECT_FALSE(panel.Item().IsChosen());
    EXPECT_EQ(host.itemSelections[ItemBox::Category], -1);
    EXPECT_FALSE(panel.Selection().hasFloatingSelection);
    panel.CommitFloatingSelection(); // nothing of the old drawing comes back
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(3, 3), kTransparentMagenta);
    const FakeHost::Invalidation erased{FakeHost::kWholePanel, true};
    EXPECT_NE(std::find(host.invalidations.begin(), host.invalidations.end(), erased),
              host.invalidations.end())
        << "the strip and wells go with the item";
}

TEST_F(Document, TheQuestionKeepsDropsOrSavesTheWork) {
    Draw();
    host.messageAnswers = {MessageAnswer::Cancel};
    EXPECT_FALSE(document.OnFileNew());
    EXPECT_EQ(host.messages.back(), "변경 내용을 20070314_153012.GIF에 저장할까요?");
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(3, 3), kBlack);
    EXPECT_TRUE(host.modified);

    // Yes, then Cancel in the save dialog: nothing is lost.
    host.messageAnswers = {MessageAnswer::Yes};
    EXPECT_FALSE(document.OnFileNew());
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(3, 3), kBlack);
    EXPECT_TRUE(host.modified);

    // Yes and a path: the three files are written, then the new document comes.
    host.messageAnswers = {MessageAnswer::Yes};
    environment.savePaths = {Saved("shoe.gif")};
    EXPECT_TRUE(document.OnFileNew());
    EXPECT_TRUE(fs::exists(Saved("shoe.gif")));
    EXPECT_TRUE(fs::exists(Saved("shoeDP.gif")));
    EXPECT_FALSE(host.modified);

    Draw();
    host.messageAnswers = {MessageAnswer::No};
    EXPECT_TRUE(document.SaveModified());
    EXPECT_FALSE(host.modified);
}

// Mid-stroke the pictures belong to the stroke: the commands do nothing, ask nothing and
// change nothing until the button comes up.
TEST_F(Document, NewOpenSaveAndItemChangesWaitWhileAStrokeGoesOn) {
    host.itemSelections = {{ItemBox::Gender, 0}, {ItemBox::Category, 2}};
    bar.OnCategoryChange();
    const Point canvas{PanelGeometry::kCanvasOrigin.x + 20, PanelGeometry::kCanvasOrigin.y + 20};
    tools.OnLButtonDown(PointerEvent{canvas, true});
    ASSERT_TRUE(tools.InStroke());
    environment.savePaths.push_back(Saved("shoe.gif"));
    environment.openPaths.push_back(Saved("shoe.gif"));

    EXPECT_FALSE(document.OnFileSave());
    EXPECT_FALSE(document.OnFileNew());
    EXPECT_FALSE(document.OnFileOpen());
    EXPECT_FALSE(document.OpenItem(Saved("shoe.gif")));
    bar.FlipGender();
    host.itemSelections = {{ItemBox::Gender, 1}, {ItemBox::Category, 5}};
    bar.OnGenderChange();
    EXPECT_TRUE(environment.dialogs.empty());
    EXPECT_TRUE(environment.openDialogs.empty());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(panel.Item().gender, Gender::Female);
    EXPECT_EQ(panel.Item().category, ItemCategory::Shoes);
    EXPECT_EQ(host.itemSelections[ItemBox::Category], 2) << "the box shows the item again";

    tools.OnLButtonUp(PointerEvent{canvas});
    EXPECT_TRUE(document.OnFileSave()) << "after the release";
    EXPECT_TRUE(fs::exists(Saved("shoe.gif")));
}

TEST_F(Document, AFailedSaveNamesEachFileAndKeepsTheWorkUnsaved) {
    Draw();
    environment.savePaths = {Saved("missing/item.gif")};
    EXPECT_FALSE(document.OnFileSave());
    EXPECT_TRUE(host.modified);
    ASSERT_EQ(host.messages.size(), 1u);
    const std::string& message = host.messages[0];
    EXPECT_EQ(message.rfind(std::string(kSaveFailedText), 0), 0u);
    EXPECT_NE(message.find(Saved("missing/item.gif") + ": 폴더가 없습니다."), std::string::npos);
    EXPECT_NE(message.find("itemDP.gif"), std::string::npos);
    EXPECT_EQ(environment.dialogs.back(),
              (fs::path(environment.documents) / "패티크").string() + " | 20070314_153012.GIF");

    // Yes in the question with a failing save: New does not happen.
    host.messageAnswers = {MessageAnswer::Yes};
    environment.savePaths = {Saved("missing/item.gif")};
    EXPECT_FALSE(document.OnFileNew());
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(3, 3), kBlack);
}

TEST_F(Document, SavePlacesAFloatingSelectionFirstSoTheFileHoldsWhatIsShown) {
    Draw();
    panel.LiftSelection(Point{2, 2}, Point{5, 5});
    DrawingContext(&Pixels(ViewMode::Wear)).FillRect(RECT{2, 2, 5, 5}, kTransparentMagenta);
    panel.MoveSelectionBy(10, 0);
    environment.savePaths = {Saved("item.gif")};
    ASSERT_TRUE(document.OnFileSave());
    EXPECT_FALSE(panel.Selection().hasFloatingSelection);
    EXPECT_EQ(Pixels(ViewMode::Wear).At(13, 3), kBlack) << "the moved pixel is in the picture";
    EXPECT_FALSE(host.modified);
}

// Save targets that cannot take the item: one message names each file that failed and why,
// the work stays unsaved, and nothing half-written or temporary is left beside it.
class SaveTargetRefused : public Document {
  protected:
    void ExpectRefusedWithNothingLeft(const std::string& target, std::string_view cause,
                                      const std::vector<std::string>& leftInFolder) {
        Draw();
        host.ClearRecords();
        environment.savePaths = {target};
        EXPECT_FALSE(document.OnFileSave());
        EXPECT_TRUE(host.modified) << "the work stays unsaved";
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_NE(host.messages[0].find(ShownPath(target) + ": " + std::string(cause)),
                  std::string::npos)
            << host.messages[0];
        // Whatever the folder held before, nothing of this item's files is there but those.
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(fs::path(target).parent_path())) {
            const std::string name = entry.path().filename().string();
            if (name.find("item") != std::string::npos) {
                left.push_back(name);
            }
        }
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, leftInFolder);
    }
};

TEST_F(SaveTargetRefused, AFullDisk) {
    fs::create_directories(Saved("full"));
    const testing::FileSizeLimit limit(64);
    ExpectRefusedWithNothingLeft(Saved("full/item.gif"), kDiskFullText, {});
}

TEST_F(SaveTargetRefused, ANameLongerThanTheSystemAllows) {
    fs::create_directories(Saved("long"));
    ExpectRefusedWithNothingLeft(Saved("long/" + std::string(300, 'a') + ".gif"), kNameTooLongText,
                                 {});
}

TEST_F(SaveTargetRefused, AFolderOfTheSameName) {
    fs::create_directories(Saved("taken/item.gif"));
    // The files are one set: the companions are not written either.
    ExpectRefusedWithNothingLeft(Saved("taken/item.gif"), kNotAFileText, {"item.gif"});
    EXPECT_TRUE(fs::is_directory(Saved("taken/item.gif")));
}

TEST_F(SaveTargetRefused, AFolderNobodyMayWriteIn) {
    if (geteuid() != 0) {
        fs::create_directories(Saved("locked"));
        fs::permissions(Saved("locked"), fs::perms::owner_read | fs::perms::owner_exec);
        ExpectRefusedWithNothingLeft(Saved("locked/item.gif"), kNoPermissionText, {});
        fs::permissions(Saved("locked"), fs::perms::owner_all);
        return;
    }
    // Permission bits do not stop root; the kernel's own folder of devices does, refusing
    // either for want of permission or as read-only, as it is mounted.
    std::FILE* probe = std::fopen("/sys/item-probe.gif", "wb");
    const int refusal = errno;
    if (probe != nullptr) {
        std::fclose(probe);
        std::remove("/sys/item-probe.gif");
        GTEST_SKIP() << "this system lets root create files in /sys";
    }
    if (refusal != EROFS && refusal != EACCES && refusal != EPERM) {
        GTEST_SKIP() << "no /sys here to refuse root";
    }
    const std::string_view cause = refusal == EROFS ? kReadOnlyText : kNoPermissionText;
    ExpectRefusedWithNothingLeft("/sys/item.gif", cause, {});
}

TEST(SaveFailureTexts, SayWhyInKorean) {
    EXPECT_EQ(SaveFailureText(SaveFailure::System, ENAMETOOLONG), kNameTooLongText);
    EXPECT_EQ(SaveFailureText(SaveFailure::System, EROFS), kReadOnlyText);
    EXPECT_EQ(SaveFailureText(SaveFailure::System, EACCES), kNoPermissionText);
    EXPECT_EQ(SaveFailureText(SaveFailure::System, ENOSPC), kDiskFullText);
    EXPECT_EQ(SaveFailureText(SaveFailure::System, EIO), kCannotWriteText);
    EXPECT_EQ(SaveFailureText(SaveFailure::InvalidPath, 0), kInvalidFileNameText);
    EXPECT_EQ(SaveFailureText(SaveFailure::NotAFileOrDevice, 0), kNotAFileText);
    EXPECT_EQ(SaveFailureText(SaveFailure::PictureTooLarge, 0), kPictureNotWritableText);
}

} // namespace
} // namespace pattik
