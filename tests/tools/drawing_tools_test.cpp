// Each drawing tool driven through presses, moves and releases, its pixels compared.
#include "res/control_ids.h"
#include "support/raster/pixel_grid.h"
#include "tool_fixture.h"
#include "tools/spray_random.h"

#include <gtest/gtest.h>

namespace pattik {
namespace {

using testing::CountOf;
using testing::Grid;
using testing::Legend;
using testing::ToolTest;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
const Legend kLegend{{'m', kTransparentMagenta}, {'r', kRed}, {'b', kBlue}, {'#', kBlack}};
constexpr RECT kWholeWear{0, 0, 75, 125};

class Drawing : public ToolTest {
  protected:
    Drawing() {
        panel.SetPrimaryColour(kRed);
        panel.SetSecondaryColour(kBlue);
    }
    int CountOfColour(COLORREF colour) { return CountOf(Wear(), kWholeWear, colour); }
};

TEST_F(Drawing, PencilClicksSetTheirPixelAtPressAndReleaseAndDragsAreContinuous) {
    Press(Point{5, 5});
    EXPECT_EQ(Wear().At(5, 5), kRed) << "a left press sets its pixel";
    Release(Point{5, 5});
    EXPECT_EQ(CountOfColour(kRed), 1);

    Press(Point{9, 5}, MouseButton::Right);
    EXPECT_EQ(CountOfColour(kBlue), 0) << "a right press sets nothing";
    Release(Point{9, 5}, MouseButton::Right);
    EXPECT_EQ(Wear().At(9, 5), kBlue);

    Wear().Fill(kTransparentMagenta);
    Press(Point{1, 1});
    MoveTo(Point{4, 1});
    MoveTo(Point{4, 3});
    Release(Point{4, 3});
    EXPECT_PIXELS(Wear(), (Point{0, 0}), (Grid{"mmmmmm", "mrrrrm", "mmmmrm", "mmmmrm", "mmmmmm"}),
                  kLegend);
}

TEST_F(Drawing, ARectangleDraggedBackwardsOutlinesItsBox) {
    panel.SetTool(ToolKind::Rectangle);
    DragFromTo(Point{10, 10}, Point{5, 20});
    EXPECT_EQ(CountOfColour(kRed), 2 * 5 + 2 * 8);
    EXPECT_EQ(Wear().At(5, 10), kRed);
    EXPECT_EQ(Wear().At(9, 19), kRed);
    EXPECT_EQ(Wear().At(7, 15), kTransparentMagenta) << "outline only";
    EXPECT_EQ(Wear().At(10, 10), kTransparentMagenta) << "the right and bottom edges are out";
}

struct FillCase {
    const char* name;
    int fillStyle;
    MouseButton button;
    const char* rows[3]; // a 4 x 3 box from (1, 1), with the border around it
};

class ShapeFill : public Drawing, public ::testing::WithParamInterface<FillCase> {};

// The brush follows the button that draws: the other colour fills for style 0, the
// drawing colour for -1.
TEST_P(ShapeFill, TheFillStyleAndTheButtonGiveOutlineAndInside) {
    const FillCase& c = GetParam();
    panel.SetTool(ToolKind::Rectangle);
    panel.SetFillStyle(c.fillStyle);
    DragFromTo(Point{1, 1}, Point{5, 4}, c.button);
    EXPECT_PIXELS(Wear(), (Point{1, 1}), (Grid{c.rows[0], c.rows[1], c.rows[2]}), kLegend);
}

INSTANTIATE_TEST_SUITE_P(
    StylesAndButtons, ShapeFill,
    ::testing::Values(
        FillCase{"OutlineLeft", 1, MouseButton::Left, {"rrrr", "rmmr", "rrrr"}},
        FillCase{"OtherColourLeft", 0, MouseButton::Left, {"rrrr", "rbbr", "rrrr"}},
        FillCase{"OtherColourRight", 0, MouseButton::Right, {"bbbb", "brrb", "bbbb"}},
        FillCase{"DrawingColourLeft", -1, MouseButton::Left, {"rrrr", "rrrr", "rrrr"}},
        FillCase{"DrawingColourRight", -1, MouseButton::Right, {"bbbb", "bbbb", "bbbb"}}),
    [](const ::testing::TestParamInfo<FillCase>& row) { return std::string(row.param.name); });

// The ellipse takes its outline and inside the same way: the middle of a 9 x 7 ellipse is
// inside, its leftmost middle pixel on the outline.
TEST_F(Drawing, TheEllipseFillsAsTheRectangleDoes) {
    panel.SetTool(ToolKind::Ellipse);
    struct Row {
        int style;
        MouseButton button;
        COLORREF outline;
        COLORREF inside;
    };
    for (const Row row :
         {Row{1, MouseButton::Left, kRed, kTransparentMagenta},
          Row{1, MouseButton::Right, kBlue, kTransparentMagenta},
          Row{0, MouseButton::Left, kRed, kBlue}, Row{0, MouseButton::Right, kBlue, kRed},
          Row{-1, MouseButton::Left, kRed, kRed}, Row{-1, MouseButton::Right, kBlue, kBlue}}) {
        Wear().Fill(kTransparentMagenta);
        panel.SetFillStyle(row.style);
        DragFromTo(Point{10, 10}, Point{19, 17}, row.button);
        EXPECT_EQ(Wear().At(10, 13), row.outline) << row.style;
        EXPECT_EQ(Wear().At(14, 13), row.inside) << row.style;
        EXPECT_EQ(Wear().At(10, 10), kTransparentMagenta) << "the box's corner is outside";
    }
}

// What the canvas showed while dragging is exactly what the release draws.
TEST_F(Drawing, TheRubberBandIsTheShapeTheReleaseDraws) {
    for (const ToolKind tool : {ToolKind::Rectangle, ToolKind::Ellipse, ToolKind::Line}) {
        Wear().Fill(kTransparentMagenta);
        panel.SetTool(tool);
        panel.SetLineWidth(3);
        panel.SetFillStyle(kFilledWithOtherColour);
        Press(Point{3, 4});
        MoveTo(Point{30, 22});
        PaintClient();
        const DeviceBitmap shown = panel.CompositionBitmap();
        Release(Point{30, 22});
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                const bool drawn = Wear().At(x, y) != kTransparentMagenta;
                ASSERT_EQ(drawn ? Wear().At(x, y) : testing::kPlainBackground, shown.At(x, y))
                    << static_cast<int>(tool) << " at " << x << "," << y;
            }
        }
    }
}

TEST_F(Drawing, ADragLeavingThePanelEndsWhereTheButtonComesUp) {
    panel.SetTool(ToolKind::Line);
    Press(Point{70, 10});
    tools.OnMouseMove(PointerEvent{Point{400, 28 + 20}, true, false});
    ReleaseAtClient(Point{400, 28 + 20});
    EXPECT_EQ(Wear().At(74, 10), kRed) << "the line runs on to the picture's edge";
    EXPECT_FALSE(Drag().previewShown);
}

TEST_F(Drawing, TheEraserClearsASquareAtEachReportedPositionWithEitherButton) {
    Wear().Fill(kBlack);
    panel.SetTool(ToolKind::Eraser);
    Press(Point{10, 10});
    EXPECT_PIXELS(Wear(), (Point{8, 8}), (Grid{"####", "#mm#", "#mm#", "####"}), kLegend);
    MoveTo(Point{20, 10});
    Release(Point{20, 10});
    EXPECT_EQ(Wear().At(15, 10), kBlack) << "nothing between two reported positions";
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kTransparentMagenta), 8);

    Wear().Fill(kBlack);
    panel.SetEraserSize(10);
    Click(Point{10, 10}, MouseButton::Right);
    EXPECT_EQ(CountOf(Wear(), RECT{5, 5, 15, 15}, kTransparentMagenta), 100);
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kTransparentMagenta), 100);
}

TEST(SprayRandomNumbers, StartAtOneAndFollowTheGenerator) {
    SprayRandom random;
    std::vector<int> pairs;
    for (int i = 0; i < 5; ++i) {
        const int r = random.Next() % 5;
        pairs.push_back(r);
        pairs.push_back(random.Next() % 360);
    }
    EXPECT_EQ(pairs, (std::vector<int>{1, 107, 4, 220, 4, 244, 3, 198, 2, 344}));
}

// The panel's first burst of five at (10, 10): (r, degrees) = (1, 107), (4, 220),
// (4, 244), (3, 198), (2, 344), each dot at trunc(r sin + x), trunc(r cos + y).
TEST_F(Drawing, TheFirstAirbrushBurstPutsItsDotsExactly) {
    panel.SetTool(ToolKind::Airbrush);
    Press(Point{10, 10});
    EXPECT_EQ(host.timers, (std::map<int, int>{{kAirbrushTimer, kAirbrushIntervalMs}}));
    tools.OnTimer(kAirbrushTimer);
    EXPECT_PIXELS(Wear(), (Point{6, 6}),
                  (Grid{"mrmmmm", "mmmrmm", "rmmmmm", "mmmmrm", "mmmmmm", "mmmrmm"}), kLegend);
    tools.OnTimer(kAirbrushTimer + 1);
    EXPECT_EQ(CountOfColour(kRed), 5) << "other timers spray nothing";
    Release(Point{10, 10});
    EXPECT_TRUE(host.timers.empty());
}

TEST_F(Drawing, FloodFillStopsAtAnOutlineAndLeavesOtherSeedsAlone) {
    Wear().Fill(kTransparentMagenta);
    panel.ImageContext(ViewMode::Wear).FrameRect(RECT{2, 2, 8, 8}, kBlack);
    panel.SetTool(ToolKind::FloodFill);
    Click(Point{4, 4});
    EXPECT_EQ(CountOf(Wear(), RECT{3, 3, 7, 7}, kRed), 16);
    EXPECT_EQ(Wear().At(1, 1), kTransparentMagenta);

    Click(Point{4, 4}); // the seed's own colour: nothing changes
    EXPECT_EQ(CountOfColour(kRed), 16);
    Click(Point{0, 0}, MouseButton::Right); // the transparent outside, in colour 2
    EXPECT_EQ(CountOfColour(kBlue), 75 * 125 - 36);
}

TEST_F(Drawing, ThePickerTakesWhatTheCanvasShowsAndKeepsBothColoursOffThePicture) {
    ItemArtwork artwork;
    artwork.background = testing::SolidBitmap(75, 125, testing::kPlainBackground);
    artwork.mannequin = testing::SolidBitmap(75, 125, kWhite);
    artwork.mannequin.At(20, 30) = RGB(200, 150, 100);
    panel.ReplaceArtwork(artwork);
    PaintClient();
    panel.SetTool(ToolKind::ColourPicker);
    Click(Point{20, 30});
    EXPECT_EQ(panel.Colours().primaryColour, RGB(200, 150, 100)) << "the mannequin, not magenta";
    EXPECT_EQ(panel.Controls().editG, 150);
    EXPECT_EQ(host.editTexts[kRedEdit], "200");
    EXPECT_EQ(panel.UndoInfo().undoViewMode, 0) << "a pick still takes the snapshot";

    PressAtClient(Point{6, 26}, MouseButton::Right); // the frame's border: (-1, -1)
    EXPECT_EQ(panel.Colours().secondaryColour, kBlue);

    // The right and bottom border of the smaller pictures: the composition goes on there,
    // but the canvas does not show it.
    panel.OnHairButton();
    PaintClient();
    PressAtClient(Point{59, 40}, MouseButton::Right); // (25, 6), one past the hair picture
    EXPECT_EQ(panel.Colours().secondaryColour, kBlue);
    panel.OnDpButton();
    PaintClient();
    PressAtClient(Point{40, 195}, MouseButton::Right); // (16, 83), one below the DP picture
    EXPECT_EQ(panel.Colours().secondaryColour, kBlue);
}

} // namespace
} // namespace pattik
