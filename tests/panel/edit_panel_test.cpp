#include "panel/edit_panel.h"
#include "panel/panel_geometry.h"
#include "res/control_ids.h"
#include "support/panel/fake_host.h"
#include "support/raster/pixel_grid.h"

#include <gtest/gtest.h>

namespace pattik {
namespace {

using testing::FakeHost;
using testing::Grid;
using testing::Legend;

const COLORREF kRed = RGB(255, 0, 0);
const Legend kLegend{{'m', kTransparentMagenta}, {'r', kRed}, {'#', kBlack}, {'.', kWhite}};

struct CreatedPanel : ::testing::Test {
    CreatedPanel() {
        EXPECT_EQ(panel.OnCreate(), 0);
        panel.SetUpAfterBarsExist();
    }
    FakeHost host;
    CEditPanel panel{host};
};

TEST(EditPanelConstruction, StartsWithTheDocumentedState) {
    FakeHost host;
    CEditPanel panel(host);
    EXPECT_EQ(panel.gender, Gender::None);
    EXPECT_EQ(panel.category, ItemCategory::None);
    EXPECT_EQ(panel.currentTool, ToolKind::None);
    EXPECT_EQ(panel.undoViewMode, -1);
    EXPECT_EQ(panel.zoom, 2.0f);
    EXPECT_EQ(panel.lineWidth, 1);
    EXPECT_EQ(panel.primaryColour, kBlack);
    EXPECT_EQ(panel.secondaryColour, kWhite);
    EXPECT_TRUE(panel.showAvatar);
    EXPECT_FALSE(panel.avatarInFront);
    EXPECT_EQ(panel.currentImage, &panel.wearImage);

    ASSERT_EQ(panel.OnCreate(), 0);
    EXPECT_EQ(panel.lineWidth, 5);
    EXPECT_EQ(panel.fillStyle, 0);
    for (const auto& [bitmap, size] : {std::pair{&panel.wearImage, Size{75, 125}},
                                       {&panel.dpImage, Size{75, 83}},
                                       {&panel.hairImage, Size{25, 25}},
                                       {&panel.undoBitmap, Size{75, 125}},
                                       {&panel.compositionBitmap, Size{75, 125}},
                                       {&panel.stripBitmap, Size{201, 17}}}) {
        EXPECT_EQ(bitmap->GetBitmapDimension(), size);
    }
    EXPECT_EQ(panel.wearImage.At(74, 124), kTransparentMagenta);
    EXPECT_EQ(panel.hairImage.At(0, 0), kTransparentMagenta);
    EXPECT_EQ(panel.backgroundPicture.GetWidth(), 75);
}

TEST_F(CreatedPanel, ViewButtonsSwitchTheImageAndPushOneButton) {
    EXPECT_EQ(host.pushedButtons[kWearButton], true);
    EXPECT_EQ(host.trackbarRanges, (std::map<int, std::pair<int, int>>{{kRedTrackbar, {0, 255}},
                                                                       {kGreenTrackbar, {0, 255}},
                                                                       {kBlueTrackbar, {0, 255}}}));
    EXPECT_EQ(host.exchanges, std::vector<bool>{false});
    panel.OnDpButton();
    EXPECT_EQ(panel.currentImage, &panel.dpImage);
    EXPECT_EQ(panel.CurrentImageSize(), (Size{75, 83}));
    EXPECT_EQ(host.pushedButtons,
              (std::map<int, bool>{{kWearButton, false}, {kDpButton, true}, {kHairButton, false}}));
    EXPECT_EQ(host.invalidations.back(), (FakeHost::Invalidation{FakeHost::kWholePanel, true}));
    host.ClearRecords();
    panel.InvalidateViews();
    EXPECT_EQ(host.invalidations,
              (std::vector<FakeHost::Invalidation>{{RECT{178, 53, 253, 136}, false},
                                                   {RECT{8, 28, 158, 194}, false}}));
}

// A selection of red with a magenta hole, floating at (2, 1) over a black image.
void FloatSelection(CEditPanel& panel) {
    panel.wearImage.Fill(kBlack);
    testing::PaintGrid(panel.selectionBitmap, Point{0, 0}, {"rmr", "rrr"}, kLegend);
    panel.selectionRect = RECT{2, 1, 5, 3};
    panel.hasFloatingSelection = true;
}

TEST_F(CreatedPanel, TransparentCommitLeavesPixelsUnderMagenta) {
    FloatSelection(panel);
    panel.CommitFloatingSelection();
    EXPECT_PIXELS(panel.wearImage, (Point{0, 0}), (Grid{"######", "##r#r#", "##rrr#", "######"}),
                  kLegend);
    EXPECT_TRUE(panel.hasFloatingSelection) << "the caller clears the flag";
}

TEST_F(CreatedPanel, OpaqueCommitCopiesTheWholeRectangle) {
    FloatSelection(panel);
    panel.opaqueSelection = true;
    panel.OnWearButton(); // pressing the mode already shown still commits
    EXPECT_PIXELS(panel.wearImage, (Point{0, 0}), (Grid{"######", "##rmr#", "##rrr#", "######"}),
                  kLegend);
    EXPECT_FALSE(panel.hasFloatingSelection);
    EXPECT_EQ(panel.selectionRect, RECT{});
}

TEST_F(CreatedPanel, ToolChangeCommitsIntoTheCurrentImageAndKeepsTheRectangle) {
    FloatSelection(panel);
    panel.SetTool(ToolKind::Pencil);
    EXPECT_EQ(panel.currentTool, ToolKind::Pencil);
    EXPECT_FALSE(panel.hasFloatingSelection);
    EXPECT_EQ(panel.selectionRect, (RECT{2, 1, 5, 3}));
    EXPECT_EQ(panel.wearImage.At(2, 1), kRed);
}

struct ZoomCase {
    float zoom;
    Point largest;
};

class EditPanelZoom : public CreatedPanel, public ::testing::WithParamInterface<ZoomCase> {};

TEST_P(EditPanelZoom, ClampsTheScrollOffsetToKeepTheCanvasInsideTheWearImage) {
    panel.scrollOffset = Point{500, 500};
    panel.SetZoom(GetParam().zoom);
    EXPECT_EQ(panel.scrollOffset, GetParam().largest);
    panel.scrollOffset = Point{-3, -7};
    panel.SetZoom(GetParam().zoom);
    EXPECT_EQ(panel.scrollOffset, (Point{0, 0}));
}

INSTANTIATE_TEST_SUITE_P(Zooms, EditPanelZoom,
                         ::testing::Values(ZoomCase{2.0f, {0, 0}}, ZoomCase{4.0f, {37, 62}},
                                           ZoomCase{6.0f, {50, 83}}, ZoomCase{10.0f, {60, 100}}));

TEST_F(CreatedPanel, ChangeItemLoadsTheHeadIntoTheHairImageAndShowsTheHairButton) {
    panel.hairImage.Fill(kRed);
    panel.ChangeItem(0, static_cast<int>(ItemCategory::Top));
    EXPECT_EQ(panel.gender, Gender::Female);
    EXPECT_EQ(panel.category, ItemCategory::Top);
    EXPECT_TRUE(panel.hairEnabled);
    EXPECT_TRUE(host.shown[kHairButton]);
    EXPECT_NE(panel.hairImage.At(0, 0), kRed) << "the head replaces what was drawn";
    EXPECT_EQ(host.invalidations.back(), (FakeHost::Invalidation{FakeHost::kWholePanel, false}));

    panel.OnHairButton();
    panel.ChangeItem(0, static_cast<int>(ItemCategory::Hair));
    EXPECT_EQ(panel.viewMode, ViewMode::Hair) << "hair items keep the Hair view";
    panel.ChangeItem(0, static_cast<int>(ItemCategory::Shoes));
    EXPECT_EQ(panel.viewMode, ViewMode::Wear);
    EXPECT_FALSE(panel.hairEnabled);
    EXPECT_FALSE(host.shown[kHairButton]);
}

TEST_F(CreatedPanel, ChangeItemWithoutCategoryEmptiesTheDpGuide) {
    panel.ChangeItem(1, static_cast<int>(ItemCategory::Top));
    panel.ChangeItem(-1, -1);
    EXPECT_EQ(panel.gender, Gender::None);
    EXPECT_EQ(panel.category, ItemCategory::None);
    EXPECT_FALSE(panel.dpGuidePicture.IsValid());
    EXPECT_EQ(panel.viewMode, ViewMode::Wear);
}

TEST_F(CreatedPanel, NewDocumentEmptiesThePicturesAndForgetsTheItem) {
    panel.ChangeItem(0, 5);
    panel.wearImage.Fill(kRed);
    panel.dpImage.Fill(kRed);
    panel.selectionBitmap.Fill(kRed);
    panel.hasFloatingSelection = true;
    host.ClearRecords();
    panel.ResetForNewDocument();
    EXPECT_EQ(panel.wearImage.At(40, 100), kTransparentMagenta);
    EXPECT_EQ(panel.dpImage.At(40, 80), kTransparentMagenta);
    EXPECT_EQ(panel.hairImage.At(12, 12), kTransparentMagenta);
    EXPECT_EQ(panel.selectionBitmap.At(24, 24), kTransparentMagenta);
    EXPECT_EQ(panel.selectionBitmap.At(25, 25), kRed);
    EXPECT_EQ(panel.gender, Gender::None);
    EXPECT_TRUE(panel.hasFloatingSelection) << "a floating selection survives a new document";
    EXPECT_TRUE(panel.hairEnabled);
    EXPECT_EQ(host.invalidations,
              (std::vector<FakeHost::Invalidation>{{RECT{178, 53, 253, 178}, false},
                                                   {RECT{8, 28, 158, 278}, false}}));
}

TEST_F(CreatedPanel, PreviewCheckBoxesReadTheControlsAndRepaint) {
    host.ClearRecords();
    panel.OnPreviewCheckBox();
    EXPECT_EQ(host.exchanges, std::vector<bool>{true});
    EXPECT_EQ(host.invalidations.size(), 2u);
}

} // namespace
} // namespace pattik
