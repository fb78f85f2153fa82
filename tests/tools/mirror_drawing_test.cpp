// Mirror drawing: every drawing tool's stroke and preview appear mirrored about the middle
// column, exactly, in one history step; the canvas shows the axis.
#include "panel/mirror_axis.h"
#include "res/control_ids.h"
#include "support/raster/pixel_grid.h"
#include "tool_fixture.h"
#include "tools/mirror_drawing.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace pattik {
namespace {

using testing::CountOf;
using testing::Grid;
using testing::Legend;
using testing::ToolTest;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
const Legend kLegend{
    {'.', kTransparentMagenta},      {'r', kRed}, {'b', kBlue}, {'#', kBlack}, {'w', kWhite},
    {'-', testing::kPlainBackground}};
constexpr RECT kWholeWear{0, 0, 75, 125};

TEST(MirrorChangedPixels, CopiesEachChangeAcrossTheMiddleColumnOfA25WidePicture) {
    DeviceBitmap before(25, 3);
    before.Fill(kTransparentMagenta);
    DeviceBitmap picture = before;
    // Row 0: a change left of the axis, one on it, one right of it. Row 1: a pixel and its
    // mirror changed to different colours: the left one wins. Row 2: a run across the axis.
    testing::PaintGrid(
        picture, Point{0, 0},
        {"r...........b..........b.", "....r...............b....", "..........rrrrr.........."},
        kLegend);
    MirrorChangedPixels(before, picture, Size{25, 3});
    EXPECT_PIXELS(picture, (Point{0, 0}),
                  (Grid{"rb..........b..........br", "....r...............r....",
                        "..........rrrrr.........."}),
                  kLegend);

    DeviceBitmap other(24, 3);
    MirrorChangedPixels(other, picture, Size{25, 3});
    MirrorChangedPixels(before, picture, Size{26, 3});
    EXPECT_EQ(picture.At(0, 2), kTransparentMagenta) << "sizes it cannot handle change nothing";
}

// Each drawing tool's stroke, drawn once plainly and once mirrored from the same picture:
// the mirrored picture is what the tool drew plus its mirror image, pixel for pixel.
struct MirroredStroke {
    const char* name;
    ToolKind tool;
    COLORREF picture; // what the picture holds before the stroke
    std::vector<Point> path;
};

class MirroredTool : public ToolTest, public ::testing::WithParamInterface<MirroredStroke> {
  protected:
    MirroredTool() {
        panel.SetPrimaryColour(kRed);
        panel.SetSecondaryColour(kBlue);
    }

    DeviceBitmap Stroke(bool mirrored) {
        const MirroredStroke& stroke = GetParam();
        Wear().Fill(stroke.picture);
        panel.ImageContext(ViewMode::Wear).FrameRect(RECT{40, 60, 50, 70}, kBlack);
        panel.SetMirrorDrawing(mirrored);
        panel.SetTool(stroke.tool);
        Press(stroke.path.front());
        for (const Point p : stroke.path) {
            MoveTo(p);
        }
        Release(stroke.path.back());
        return Wear();
    }
};

TEST_P(MirroredTool, DrawsTheExactMirrorImageBesideTheStroke) {
    const COLORREF base = GetParam().picture;
    DeviceBitmap before(75, 125);
    before.Fill(base);
    DrawingContext(&before).FrameRect(RECT{40, 60, 50, 70}, kBlack);
    const DeviceBitmap plain = Stroke(false);
    const DeviceBitmap mirrored = Stroke(true);

    int changed = 0;
    for (int y = 0; y < 125; ++y) {
        for (int x = 0; x < 75; ++x) {
            const int m = MirroredColumn(x, 75);
            const COLORREF expected = plain.At(x, y) != before.At(x, y)   ? plain.At(x, y)
                                      : plain.At(m, y) != before.At(m, y) ? plain.At(m, y)
                                                                          : before.At(x, y);
            ASSERT_EQ(mirrored.At(x, y), expected) << x << "," << y;
            changed += plain.At(x, y) != before.At(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(changed, 0);

    // The whole mirrored stroke is one history step and one undo step.
    ASSERT_TRUE(tools.OnStepBack());
    EXPECT_TRUE(SamePixels(Wear(), before));
    ASSERT_TRUE(tools.OnStepForward());
    EXPECT_TRUE(SamePixels(Wear(), mirrored));
    tools.OnUndo();
    EXPECT_TRUE(SamePixels(Wear(), before));
    tools.OnUndo();
    EXPECT_TRUE(SamePixels(Wear(), mirrored));
}

INSTANTIATE_TEST_SUITE_P(
    EachDrawingTool, MirroredTool,
    ::testing::Values(
        MirroredStroke{"PencilAcrossTheAxis",
                       ToolKind::Pencil,
                       kTransparentMagenta,
                       {{30, 5}, {33, 9}, {41, 12}, {46, 20}}},
        MirroredStroke{
            "LineAcrossTheAxis", ToolKind::Line, kTransparentMagenta, {{20, 30}, {52, 41}}},
        MirroredStroke{"Rectangle", ToolKind::Rectangle, kTransparentMagenta, {{3, 4}, {20, 30}}},
        MirroredStroke{"Ellipse", ToolKind::Ellipse, kTransparentMagenta, {{5, 50}, {30, 70}}},
        MirroredStroke{"FloodFill", ToolKind::FloodFill, kTransparentMagenta, {{45, 65}}},
        MirroredStroke{"Eraser", ToolKind::Eraser, kBlack, {{20, 90}, {36, 91}, {50, 100}}}),
    [](const ::testing::TestParamInfo<MirroredStroke>& row) {
        return std::string(row.param.name);
    });

class Mirroring : public ToolTest {
  protected:
    Mirroring() {
        panel.SetPrimaryColour(kRed);
        panel.SetMirrorDrawing(true);
    }
};

// The first burst at (10, 10) is known dot for dot (drawing_tools_test.cpp); its mirror
// lies around (64, 10).
TEST_F(Mirroring, TheAirbrushBurstIsMirroredDotForDot) {
    panel.SetTool(ToolKind::Airbrush);
    Press(Point{10, 10});
    tools.OnTimer(kAirbrushTimer);
    Release(Point{10, 10});
    EXPECT_PIXELS(Wear(), (Point{6, 6}),
                  (Grid{".r....", "...r..", "r.....", "....r.", "......", "...r.."}), kLegend);
    EXPECT_PIXELS(Wear(), (Point{63, 6}),
                  (Grid{"....r.", "..r...", ".....r", ".r....", "......", "..r..."}), kLegend);
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kRed), 10);
}

TEST_F(Mirroring, TheSelectionAndTheDpPictureFollowTheirOwnRules) {
    Wear().Fill(kRed);
    panel.SetTool(ToolKind::Selection);
    DragFromTo(Point{2, 2}, Point{6, 4});
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kTransparentMagenta), 8) << "only the marquee is cut";

    // The DP picture is 75 wide as well; the warning some items show only informs.
    panel.OnDpButton();
    panel.SetTool(ToolKind::Pencil);
    Click(Point{0, 82});
    const DeviceBitmap& dp = panel.Image(ViewMode::Dp);
    EXPECT_EQ(dp.At(0, 82), kRed);
    EXPECT_EQ(dp.At(74, 82), kRed);
    EXPECT_EQ(CountOf(dp, RECT{0, 0, 75, 83}, kRed), 2);
}

// Previews show their mirror image over what is really under it, in the preview and the
// canvas alike: a rubber band is then exactly what the release will draw.
TEST_F(Mirroring, PreviewsShowTheirMirrorImage) {
    PaintClient();
    panel.SetTool(ToolKind::Pencil);
    Hover(Point{10, 20});
    PaintClient();
    EXPECT_EQ(PreviewAt(10, 20), kRed);
    EXPECT_EQ(PreviewAt(64, 20), kRed);
    EXPECT_EQ(CountOf(client, PreviewArea(), kRed), 2);

    // The inverted eraser square inverts what lies on each side.
    Wear().Fill(kBlack);
    Wear().At(65, 21) = kWhite;
    panel.SetTool(ToolKind::Eraser);
    panel.SetEraserSize(4);
    Hover(Point{10, 20});
    PaintClient();
    const Point preview = PanelGeometry::kPreviewOrigin;
    EXPECT_PIXELS(client, (Point{preview.x + 8, preview.y + 18}),
                  (Grid{"wwww", "wwww", "wwww", "wwww"}), kLegend);
    EXPECT_PIXELS(client, (Point{preview.x + 63, preview.y + 18}),
                  (Grid{"wwww", "wwww", "wwww", "ww#w"}), kLegend);

    for (const ToolKind tool : {ToolKind::Rectangle, ToolKind::Ellipse, ToolKind::Line}) {
        Wear().Fill(kTransparentMagenta);
        panel.SetTool(tool);
        Press(Point{20, 4});
        MoveTo(Point{45, 22});
        PaintClient();
        const DeviceBitmap shown = panel.CompositionBitmap();
        Release(Point{45, 22});
        EXPECT_TRUE(ShowedWhatWasDrawn(shown, 40)) << static_cast<int>(tool);
    }
}

TEST_F(Mirroring, TheCanvasShowsTheAxisThroughTheMiddleColumnAtEveryZoom) {
    const RECT canvas = panel.Mapping().Canvas();
    const auto axisColumn = [&] {
        const RECT cell =
            panel.Mapping().ImageToCanvas(Point{37, panel.Mapping().SourceArea().top});
        return static_cast<int>(cell.left + Width(cell) / 2);
    };
    const auto expectAxisAt = [&](int x) {
        for (int y = canvas.top; y < canvas.bottom; ++y) {
            const bool dark = ((y - canvas.top) / kMirrorAxisDash) % 2 == 0;
            ASSERT_EQ(client.At(x, y), dark ? kBlack : kWhite) << y;
        }
        EXPECT_EQ(client.At(x - 1, canvas.top), testing::kPlainBackground);
        EXPECT_EQ(client.At(x + 1, canvas.top), testing::kPlainBackground);
        EXPECT_EQ(CountOf(client, PreviewArea(), testing::kPlainBackground), 75 * 125)
            << "the preview shows the picture as it is saved";
    };
    PaintClient();
    EXPECT_EQ(axisColumn(), canvas.left + 75) << "zoom 2: the right half of column 37's cells";
    expectAxisAt(axisColumn());

    panel.SetZoom(10.0f);
    panel.SetScrollOffset(Point{30, 40});
    PaintClient();
    EXPECT_EQ(axisColumn(), canvas.left + 75);
    expectAxisAt(axisColumn());
    panel.SetScrollOffset(Point{33, 40});
    PaintClient();
    EXPECT_EQ(axisColumn(), canvas.left + 45) << "it moves with the picture";
    expectAxisAt(axisColumn());

    panel.SetScrollOffset(Point{0, 0}); // columns 0 to 14 in view
    PaintClient();
    EXPECT_EQ(CountOf(client, canvas, testing::kPlainBackground), Width(canvas) * Height(canvas));

    panel.SetZoom(2.0f);
    panel.SetMirrorDrawing(false);
    PaintClient();
    EXPECT_EQ(CountOf(client, canvas, testing::kPlainBackground), Width(canvas) * Height(canvas));
}

} // namespace
} // namespace pattik
