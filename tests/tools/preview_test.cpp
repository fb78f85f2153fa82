// Each tool's preview, composed by the panel through the tool table.
#include "support/panel/panel_fixtures.h"
#include "tools/previews.h"
#include "tools/shapes.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace pattik {
namespace {

using testing::CountOf;
using testing::Grid;
using testing::Legend;

constexpr COLORREF kGrey = testing::kPlainBackground;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kCyan = RGB(0, 255, 255);
constexpr Point kPreview = PanelGeometry::kPreviewOrigin;
constexpr Point kCanvas = PanelGeometry::kCanvasOrigin;
const Legend kLegend{{'#', kBlack},
                     {'w', kWhite},
                     {'r', kRed},
                     {'b', kBlue},
                     {'c', kCyan},
                     {'-', kGrey},
                     {'m', kTransparentMagenta}};

class ToolPreview : public testing::PaintPanel {
  protected:
    ToolPreview() {
        panel.SetOverlay(&previews);
        Choose(Gender::Female, ItemCategory::Top);
    }
    // Where the pointer is, with or without a button: the drag's two points.
    void DragFromTo(Point from, Point to, bool dragging = true) {
        gesture = Gesture{from, to, dragging, {}};
    }

    Gesture gesture;
    ToolPreviews previews{gesture};
};

TEST_F(ToolPreview, EraserSquareIsInvertedUnderAHoverAndGoesWithThePointer) {
    Pixels(ViewMode::Wear).Fill(kBlack);
    panel.SetTool(ToolKind::Eraser);
    panel.SetEraserSize(4);
    DragFromTo(Point{10, 10}, Point{10, 10}); // a hover at (10, 10)
    PaintClient();

    EXPECT_PIXELS(client, (Point{kPreview.x + 7, kPreview.y + 7}),
                  (Grid{"######", "#wwww#", "#wwww#", "#wwww#", "#wwww#", "######"}), kLegend);
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(10, 10), kBlack);

    gesture.previewShown = false; // the pointer left
    PaintClient();
    EXPECT_EQ(CountOf(client, PreviewArea(), kWhite), 0);
}

// Points near the int limits keep the square's corners inside what an int holds.
TEST(EraserSquare, HoldsFarPointsWithinTheIntRange) {
    EXPECT_EQ(EraserSquare(Point{10, 10}, 4), (RECT{8, 8, 12, 12}));
    EXPECT_EQ(EraserSquare(Point{10, 10}, 2), (RECT{9, 9, 11, 11}));
    EXPECT_EQ(EraserSquare(Point{INT_MAX, INT_MIN}, 10),
              (RECT{INT_MAX - 5, INT_MIN, INT_MAX, INT_MIN + 5}));
}

TEST_F(ToolPreview, EraserAtTheIntLimitsPaintsNothing) {
    panel.SetTool(ToolKind::Eraser);
    panel.SetEraserSize(10);
    DragFromTo(Point{INT_MAX, INT_MIN}, Point{INT_MAX, INT_MIN}, false);
    PaintClient();
    EXPECT_EQ(CountOf(client, PreviewArea(), kGrey), 75 * 125);
}

TEST_F(ToolPreview, FloatingSelectionIsDrawnClippedWithItsMarqueeOnTheSelectionRectangle) {
    DeviceBitmap& wear = Pixels(ViewMode::Wear);
    wear.Fill(kRed);
    panel.SetTool(ToolKind::Selection);
    panel.LiftSelection(Point{4, 4}, Point{10, 8});
    wear.Fill(kBlack);
    DragFromTo(Point{20, 20}, Point{30, 30}, false);
    PaintClient();

    // Dots leave the red as it is; the white gaps turn it into its inverse.
    EXPECT_PIXELS(client, (Point{kPreview.x + 3, kPreview.y + 3}),
                  (Grid{"########", "#rrccrr#", "#crrrrc#", "#crrrrc#", "#rrccrr#", "########"}),
                  kLegend);
    EXPECT_EQ(PreviewAt(20, 20), kBlack);
}

TEST_F(ToolPreview, RectangleRubberBandIsFilledByTheFillStyle) {
    panel.SetTool(ToolKind::Rectangle);
    panel.SetLineWidth(1);
    panel.SetPrimaryColour(kRed);
    panel.SetSecondaryColour(kBlue);
    DragFromTo(Point{2, 2}, Point{7, 6});
    const Point at{kPreview.x + 2, kPreview.y + 2};

    panel.SetFillStyle(kFilledWithOtherColour);
    PaintClient();
    EXPECT_PIXELS(client, at, (Grid{"rrrrr", "rbbbr", "rbbbr", "rrrrr", "-----"}), kLegend);
    panel.SetFillStyle(kFilledWithDrawingColour);
    PaintClient();
    EXPECT_PIXELS(client, at, (Grid{"rrrrr", "rrrrr", "rrrrr", "rrrrr"}), kLegend);
    panel.SetFillStyle(kOutlineOnly);
    PaintClient();
    EXPECT_PIXELS(client, at, (Grid{"rrrrr", "r---r", "r---r", "rrrrr"}), kLegend);

    // The right button swaps the two colours' parts.
    panel.SetUseSecondary(true);
    panel.SetFillStyle(kFilledWithOtherColour);
    PaintClient();
    EXPECT_PIXELS(client, at, (Grid{"bbbbb", "brrrb"}), kLegend);
}

struct RubberBand {
    const char* name;
    ToolKind tool;
    int lineWidth;
    Point onShape;     // a picture pixel the shape covers
    int previewPixels; // how many pixels it colours, for the thin pencil and a hover
};

class ToolRubberBand : public ToolPreview, public ::testing::WithParamInterface<RubberBand> {};

TEST_P(ToolRubberBand, AppearsInPreviewAndCanvasButNeverInTheWearPicture) {
    const RubberBand& band = GetParam();
    panel.SetTool(band.tool);
    panel.SetLineWidth(band.lineWidth);
    panel.SetFillStyle(kOutlineOnly);
    panel.SetPrimaryColour(kRed);
    DragFromTo(Point{5, 5}, Point{20, 15});
    PaintClient();

    EXPECT_EQ(PreviewAt(band.onShape.x, band.onShape.y), kRed);
    EXPECT_EQ(client.At(kCanvas.x + 2 * band.onShape.x + 1, kCanvas.y + 2 * band.onShape.y + 1),
              kRed);
    EXPECT_EQ(CountOf(panel.Image(ViewMode::Wear), RECT{0, 0, 75, 125}, kTransparentMagenta),
              75 * 125);
    if (band.previewPixels > 0) {
        EXPECT_EQ(CountOf(client, PreviewArea(), kRed), band.previewPixels);
    }
    // Without a drag or a hover over the canvas, the shape tools show nothing.
    gesture.previewShown = false;
    PaintClient();
    EXPECT_EQ(CountOf(client, PreviewArea(), kRed), 0);
}

INSTANTIATE_TEST_SUITE_P(
    EachShapeTool, ToolRubberBand,
    ::testing::Values(RubberBand{"Rectangle", ToolKind::Rectangle, 1, {5, 5}, 0},
                      RubberBand{"Ellipse", ToolKind::Ellipse, 1, {12, 5}, 0},
                      RubberBand{"Line", ToolKind::Line, 3, {12, 10}, 0},
                      RubberBand{"ThinPencil", ToolKind::Pencil, 1, {5, 5}, 1},
                      RubberBand{"WidePencil", ToolKind::Pencil, 3, {12, 10}, 0}),
    [](const ::testing::TestParamInfo<RubberBand>& row) { return std::string(row.param.name); });

// Hovering puts both points on the pointer's pixel: a one-pixel line then shows the very
// pixel a click would set, as the pencil does, because both draw through the same routine.
TEST_F(ToolPreview, AOnePixelLineHoveringShowsThePixelAClickWouldSet) {
    panel.SetTool(ToolKind::Line);
    panel.SetLineWidth(1);
    panel.SetPrimaryColour(kRed);
    DragFromTo(Point{9, 9}, Point{9, 9});
    PaintClient();
    EXPECT_EQ(CountOf(client, PreviewArea(), kRed), 1);
    EXPECT_EQ(PreviewAt(9, 9), kRed);
}

TEST_F(ToolPreview, ToolsWithoutAPreviewShowNothingEvenWhileDragging) {
    panel.SetPrimaryColour(kRed);
    DragFromTo(Point{5, 5}, Point{20, 15});
    for (const ToolKind tool : {ToolKind::FloodFill, ToolKind::ColourPicker, ToolKind::Airbrush,
                                ToolKind::Magnifier, ToolKind::None}) {
        panel.SetTool(tool);
        PaintClient();
        EXPECT_EQ(CountOf(client, PreviewArea(), kGrey), 75 * 125) << static_cast<int>(tool);
    }
}

} // namespace
} // namespace pattik
