// Flips and turns from the Edit menu, of the floating selection and of the whole picture,
// and how every Edit menu change is undone and stepped through.
#include "support/raster/pixel_grid.h"
#include "tool_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

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
// No flip or turn of it looks like another.
const Grid kPattern{"rg.", "b.."};

// Both picture sizes: the shoes' DP picture is their own, drawn as the wear picture is.
class PictureTurns : public ToolTest, public ::testing::WithParamInterface<ViewMode> {
  protected:
    PictureTurns() {
        Choose(Gender::Female, ItemCategory::Shoes);
        panel.SelectViewMode(GetParam());
        panel.SetTool(ToolKind::Selection);
    }
    DeviceBitmap& Picture() { return Pixels(GetParam()); }
    int EmptyPixels() { return CountOf(Picture(), Picture().Bounds(), kTransparentMagenta); }
};

TEST_P(PictureTurns, TheWholePictureFlipsAndTurnsAndTwiceGivesItBack) {
    PaintGrid(Picture(), Point{0, 0}, kPattern, kLegend);
    const DeviceBitmap original = Picture();
    const int right = Picture().Width() - 3;
    const int bottom = Picture().Height() - 2;
    const int empty = EmptyPixels();

    ASSERT_TRUE(panel.FlipHorizontally());
    EXPECT_PIXELS(Picture(), (Point{right, 0}), (Grid{".gr", "..b"}), kLegend);
    EXPECT_EQ(EmptyPixels(), empty);
    ASSERT_TRUE(panel.FlipHorizontally());
    EXPECT_TRUE(SamePixels(Picture(), original));

    ASSERT_TRUE(panel.FlipVertically());
    EXPECT_PIXELS(Picture(), (Point{0, bottom}), (Grid{"b..", "rg."}), kLegend);
    ASSERT_TRUE(panel.FlipVertically());
    EXPECT_TRUE(SamePixels(Picture(), original));

    ASSERT_TRUE(panel.RotateHalfTurn());
    EXPECT_PIXELS(Picture(), (Point{right, bottom}), (Grid{"..b", ".gr"}), kLegend);
    EXPECT_EQ(EmptyPixels(), empty);
    ASSERT_TRUE(panel.RotateHalfTurn());
    EXPECT_TRUE(SamePixels(Picture(), original));

    EXPECT_FALSE(panel.RotateQuarterTurn()) << "taller than wide, it would not fit itself";
    EXPECT_TRUE(SamePixels(Picture(), original));
}

TEST_P(PictureTurns, TheFloatingSelectionTurnsWithinItsRectangle) {
    PaintGrid(Picture(), Point{10, 20}, kPattern, kLegend);
    DragFromTo(Point{10, 20}, Point{13, 22}); // lifted and cut
    const RECT lifted{10, 20, 13, 22};
    ASSERT_EQ(panel.Selection().selectionRect, lifted);

    ASSERT_TRUE(panel.FlipHorizontally());
    EXPECT_PIXELS(panel.SelectionBitmap(), (Point{}), (Grid{".gr", "..b"}), kLegend);
    ASSERT_TRUE(panel.FlipVertically());
    EXPECT_PIXELS(panel.SelectionBitmap(), (Point{}), (Grid{"..b", ".gr"}), kLegend);
    ASSERT_TRUE(panel.RotateHalfTurn());
    EXPECT_PIXELS(panel.SelectionBitmap(), (Point{}), kPattern, kLegend) << "back as lifted";
    EXPECT_EQ(panel.Selection().selectionRect, lifted);
    EXPECT_EQ(EmptyPixels(), Picture().Width() * Picture().Height()) << "still cut beneath";

    ASSERT_TRUE(panel.RotateHalfTurn());
    tools.OnEscape();
    EXPECT_PIXELS(Picture(), (Point{10, 20}), (Grid{"..b", ".gr"}), kLegend);
}

INSTANTIATE_TEST_SUITE_P(BothSizes, PictureTurns, ::testing::Values(ViewMode::Wear, ViewMode::Dp),
                         [](const ::testing::TestParamInfo<ViewMode>& row) {
                             return std::string(row.param == ViewMode::Wear ? "Wear_75x125"
                                                                            : "Dp_75x83");
                         });

class Turning : public ToolTest {
  protected:
    Turning() { panel.SetTool(ToolKind::Selection); }

    // What the canvas shows of the wear picture: the floating pixels over it.
    DeviceBitmap Seen() {
        DeviceBitmap seen = Wear();
        const RECT& rect = panel.Selection().selectionRect;
        for (int y = rect.top; y < rect.bottom && panel.Selection().hasFloatingSelection; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                const COLORREF floating = panel.SelectionBitmap().At(x - rect.left, y - rect.top);
                if (seen.Contains(x, y) && floating != kTransparentMagenta) {
                    seen.At(x, y) = floating;
                }
            }
        }
        return seen;
    }
};

TEST_F(Turning, AQuarterTurnKeepsTheCentreMovesOntoThePictureOrIsRefused) {
    Wear().At(20, 0) = kRed;
    Wear().At(29, 0) = kGreen;
    Wear().At(20, 3) = kBlue;
    DragFromTo(Point{20, 0}, Point{30, 4}); // 10 x 4 along the top edge
    ASSERT_TRUE(panel.RotateQuarterTurn());
    // About the centre (25, 2) the 4 x 10 rectangle would start at row -3: moved down.
    EXPECT_EQ(panel.Selection().selectionRect, (RECT{23, 0, 27, 10}));
    EXPECT_PIXELS(
        panel.SelectionBitmap(), (Point{}),
        (Grid{"b..r", "....", "....", "....", "....", "....", "....", "....", "....", "...g"}),
        kLegend);
    tools.OnEscape();

    // 2 x 9 at the right edge: the centre row 14.5 rounds up to the top-left, and the
    // rectangle moves left onto the picture.
    panel.LiftSelection(Point{73, 10}, Point{75, 19});
    ASSERT_TRUE(panel.RotateQuarterTurn());
    EXPECT_EQ(panel.Selection().selectionRect, (RECT{66, 13, 75, 15}));
    tools.OnEscape();

    DragFromTo(Point{0, 0}, Point{5, 76});
    const int states = panel.History().StateCount(ViewMode::Wear);
    EXPECT_FALSE(panel.RotateQuarterTurn()) << "76 columns wide, turned";
    EXPECT_EQ(panel.Selection().selectionRect, (RECT{0, 0, 5, 76}));
    EXPECT_EQ(panel.History().StateCount(ViewMode::Wear), states);
}

TEST_F(Turning, EachChangeIsOneStepOfTheHistoryAndCtrlZTogglesIt) {
    const DeviceBitmap pasted = SolidBitmap(4, 4, kGreen);
    using Run = std::function<bool(CEditPanel&)>;
    const Run cut = [](CEditPanel& p) {
        DeviceBitmap out;
        return p.CutToClipboard(out);
    };
    const std::vector<std::pair<std::string, Run>> changes{
        {"flip", [](CEditPanel& p) { return p.FlipHorizontally(); }},
        {"vertical flip", [](CEditPanel& p) { return p.FlipVertically(); }},
        {"half turn", [](CEditPanel& p) { return p.RotateHalfTurn(); }},
        {"quarter turn", [](CEditPanel& p) { return p.RotateQuarterTurn(); }},
        {"colour", [](CEditPanel& p) { return p.ReplaceColour(kRed, kGreen, false) == 1; }},
        {"cut", cut},
        {"paste", [&pasted](CEditPanel& p) { return p.PasteFloating(pasted); }},
    };
    for (const bool withSelection : {false, true}) {
        for (const auto& [name, change] : changes) {
            SCOPED_TRACE(name + (withSelection ? " of a selection" : " of the picture"));
            DeviceBitmap start = SolidBitmap(75, 125, kTransparentMagenta);
            PaintGrid(start, Point{10, 10}, kPattern, kLegend);
            ASSERT_TRUE(panel.PlaceDrawnPictures(start, nullptr)); // a history of its own
            if (withSelection) {
                DragFromTo(Point{10, 10}, Point{13, 12});
            }
            const DeviceBitmap before = Seen();
            const bool floating = panel.Selection().hasFloatingSelection;
            if (name == "quarter turn" && !withSelection) {
                EXPECT_FALSE(change(panel));
                continue;
            }
            ASSERT_TRUE(change(panel));
            const DeviceBitmap after = Seen();
            EXPECT_FALSE(SamePixels(before, after));

            ASSERT_TRUE(panel.StepBack()); // the floating pixels are placed first
            EXPECT_TRUE(SamePixels(Wear(), before));
            EXPECT_FALSE(panel.CanStepBack()) << "exactly one step";
            ASSERT_TRUE(panel.StepForward());
            EXPECT_TRUE(SamePixels(Wear(), after));

            tools.OnUndo();
            EXPECT_TRUE(SamePixels(Seen(), before));
            EXPECT_EQ(panel.Selection().hasFloatingSelection, floating);
            tools.OnUndo();
            EXPECT_TRUE(SamePixels(Seen(), after));
            tools.OnEscape();
        }
    }
}

} // namespace
} // namespace pattik
