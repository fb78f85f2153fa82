#include "panel/panel_geometry.h"
#include "res/control_ids.h"
#include "support/panel/panel_fixtures.h"
#include "support/raster/pixel_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pattik {
namespace {

using testing::CreatedPanel;
using testing::FakeHost;
using testing::Grid;
using testing::Legend;

const COLORREF kRed = RGB(255, 0, 0);
const Legend kLegend{{'m', kTransparentMagenta}, {'r', kRed}, {'#', kBlack}, {'.', kWhite}};

TEST(EditPanelConstruction, StartsWithTheDocumentedState) {
    FakeHost host;
    CEditPanel panel(host);
    EXPECT_FALSE(panel.Item().IsChosen());
    EXPECT_EQ(panel.Options().currentTool, ToolKind::None);
    EXPECT_EQ(panel.UndoInfo().undoViewMode, -1);
    EXPECT_EQ(panel.View().viewMode, ViewMode::Wear);

    ASSERT_EQ(panel.OnCreate(), 0);
    EXPECT_EQ(panel.Options().lineWidth, 5);
    EXPECT_EQ(panel.Options().fillStyle, 0);
    for (const auto& [bitmap, size] : {std::pair{&panel.Image(ViewMode::Wear), Size{75, 125}},
                                       {&panel.Image(ViewMode::Dp), Size{75, 83}},
                                       {&panel.Image(ViewMode::Hair), Size{25, 25}},
                                       {&panel.UndoBitmap(), Size{75, 125}},
                                       {&panel.SelectionBitmap(), Size{75, 125}},
                                       {&panel.StripBitmap(), Size{201, 17}}}) {
        EXPECT_EQ(bitmap->GetBitmapDimension(), size);
    }
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(74, 124), kTransparentMagenta);
    EXPECT_EQ(panel.Image(ViewMode::Hair).At(0, 0), kTransparentMagenta);
    EXPECT_EQ(panel.Pictures().backgroundPicture.GetWidth(), 75);
}

TEST_F(CreatedPanel, ViewButtonsSwitchTheImageAndPushOneButton) {
    EXPECT_EQ(host.pushedButtons[kWearButton], true);
    EXPECT_EQ(host.trackbarRanges, (std::map<int, std::pair<int, int>>{{kRedTrackbar, {0, 255}},
                                                                       {kGreenTrackbar, {0, 255}},
                                                                       {kBlueTrackbar, {0, 255}}}));
    EXPECT_EQ(host.editTexts[kRedEdit], "0") << "the set-up pushes the fields to the controls";
    EXPECT_TRUE(host.checkBoxes[kShowAvatarCheckBox]);
    panel.OnDpButton();
    EXPECT_EQ(&panel.CurrentImage(), &panel.Image(ViewMode::Dp));
    EXPECT_EQ(panel.CurrentImageSize(), (Size{75, 83}));
    EXPECT_EQ(host.pushedButtons,
              (std::map<int, bool>{{kWearButton, false}, {kDpButton, true}, {kHairButton, false}}));
    EXPECT_EQ(host.invalidations.back(), (FakeHost::Invalidation{FakeHost::kWholePanel, true}));
    host.ClearRecords();
    panel.InvalidateViews();
    EXPECT_EQ(host.invalidations,
              (std::vector<FakeHost::Invalidation>{{RECT{178, 53, 253, 136}, false},
                                                   {RECT{8, 28, 158, 194}, false}}));
    panel.SelectViewMode(static_cast<ViewMode>(3));
    EXPECT_EQ(panel.View().viewMode, ViewMode::Dp) << "a mode that does not exist is refused";
}

// A selection of red with a magenta hole, lifted from (2, 1) and floating there over a
// picture painted black again.
void FloatSelection(CEditPanel& panel, DeviceBitmap& wear) {
    wear.Fill(kBlack);
    testing::PaintGrid(wear, Point{2, 1}, {"rmr", "rrr"}, kLegend);
    panel.LiftSelection(Point{5, 3}, Point{2, 1});
    wear.Fill(kBlack);
}

TEST_F(CreatedPanel, LiftNormalisesTheRectangleOnceAndCopiesThePixels) {
    FloatSelection(panel, Pixels(ViewMode::Wear));
    EXPECT_TRUE(panel.Selection().hasFloatingSelection);
    EXPECT_EQ(panel.Selection().selectionRect, (RECT{2, 1, 5, 3}));
    EXPECT_PIXELS(panel.SelectionBitmap(), (Point{0, 0}), (Grid{"rmrm", "rrrm", "mmmm"}), kLegend);
}

TEST_F(CreatedPanel, TransparentCommitLeavesPixelsUnderMagenta) {
    FloatSelection(panel, Pixels(ViewMode::Wear));
    panel.CommitFloatingSelection();
    EXPECT_PIXELS(panel.Image(ViewMode::Wear), (Point{0, 0}),
                  (Grid{"######", "##r#r#", "##rrr#", "######"}), kLegend);
    EXPECT_TRUE(panel.Selection().hasFloatingSelection) << "the caller clears the flag";
}

TEST_F(CreatedPanel, OpaqueCommitCopiesTheWholeRectangle) {
    FloatSelection(panel, Pixels(ViewMode::Wear));
    panel.SetOpaqueSelection(true);
    panel.OnWearButton(); // pressing the mode already shown still commits
    EXPECT_PIXELS(panel.Image(ViewMode::Wear), (Point{0, 0}),
                  (Grid{"######", "##rmr#", "##rrr#", "######"}), kLegend);
    EXPECT_FALSE(panel.Selection().hasFloatingSelection);
    EXPECT_EQ(panel.Selection().selectionRect, RECT{});
}

TEST_F(CreatedPanel, ToolChangeCommitsIntoTheCurrentImageAndKeepsTheRectangle) {
    FloatSelection(panel, Pixels(ViewMode::Wear));
    panel.MoveSelectionBy(1, 2);
    EXPECT_TRUE(panel.SetTool(ToolKind::Pencil));
    EXPECT_EQ(panel.Options().currentTool, ToolKind::Pencil);
    EXPECT_FALSE(panel.Selection().hasFloatingSelection);
    EXPECT_EQ(panel.Selection().selectionRect, (RECT{3, 3, 6, 5}));
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(3, 3), kRed);
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(4, 3), kBlack);
}

TEST_F(CreatedPanel, DeleteDropsTheSelectionWithoutMergingIt) {
    FloatSelection(panel, Pixels(ViewMode::Wear));
    panel.DropFloatingSelection();
    EXPECT_FALSE(panel.Selection().hasFloatingSelection);
    EXPECT_EQ(panel.Selection().selectionRect, RECT{});
    panel.CommitFloatingSelection(); // an empty rectangle merges nothing
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(2, 1), kBlack);
}

// Rectangles far off the picture, or larger than it: every copy stays inside the 75 x 125
// bitmaps, and only what lands on the picture changes it.
TEST_F(CreatedPanel, SelectionsOffOrBeyondThePictureStayInsideTheBitmaps) {
    DeviceBitmap& wear = Pixels(ViewMode::Wear);
    wear.Fill(kRed);
    panel.SetOpaqueSelection(true);
    constexpr int kFar = 2'000'000'000;
    // Only the part on the picture floats.
    panel.LiftSelection(Point{kFar, 0}, Point{-kFar, 2});
    EXPECT_EQ(panel.Selection().selectionRect, (RECT{0, 0, 75, 2}));
    EXPECT_EQ(panel.SelectionBitmap().At(0, 0), kRed);
    panel.MoveSelectionBy(std::numeric_limits<int>::max(), std::numeric_limits<int>::min());
    EXPECT_EQ(panel.Selection().selectionRect.right, std::numeric_limits<int>::max());
    EXPECT_EQ(Width(panel.Selection().selectionRect), 75);
    panel.CommitFloatingSelection();
    EXPECT_EQ(wear.At(0, 0), kRed);

    // A marquee bigger than the picture lifts the whole picture; moved one pixel right and
    // down, opaque, it leaves the first row and column as they were.
    panel.LiftSelection(Point{-1, -1}, Point{200, 300});
    EXPECT_EQ(panel.Selection().selectionRect, (RECT{0, 0, 75, 125}));
    panel.MoveSelectionBy(1, 1);
    panel.CommitFloatingSelection();
    EXPECT_EQ(wear.At(0, 0), kRed);
    EXPECT_EQ(wear.At(1, 1), kRed);
    EXPECT_EQ(wear.At(74, 124), kRed);

    panel.DropFloatingSelection();
    panel.LiftSelection(Point{-10, -10}, Point{-1, 5});
    EXPECT_FALSE(panel.Selection().hasFloatingSelection) << "wholly off the picture";
}

TEST_F(CreatedPanel, OptionSettersTakeOnlyThePalettesValues) {
    panel.SetTool(ToolKind::Line);
    for (const int width : {1, 3, 5, 7}) {
        EXPECT_TRUE(panel.SetLineWidth(width));
        EXPECT_EQ(panel.Options().lineWidth, width);
    }
    for (const int width : {0, 2, -4, 1'000'000}) {
        EXPECT_FALSE(panel.SetLineWidth(width));
    }
    EXPECT_FALSE(panel.SetEraserSize(3));
    EXPECT_FALSE(panel.SetEraserSize(-2));
    EXPECT_TRUE(panel.SetEraserSize(10));
    EXPECT_FALSE(panel.SetSpraySize(0));
    EXPECT_TRUE(panel.SetSpraySize(15));
    EXPECT_FALSE(panel.SetFillStyle(2));
    EXPECT_TRUE(panel.SetFillStyle(-1));
    EXPECT_FALSE(panel.SetTool(static_cast<ToolKind>(10)));
    EXPECT_FALSE(panel.SetTool(static_cast<ToolKind>(-2)));
    EXPECT_FALSE(panel.SetPrimaryColour(0x01000000));
    const ToolOptions& options = panel.Options();
    EXPECT_EQ(options.lineWidth, 7);
    EXPECT_EQ(options.eraserSize, 10);
    EXPECT_EQ(options.spraySize, 15);
    EXPECT_EQ(options.fillStyle, -1);
    EXPECT_EQ(options.currentTool, ToolKind::Line);
    EXPECT_EQ(panel.Colours().primaryColour, kBlack);
}

struct ZoomCase {
    float zoom;
    Point largest;
};

class EditPanelZoom : public CreatedPanel, public ::testing::WithParamInterface<ZoomCase> {};

TEST_P(EditPanelZoom, ClampsTheScrollOffsetToKeepTheCanvasInsideTheWearImage) {
    ASSERT_TRUE(panel.SetZoom(10.0f));
    panel.SetScrollOffset(Point{500, 500});
    ASSERT_TRUE(panel.SetZoom(GetParam().zoom));
    EXPECT_EQ(panel.View().scrollOffset, GetParam().largest);
    panel.SetScrollOffset(Point{-3, -7});
    EXPECT_EQ(panel.View().scrollOffset, (Point{0, 0}));
    // The offset is the Wear view's: clamped to the wear picture in the DP view too.
    panel.OnDpButton();
    panel.SetScrollOffset(Point{500, 500});
    EXPECT_EQ(panel.View().scrollOffset, GetParam().largest);
}

INSTANTIATE_TEST_SUITE_P(Zooms, EditPanelZoom,
                         ::testing::Values(ZoomCase{2.0f, {0, 0}}, ZoomCase{4.0f, {37, 62}},
                                           ZoomCase{6.0f, {50, 83}}, ZoomCase{10.0f, {60, 100}}));

TEST_F(CreatedPanel, SetZoomRefusesAnythingButTheFourZooms) {
    ASSERT_TRUE(panel.SetZoom(10.0f));
    panel.SetScrollOffset(Point{60, 100});
    host.ClearRecords();
    for (const float zoom : {0.0f, -0.0f, std::nanf(""), 1e-9f, -2.0f, 3.0f, 1e30f,
                             std::numeric_limits<float>::infinity()}) {
        EXPECT_FALSE(panel.SetZoom(zoom)) << zoom;
    }
    EXPECT_EQ(panel.View().zoom, 10.0f);
    EXPECT_EQ(panel.View().scrollOffset, (Point{60, 100}));
    EXPECT_TRUE(host.invalidations.empty());
}

TEST_F(CreatedPanel, ChangeItemLoadsTheHeadIntoTheHairImageAndShowsTheHairButton) {
    Pixels(ViewMode::Hair).Fill(kRed);
    panel.ChangeItem(0, static_cast<int>(ItemCategory::Top));
    EXPECT_EQ(panel.Item().gender, Gender::Female);
    EXPECT_EQ(panel.Item().category, ItemCategory::Top);
    EXPECT_TRUE(panel.Item().hairEnabled);
    EXPECT_TRUE(host.shown[kHairButton]);
    EXPECT_NE(panel.Image(ViewMode::Hair).At(0, 0), kRed) << "the head replaces what was drawn";
    EXPECT_EQ(host.invalidations.back(), (FakeHost::Invalidation{FakeHost::kWholePanel, false}));

    panel.OnHairButton();
    panel.ChangeItem(0, static_cast<int>(ItemCategory::Hair));
    EXPECT_EQ(panel.View().viewMode, ViewMode::Hair) << "hair items keep the Hair view";
    panel.ChangeItem(0, static_cast<int>(ItemCategory::Shoes));
    EXPECT_EQ(panel.View().viewMode, ViewMode::Wear);
    EXPECT_FALSE(panel.Item().hairEnabled);
    EXPECT_FALSE(host.shown[kHairButton]);
}

TEST_F(CreatedPanel, ChangeItemWithoutCategoryEmptiesTheDpGuide) {
    panel.ChangeItem(1, static_cast<int>(ItemCategory::Top));
    panel.ChangeItem(-1, -1);
    EXPECT_FALSE(panel.Item().IsChosen());
    EXPECT_FALSE(panel.Pictures().dpGuidePicture.IsValid());
    EXPECT_EQ(panel.View().viewMode, ViewMode::Wear);
}

TEST_F(CreatedPanel, NewDocumentEmptiesThePicturesAndForgetsTheItem) {
    panel.ChangeItem(0, 5);
    Pixels(ViewMode::Wear).Fill(kRed);
    Pixels(ViewMode::Dp).Fill(kRed);
    panel.LiftSelection(Point{0, 0}, Point{75, 125});
    host.ClearRecords();
    panel.ResetForNewDocument();
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(40, 100), kTransparentMagenta);
    EXPECT_EQ(panel.Image(ViewMode::Dp).At(40, 80), kTransparentMagenta);
    EXPECT_EQ(panel.Image(ViewMode::Hair).At(12, 12), kTransparentMagenta);
    EXPECT_EQ(panel.SelectionBitmap().At(24, 24), kTransparentMagenta);
    EXPECT_EQ(panel.SelectionBitmap().At(25, 25), kRed);
    EXPECT_FALSE(panel.Item().IsChosen());
    EXPECT_TRUE(panel.Selection().hasFloatingSelection)
        << "a floating selection survives a new document";
    EXPECT_TRUE(panel.Item().hairEnabled);
    EXPECT_EQ(host.invalidations,
              (std::vector<FakeHost::Invalidation>{{RECT{178, 53, 253, 178}, false},
                                                   {RECT{8, 28, 158, 278}, false}}));
}

} // namespace
} // namespace pattik
