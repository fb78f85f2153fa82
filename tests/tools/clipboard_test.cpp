// Select all, colour replacement and the clipboard, as the Edit menu calls them.
#include "support/raster/pixel_grid.h"
#include "tool_fixture.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace pattik {
namespace {

using testing::CountOf;
using testing::Grid;
using testing::Legend;
using testing::PaintGrid;
using testing::SolidBitmap;
using testing::ToolTest;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
const Legend kLegend{{'.', kTransparentMagenta}, {'r', kRed}, {'g', kGreen}, {'b', kBlue}};
const Grid kPattern{"rg.", "b.."};
constexpr RECT kWholeWear{0, 0, 75, 125};

class EditMenu : public ToolTest {
  protected:
    EditMenu() {
        panel.SetTool(ToolKind::Selection);
        PaintGrid(Wear(), Point{0, 0}, kPattern, kLegend);
    }
    int EmptyWearPixels() { return CountOf(Wear(), kWholeWear, kTransparentMagenta); }
};

TEST_F(EditMenu, SelectAllCutsTheWholePictureSoAMoveLeavesItEmptyBehind) {
    ASSERT_TRUE(panel.SelectAll());
    EXPECT_EQ(panel.Selection().selectionRect, kWholeWear);
    EXPECT_EQ(EmptyWearPixels(), 75 * 125);
    DragFromTo(Point{10, 10}, Point{15, 12});
    tools.OnEscape();
    EXPECT_PIXELS(Wear(), (Point{0, 0}), (Grid{"........", "........", ".....rg.", ".....b.."}),
                  kLegend);
    EXPECT_EQ(EmptyWearPixels(), 75 * 125 - 3);
}

TEST_F(EditMenu, NothingChangesWhereNothingMayBeDrawn) {
    panel.OnHairButton(); // tops have hair, made from the wear picture
    EXPECT_FALSE(panel.FlipHorizontally());
    EXPECT_FALSE(panel.SelectAll());
    EXPECT_EQ(panel.ReplaceColour(kRed, kBlue, true), 0);
    EXPECT_TRUE(panel.CopyForClipboard().IsEmpty());
    EXPECT_FALSE(panel.PasteFloating(SolidBitmap(2, 2, kBlue)));
    panel.OnWearButton();
    EXPECT_FALSE(panel.PasteFloating(DeviceBitmap{}));
    EXPECT_EQ(panel.ReplaceColour(kRed, kRed, true), 0);
    EXPECT_EQ(panel.ReplaceColour(kRed, 0x01000000 | kBlue, true), 0);
    EXPECT_PIXELS(Wear(), (Point{0, 0}), kPattern, kLegend);
}

TEST_F(EditMenu, ReplaceColourCountsThePicturesItChanged) {
    Choose(Gender::Female, ItemCategory::Shoes); // a DP picture of their own
    Pixels(ViewMode::Dp).At(5, 5) = kGreen;
    DragFromTo(Point{0, 0}, Point{2, 1}); // "rg" floats
    EXPECT_EQ(panel.ReplaceColour(kRed, kBlue, false), 1);
    EXPECT_TRUE(panel.Selection().hasFloatingSelection);
    EXPECT_PIXELS(panel.SelectionBitmap(), (Point{}), (Grid{"bg"}), kLegend);

    EXPECT_EQ(panel.ReplaceColour(kGreen, kRed, true), 2);
    EXPECT_PIXELS(panel.SelectionBitmap(), (Point{}), (Grid{"br"}), kLegend);
    EXPECT_EQ(panel.Image(ViewMode::Dp).At(5, 5), kRed);
    panel.OnDpButton();
    ASSERT_TRUE(panel.StepBack());
    EXPECT_EQ(panel.Image(ViewMode::Dp).At(5, 5), kGreen) << "one step of the DP history";

    // A top's DP file shows the wear picture: only the picture in view joins it.
    Choose(Gender::Female, ItemCategory::Top);
    Pixels(ViewMode::Dp).At(6, 6) = kBlue;
    EXPECT_EQ(panel.ReplaceColour(kBlue, kGreen, true), 2) << "the DP picture is in view";
    panel.OnWearButton();
    Pixels(ViewMode::Dp).At(7, 7) = kRed;
    EXPECT_EQ(panel.ReplaceColour(kRed, kBlue, true), 1);
    EXPECT_EQ(panel.Image(ViewMode::Dp).At(7, 7), kRed);
}

TEST_F(EditMenu, CopyAndCutTakeTheFloatingPixelsOrTheWholePicture) {
    EXPECT_TRUE(SamePixels(panel.CopyForClipboard(), Wear()));
    DragFromTo(Point{0, 0}, Point{3, 2});
    const DeviceBitmap piece = panel.CopyForClipboard();
    ASSERT_EQ(piece.GetBitmapDimension(), (Size{3, 2}));
    EXPECT_PIXELS(piece, (Point{}), kPattern, kLegend);

    DeviceBitmap cut;
    ASSERT_TRUE(panel.CutToClipboard(cut));
    EXPECT_TRUE(SamePixels(cut, piece));
    EXPECT_FALSE(panel.Selection().hasFloatingSelection);
    EXPECT_EQ(EmptyWearPixels(), 75 * 125) << "dropped, not placed";

    Wear().At(40, 40) = kRed;
    ASSERT_TRUE(panel.CutToClipboard(cut));
    ASSERT_EQ(cut.GetBitmapDimension(), (Size{75, 125}));
    EXPECT_EQ(CountOf(cut, kWholeWear, kRed), 1);
    EXPECT_EQ(EmptyWearPixels(), 75 * 125);
    EXPECT_FALSE(panel.CutToClipboard(cut)) << "nothing left to cut";
}

TEST_F(EditMenu, APasteFloatsAtTheCanvasTopLeftClippedToThePicture) {
    ASSERT_TRUE(panel.SetZoom(10.0f));
    panel.SetScrollOffset(Point{30, 50});
    DeviceBitmap large = SolidBitmap(80, 130, kGreen);
    PaintGrid(large, Point{0, 0}, kPattern, kLegend);
    DragFromTo(Point{35, 55}, Point{36, 56}); // an empty selection, placed by the paste
    ASSERT_TRUE(panel.PasteFloating(large));
    EXPECT_EQ(panel.Selection().selectionRect, (RECT{30, 50, 105, 175}));
    EXPECT_EQ(CountOf(panel.SelectionBitmap(), kWholeWear, kGreen), 75 * 125 - 5);
    EXPECT_PIXELS(Wear(), (Point{29, 49}), (Grid{"...", "...", "..."}), kLegend);
    tools.OnUndo(); // the paste is taken back, and the selection before it floats again
    EXPECT_EQ(panel.Selection().selectionRect, (RECT{35, 55, 36, 56}));
    tools.OnUndo();
    tools.OnEscape();
    EXPECT_PIXELS(Wear(), (Point{29, 49}), (Grid{".....", ".rg.g", ".b..g"}), kLegend);
    EXPECT_EQ(EmptyWearPixels(), 30 * 125 + 45 * 50) << "nothing placed past the edges";

    panel.OnDpButton(); // the DP view does not scroll
    ASSERT_TRUE(panel.PasteFloating(SolidBitmap(2, 3, kBlue)));
    EXPECT_EQ(panel.Selection().selectionRect, (RECT{0, 0, 2, 3}));
}

TEST_F(EditMenu, TheColourCountTellsAtOnceWhenAPastePushesPastTheBudget) {
    Wear().Fill(kTransparentMagenta);
    for (int i = 0; i < 200; ++i) {
        Wear().At(i % 75, 10 + i / 75) = RGB(static_cast<std::uint8_t>(i), 1, 1);
    }
    DeviceBitmap pasted(100, 1); // clipped to 75 columns
    for (int i = 0; i < 100; ++i) {
        pasted.At(i, 0) = RGB(static_cast<std::uint8_t>(i), 2, 2);
    }
    EXPECT_EQ(panel.ViewColoursOncePlaced().colours, 200);
    ASSERT_TRUE(panel.PasteFloating(pasted));
    EXPECT_EQ(panel.ViewColoursOncePlaced().colours, 275);
    EXPECT_TRUE(panel.ViewColoursOncePlaced().WillMerge());
    EXPECT_EQ(CountColours(Wear()).colours, 200) << "nothing placed yet";
}

} // namespace
} // namespace pattik
