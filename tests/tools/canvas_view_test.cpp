// The canvas aids: zooming about the pointer, the pixel grid and the pixel readout.
#include "panel/canvas_readout.h"
#include "panel/pixel_grid.h"
#include "tool_fixture.h"

#include <gtest/gtest.h>

namespace pattik {
namespace {

using testing::ToolTest;

constexpr float kZooms[] = {2.0f, 4.0f, 6.0f, 10.0f};

TEST_F(ToolTest, TheWheelStepsThroughTheZoomsKeepingThePixelUnderThePointer) {
    // Points in the middle of the canvas, where no scroll limit gets in the way.
    for (const Point pointer : {Point{80, 150}, Point{100, 170}, Point{60, 120}}) {
        ASSERT_TRUE(panel.SetZoom(2.0f));
        const Point anchor = panel.Mapping().ClientToImage(pointer);
        for (int step = 1; step < 4; ++step) {
            ASSERT_TRUE(tools.ZoomAround(pointer, 1));
            EXPECT_EQ(panel.View().zoom, kZooms[step]);
            EXPECT_EQ(panel.Mapping().ClientToImage(pointer), anchor)
                << "zoom " << kZooms[step] << " at " << pointer.x << ", " << pointer.y;
        }
        EXPECT_FALSE(tools.ZoomAround(pointer, 1)) << "10 is the largest";
        ASSERT_TRUE(tools.ZoomAround(pointer, -3));
        EXPECT_EQ(panel.View().zoom, 2.0f);
    }
}

TEST_F(ToolTest, ZoomingNearAnEdgeStopsAtTheScrollLimitAndOtherViewsDoNotZoom) {
    // The bottom-right corner of the canvas: the view can only show the picture's corner.
    const RECT canvas = panel.Mapping().Canvas();
    const Point corner{canvas.right - 1, canvas.bottom - 1};
    ASSERT_TRUE(tools.ZoomAround(corner, 3));
    EXPECT_EQ(panel.Mapping().ClientToImage(corner), (Point{74, 124}));

    // Off the canvas the middle of the view stays.
    ASSERT_TRUE(panel.SetZoom(2.0f));
    ASSERT_TRUE(tools.ZoomAround(Point{300, 10}, 2));
    const Point middle{(canvas.left + canvas.right) / 2, (canvas.top + canvas.bottom) / 2};
    EXPECT_EQ(panel.Mapping().ClientToImage(middle), (Point{37, 62}));

    panel.SelectViewMode(ViewMode::Dp);
    EXPECT_FALSE(tools.ZoomAround(middle, 1));
    EXPECT_EQ(panel.View().zoom, 6.0f);
}

// The pointer rests on the canvas nearly all the time, and its hover shows the tool's
// preview; that is no stroke. Only a held button makes the wheel and the history wait.
TEST_F(ToolTest, AHoverIsNoStrokeButAHeldButtonMakesZoomAndHistoryWait) {
    DragFromTo(Point{10, 10}, Point{20, 10});
    Hover(Point{30, 40});
    ASSERT_TRUE(Drag().previewShown);
    EXPECT_FALSE(tools.InStroke());
    EXPECT_TRUE(tools.OnStepBack()) << "the stroke is taken back";
    EXPECT_EQ(Wear().At(15, 10), kTransparentMagenta);
    EXPECT_TRUE(tools.OnStepForward());
    EXPECT_TRUE(tools.ZoomAround(At(Point{30, 40}), 1));

    Press(Point{30, 40});
    MoveTo(Point{31, 40});
    ASSERT_TRUE(tools.InStroke());
    EXPECT_FALSE(tools.ZoomAround(At(Point{31, 40}), 1));
    EXPECT_FALSE(tools.OnStepBack());
    EXPECT_EQ(panel.View().zoom, 4.0f);
    Release(Point{31, 40});
    EXPECT_FALSE(tools.InStroke());
    EXPECT_TRUE(tools.OnStepBack()) << "after the release the step goes through";
}

TEST_F(ToolTest, TheGridMarksEveryPixelBorderInViewAndOnlyWhereAsked) {
    Pixels(ViewMode::Wear).Fill(RGB(200, 40, 40));
    ASSERT_TRUE(panel.SetZoom(10.0f));
    PaintClient();
    const DeviceBitmap plain = client;

    EXPECT_FALSE(panel.SetPixelGrid(2.0f, true)) << "no grid at zoom 2";
    ASSERT_TRUE(panel.SetPixelGrid(10.0f, true));
    PaintClient();
    const RECT canvas = panel.Mapping().Canvas();
    const COLORREF line = GridColourOver(RGB(200, 40, 40));
    ASSERT_NE(line, RGB(200, 40, 40));
    // At zoom 10 each picture pixel is a 10 x 10 block: its first column and row are grid.
    for (int y = canvas.top; y < canvas.bottom; ++y) {
        for (int x = canvas.left; x < canvas.right; ++x) {
            const bool border = (x > canvas.left && (x - canvas.left) % 10 == 0) ||
                                (y > canvas.top && (y - canvas.top) % 10 == 0);
            ASSERT_EQ(client.At(x, y), border ? line : RGB(200, 40, 40)) << x << ", " << y;
        }
    }
    // Nothing outside the canvas changed.
    EXPECT_EQ(client.At(canvas.right, canvas.top + 5), plain.At(canvas.right, canvas.top + 5));
    EXPECT_EQ(client.At(PanelGeometry::kPreviewOrigin.x + 5, PanelGeometry::kPreviewOrigin.y + 5),
              plain.At(PanelGeometry::kPreviewOrigin.x + 5, PanelGeometry::kPreviewOrigin.y + 5));

    // The grid belongs to a zoom: at 4 it is still off.
    ASSERT_TRUE(panel.SetZoom(4.0f));
    PaintClient();
    const DeviceBitmap atFour = client;
    ASSERT_TRUE(panel.SetZoom(10.0f));
    panel.SelectViewMode(ViewMode::Dp); // the other views are not zoomed
    PaintClient();
    const RECT dpCanvas = panel.Mapping().Canvas();
    EXPECT_EQ(client.At(dpCanvas.left + 2, dpCanvas.top + 5),
              client.At(dpCanvas.left + 3, dpCanvas.top + 5));
    EXPECT_EQ(atFour.At(canvas.left + 4, canvas.top + 1), RGB(200, 40, 40));
}

TEST(GridColour, ShowsOnBlackWhiteAndEveryChannel) {
    for (const COLORREF colour : {kBlack, kWhite, RGB(255, 0, 0), RGB(0, 0, 255),
                                  RGB(128, 128, 128), kTransparentMagenta}) {
        EXPECT_NE(GridColourOver(colour), colour) << std::hex << colour;
    }
}

TEST_F(ToolTest, TheReadoutNamesThePixelUnderThePointerAndItsColour) {
    Pixels(ViewMode::Wear).At(12, 30) = RGB(255, 128, 0);
    const auto readout = ReadPixelUnder(panel, At(Point{12, 30}));
    ASSERT_TRUE(readout.has_value());
    EXPECT_EQ(PixelReadoutText(*readout), "12, 30  R 255 G 128 B 0");
    EXPECT_EQ(PixelReadoutText(*ReadPixelUnder(panel, At(Point{13, 30}))), "13, 30  투명");

    // A female top's DP shows the wear picture one column left and 29 rows up.
    panel.SelectViewMode(ViewMode::Dp);
    EXPECT_EQ(PixelReadoutText(*ReadPixelUnder(panel, At(Point{11, 1}))), "11, 1  R 255 G 128 B 0");
    panel.SelectViewMode(ViewMode::Wear);

    ASSERT_TRUE(tools.ZoomAround(At(Point{12, 30}), 3));
    EXPECT_EQ(ReadPixelUnder(panel, At(Point{12, 30}))->pixel, (Point{12, 30}));
    EXPECT_FALSE(ReadPixelUnder(panel, Point{2, 2})) << "off the canvas";
    panel.ResetForNewDocument();
    EXPECT_FALSE(ReadPixelUnder(panel, At(Point{12, 30}))) << "no item, nothing shown";
}

} // namespace
} // namespace pattik
