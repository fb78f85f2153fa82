#include "panel/edit_panel.h"
#include "panel/panel_geometry.h"
#include "support/panel/fake_host.h"
#include "support/raster/pixel_grid.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace pattik {
namespace {

using testing::FakeHost;
using testing::Legend;

constexpr COLORREF kBar = RGB(237, 237, 216);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kCyan = RGB(0, 255, 255);
constexpr Point kPreview = PanelGeometry::kPreviewOrigin;
constexpr Point kCanvas = PanelGeometry::kCanvasOrigin;
const Legend kLegend{{'.', kBar},   {'#', kBlack}, {'w', kWhite},
                     {'g', kGreen}, {'r', kRed},   {'b', kBlue},
                     {'c', kCyan},  {'-', kGrey},  {'m', kTransparentMagenta}};

DeviceBitmap Solid(int width, int height, COLORREF colour) {
    DeviceBitmap bitmap(width, height);
    bitmap.Fill(colour);
    return bitmap;
}

int CountOf(const DeviceBitmap& bitmap, const RECT& area, COLORREF colour) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += bitmap.At(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// A created panel painting into a 400 x 400 client filled with the bar colour. The item's
// artwork is replaced by a plain grey background and no guides, so every pixel read here
// comes from the pictures the test draws.
class PaintPanel : public ::testing::Test {
  protected:
    PaintPanel() {
        EXPECT_EQ(panel.OnCreate(), 0);
        panel.SetUpAfterBarsExist();
        client.Fill(kBar);
    }

    void Choose(Gender gender, ItemCategory category) {
        panel.ChangeItem(static_cast<int>(gender), static_cast<int>(category));
        const DeviceBitmap grey = Solid(kWearImageSize.cx, kWearImageSize.cy, kGrey);
        panel.backgroundPicture.LoadFromDeviceBitmap(&grey);
        panel.mannequinPicture.Destroy();
        panel.dpGuidePicture.Destroy();
        panel.hairGuidePicture.Destroy();
    }

    void PaintClient() {
        client.Fill(kBar);
        DrawingContext dc(&client);
        panel.Paint(dc);
    }

    COLORREF PreviewAt(int x, int y) const { return client.At(kPreview.x + x, kPreview.y + y); }
    RECT PreviewArea() const { return PanelGeometry::Preview(panel.CurrentImageSize()); }

    FakeHost host;
    CEditPanel panel{host};
    DeviceBitmap client{400, 400};
};

TEST_F(PaintPanel, PaintsNothingUntilGenderAndCategoryAreChosen) {
    PaintClient();
    EXPECT_EQ(CountOf(client, client.Bounds(), kBar), 400 * 400);

    panel.ChangeItem(static_cast<int>(Gender::Female), -1);
    PaintClient();
    EXPECT_EQ(CountOf(client, client.Bounds(), kBar), 400 * 400);
}

TEST_F(PaintPanel, DrawsStripCanvasFrameAndWellsWithColourOneOnTop) {
    Choose(Gender::Female, ItemCategory::Top);
    panel.primaryColour = kRed;
    panel.secondaryColour = kBlue;
    PaintClient();

    const RECT& strip = PanelGeometry::kColourStrip;
    EXPECT_EQ(client.At(strip.left, strip.top), panel.stripBitmap.At(0, 0));
    EXPECT_EQ(client.At(strip.right - 1, strip.bottom - 1), panel.stripBitmap.At(200, 16));
    EXPECT_EQ(client.At(strip.right, strip.bottom), kBar);

    // The frame's line lies two pixels outside the 150 x 250 canvas.
    EXPECT_PIXELS(client, (Point{5, 25}), (testing::Grid{".....", ".####", ".#...", ".#.--"}),
                  kLegend);
    EXPECT_EQ(client.At(159, 279), kBlack);
    EXPECT_EQ(client.At(160, 280), kBar);

    // Row 310 crosses both wells, row 320 only colour 2's.
    EXPECT_PIXELS(
        client, (Point{7, 310}),
        (testing::Grid{".#." + std::string(25, 'r') + "b#" + std::string(11, 'b') + ".#.."}),
        kLegend);
    EXPECT_PIXELS(client, (Point{19, 320}), (testing::Grid{"..#." + std::string(25, 'b') + ".#.."}),
                  kLegend);
}

TEST_F(PaintPanel, AvatarBoxesHideTheMannequinOrPutItInFront) {
    Choose(Gender::Female, ItemCategory::Top);
    // Mannequin red on x 10..19, the wear picture blue on x 15..24: they overlap on 15..19.
    DeviceBitmap mannequin = Solid(kWearImageSize.cx, kWearImageSize.cy, kWhite);
    DrawingContext(&mannequin).FillRect(RECT{10, 10, 20, 20}, kRed);
    panel.mannequinPicture.LoadFromDeviceBitmap(&mannequin);
    MakeWhiteTransparent(panel.mannequinPicture);
    DrawingContext(&panel.wearImage).FillRect(RECT{15, 10, 25, 20}, kBlue);

    // Preview row 12 from x 12: mannequin only, then the overlap, then the wear picture only.
    const auto layers = [this](bool show, bool inFront) {
        panel.showAvatar = show;
        panel.avatarInFront = inFront;
        PaintClient();
        return testing::ReadGrid(client, Point{kPreview.x + 12, kPreview.y + 12}, 11, 1,
                                 kLegend)[0];
    };
    EXPECT_EQ(layers(false, false), "---bbbbbbbb");
    EXPECT_EQ(layers(false, true), "---bbbbbbbb");
    EXPECT_EQ(layers(true, false), "rrrbbbbbbbb");
    EXPECT_EQ(layers(true, true), "rrrrrrrrbbb");
}

TEST_F(PaintPanel, DpViewOfShoesShowsTheDpPictureAtTwiceItsSizeWhateverTheZoom) {
    Choose(Gender::Female, ItemCategory::Shoes);
    panel.dpImage.At(5, 6) = kRed;
    panel.wearImage.At(5, 6) = kBlue;
    panel.OnDpButton();
    panel.zoom = 6.0f;
    PaintClient();

    EXPECT_EQ(PreviewAt(5, 6), kRed);
    EXPECT_PIXELS(client, (Point{kCanvas.x + 9, kCanvas.y + 12}),
                  (testing::Grid{"-rr-", "-rr-", "----"}), kLegend);
    EXPECT_EQ(client.At(kCanvas.x + 149, kCanvas.y + 165), kGrey);
    EXPECT_EQ(client.At(kCanvas.x + 150, kCanvas.y + 166), kBar);
}

TEST_F(PaintPanel, DpViewOfATopShowsTheWearPictureRaisedInsteadOfTheDpPicture) {
    Choose(Gender::Male, ItemCategory::Top);
    panel.wearImage.At(10, 40) = kGreen;
    panel.dpImage.At(30, 30) = kRed;
    panel.OnDpButton();
    PaintClient();
    EXPECT_EQ(PreviewAt(10, 11), kGreen);
    EXPECT_EQ(PreviewAt(30, 30), kGrey);

    // The female column also moves it one column left.
    Choose(Gender::Female, ItemCategory::Top);
    PaintClient();
    EXPECT_EQ(PreviewAt(9, 11), kGreen);
    EXPECT_EQ(PreviewAt(10, 11), kGrey);
}

TEST_F(PaintPanel, HairViewRebuildsTheHairPictureFromTheWearSquare) {
    Choose(Gender::Female, ItemCategory::Top);
    // The top-left quarter of the female 40 x 40 square at (20, 8).
    DrawingContext(&panel.wearImage).FillRect(RECT{20, 8, 40, 28}, kGreen);
    panel.OnHairButton();
    panel.hairImage.Fill(kRed);
    PaintClient();

    // 40 -> 25: sources 0..19 land on 0..11, so the quarter keeps its place.
    EXPECT_PIXELS(panel.hairImage, (Point{9, 9}),
                  (testing::Grid{"gggmmm", "gggmmm", "gggmmm", "mmmmmm"}), kLegend);
    EXPECT_EQ(CountOf(panel.hairImage, panel.hairImage.Bounds(), kRed), 0);
    EXPECT_EQ(PreviewAt(0, 0), kGreen);
    EXPECT_EQ(PreviewAt(20, 20), kGrey);
    EXPECT_EQ(client.At(kCanvas.x + 49, kCanvas.y + 49), kGrey);
    EXPECT_EQ(client.At(kCanvas.x + 50, kCanvas.y + 50), kBar);
}

TEST_F(PaintPanel, ZoomSixStretchesA25By41AreaOverTheCanvas) {
    Choose(Gender::Female, ItemCategory::Top);
    panel.wearImage.At(3, 5) = kRed;
    panel.wearImage.At(4, 5) = kBlue;
    panel.wearImage.At(27, 45) = kYellow;
    panel.wearImage.At(28, 5) = kGreen; // one column past the 25 shown
    panel.SetZoom(6.0f);
    panel.scrollOffset = Point{3, 5};
    PaintClient();

    EXPECT_PIXELS(client, kCanvas, (testing::Grid{"rrrrrrb"}), kLegend);
    EXPECT_EQ(client.At(kCanvas.x + 149, kCanvas.y + 249), kYellow);
    EXPECT_EQ(CountOf(client, PanelGeometry::Canvas(kWearImageSize), kGreen), 0);
}

TEST_F(PaintPanel, EraserSquareIsInvertedWithoutAButtonHeld) {
    Choose(Gender::Female, ItemCategory::Top);
    panel.wearImage.Fill(kBlack);
    panel.SetTool(ToolKind::Eraser);
    panel.SetEraserSize(4);
    panel.anchorPoint = panel.currentPoint = Point{10, 10};
    PaintClient();

    EXPECT_PIXELS(client, (Point{kPreview.x + 7, kPreview.y + 7}),
                  (testing::Grid{"######", "#wwww#", "#wwww#", "#wwww#", "#wwww#", "######"}),
                  kLegend);
    EXPECT_EQ(panel.wearImage.At(10, 10), kBlack);
}

TEST_F(PaintPanel, FloatingSelectionIsDrawnClippedWithItsMarqueeOnTheSelectionRectangle) {
    Choose(Gender::Female, ItemCategory::Top);
    panel.wearImage.Fill(kBlack);
    panel.SetTool(ToolKind::Selection);
    panel.selectionBitmap.Fill(kRed);
    panel.selectionRect = RECT{4, 4, 10, 8};
    panel.hasFloatingSelection = true;
    panel.anchorPoint = Point{20, 20};
    panel.currentPoint = Point{30, 30};
    PaintClient();

    // Dots leave the red as it is; the white gaps turn it into its inverse.
    EXPECT_PIXELS(
        client, (Point{kPreview.x + 3, kPreview.y + 3}),
        (testing::Grid{"########", "#rrccrr#", "#crrrrc#", "#crrrrc#", "#rrccrr#", "########"}),
        kLegend);
    EXPECT_EQ(PreviewAt(20, 20), kBlack);
}

TEST_F(PaintPanel, RectangleRubberBandIsFilledByTheFillStyle) {
    Choose(Gender::Female, ItemCategory::Top);
    panel.SetTool(ToolKind::Rectangle);
    panel.SetLineWidth(1);
    panel.primaryColour = kRed;
    panel.secondaryColour = kBlue;
    panel.isDragging = true;
    panel.anchorPoint = Point{2, 2};
    panel.currentPoint = Point{7, 6};
    const Point at{kPreview.x + 2, kPreview.y + 2};

    panel.SetFillStyle(kFilledWithOtherColour);
    PaintClient();
    EXPECT_PIXELS(client, at, (testing::Grid{"rrrrr", "rbbbr", "rbbbr", "rrrrr", "-----"}),
                  kLegend);
    panel.SetFillStyle(kFilledWithDrawingColour);
    PaintClient();
    EXPECT_PIXELS(client, at, (testing::Grid{"rrrrr", "rrrrr", "rrrrr", "rrrrr"}), kLegend);
    panel.SetFillStyle(kOutlineOnly);
    PaintClient();
    EXPECT_PIXELS(client, at, (testing::Grid{"rrrrr", "r---r", "r---r", "rrrrr"}), kLegend);
}

struct RubberBand {
    const char* name;
    ToolKind tool;
    int lineWidth;
    Point onShape; // a picture pixel the shape covers
};
void PrintTo(const RubberBand& band, std::ostream* os) {
    *os << band.name;
}

class PaintRubberBand : public PaintPanel, public ::testing::WithParamInterface<RubberBand> {};

TEST_P(PaintRubberBand, AppearsInPreviewAndCanvasButNeverInTheWearPicture) {
    const RubberBand& band = GetParam();
    Choose(Gender::Female, ItemCategory::Top);
    panel.SetTool(band.tool);
    panel.SetLineWidth(band.lineWidth);
    panel.SetFillStyle(kOutlineOnly);
    panel.primaryColour = kRed;
    panel.isDragging = true;
    panel.anchorPoint = Point{5, 5};
    panel.currentPoint = Point{20, 15};
    PaintClient();

    EXPECT_EQ(PreviewAt(band.onShape.x, band.onShape.y), kRed);
    EXPECT_EQ(client.At(kCanvas.x + 2 * band.onShape.x + 1, kCanvas.y + 2 * band.onShape.y + 1),
              kRed);
    EXPECT_EQ(CountOf(panel.wearImage, panel.wearImage.Bounds(), kTransparentMagenta),
              kWearImageSize.cx * kWearImageSize.cy);
    if (band.tool == ToolKind::Pencil && band.lineWidth == 1) {
        EXPECT_EQ(CountOf(client, PreviewArea(), kRed), 1); // the pixel a click would set
    }
}

INSTANTIATE_TEST_SUITE_P(EachShapeTool, PaintRubberBand,
                         ::testing::Values(RubberBand{"Rectangle", ToolKind::Rectangle, 1, {5, 5}},
                                           RubberBand{"Ellipse", ToolKind::Ellipse, 1, {12, 5}},
                                           RubberBand{"Line", ToolKind::Line, 3, {12, 10}},
                                           RubberBand{"ThinPencil", ToolKind::Pencil, 1, {5, 5}},
                                           RubberBand{"WidePencil", ToolKind::Pencil, 3, {12, 10}}),
                         [](const ::testing::TestParamInfo<RubberBand>& row) {
                             return std::string(row.param.name);
                         });

} // namespace
} // namespace pattik
