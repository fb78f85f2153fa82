#include "support/panel/panel_fixtures.h"

#include <gtest/gtest.h>

#include <string>

namespace pattik {
namespace {

using testing::Legend;

constexpr COLORREF kBar = testing::kBarColour;
constexpr COLORREF kGrey = testing::kPlainBackground;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr Point kPreview = PanelGeometry::kPreviewOrigin;
constexpr Point kCanvas = PanelGeometry::kCanvasOrigin;
const Legend kLegend{{'.', kBar}, {'#', kBlack}, {'w', kWhite}, {'g', kGreen},
                     {'r', kRed}, {'b', kBlue},  {'-', kGrey},  {'m', kTransparentMagenta}};

using testing::CountOf;
using testing::PaintPanel;
using testing::SolidBitmap;

TEST_F(PaintPanel, PaintsNothingUntilGenderAndCategoryAreChosen) {
    PaintClient();
    EXPECT_EQ(CountOf(client, client.Bounds(), kBar), 400 * 400);

    panel.ChangeItem(static_cast<int>(Gender::Female), -1);
    PaintClient();
    EXPECT_EQ(CountOf(client, client.Bounds(), kBar), 400 * 400);
}

TEST_F(PaintPanel, DrawsStripCanvasFrameAndWellsWithColourOneOnTop) {
    Choose(Gender::Female, ItemCategory::Top);
    panel.SetPrimaryColour(kRed);
    panel.SetSecondaryColour(kBlue);
    PaintClient();

    const RECT& strip = PanelGeometry::kColourStrip;
    EXPECT_EQ(client.At(strip.left, strip.top), panel.StripBitmap().At(0, 0));
    EXPECT_EQ(client.At(strip.right - 1, strip.bottom - 1), panel.StripBitmap().At(200, 16));
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
    ItemArtwork artwork;
    artwork.background = SolidBitmap(kWearImageSize.cx, kWearImageSize.cy, kGrey);
    artwork.mannequin = SolidBitmap(kWearImageSize.cx, kWearImageSize.cy, kWhite);
    DrawingContext(&artwork.mannequin).FillRect(RECT{10, 10, 20, 20}, kRed);
    panel.ReplaceArtwork(artwork);
    panel.ImageContext(ViewMode::Wear).FillRect(RECT{15, 10, 25, 20}, kBlue);

    // Preview row 12 from x 12: mannequin only, then the overlap, then the wear picture only.
    const auto layers = [this](bool show, bool inFront) {
        panel.SetAvatarDisplay(show, inFront);
        PaintClient();
        return testing::ReadGrid(client, Point{kPreview.x + 12, kPreview.y + 12}, 11, 1,
                                 kLegend)[0];
    };
    EXPECT_EQ(layers(false, false), "---bbbbbbbb");
    EXPECT_EQ(layers(false, true), "---bbbbbbbb");
    EXPECT_EQ(layers(true, false), "rrrbbbbbbbb");
    EXPECT_EQ(layers(true, true), "rrrrrrrrbbb");

    // The layers under the picture are kept between paints, and made again for new artwork.
    DrawingContext(&artwork.mannequin).FillRect(RECT{10, 10, 20, 20}, kBlue);
    DrawingContext(&artwork.background).FillRect(RECT{0, 0, 75, 125}, kRed);
    panel.ReplaceArtwork(artwork);
    panel.ImageContext(ViewMode::Wear).FillRect(RECT{15, 10, 25, 20}, kTransparentMagenta);
    EXPECT_EQ(layers(true, false), "bbbbbbbbrrr");
    EXPECT_EQ(layers(false, false), "rrrrrrrrrrr");
}

TEST_F(PaintPanel, DpViewOfShoesShowsTheDpPictureAtTwiceItsSizeWhateverTheZoom) {
    Choose(Gender::Female, ItemCategory::Shoes);
    Pixels(ViewMode::Dp).At(5, 6) = kRed;
    Pixels(ViewMode::Wear).At(5, 6) = kBlue;
    ASSERT_TRUE(panel.SetZoom(6.0f));
    panel.SetScrollOffset(Point{50, 83}); // the Wear view's offset has no say here
    panel.OnDpButton();
    PaintClient();

    EXPECT_EQ(PreviewAt(5, 6), kRed);
    EXPECT_PIXELS(client, (Point{kCanvas.x + 9, kCanvas.y + 12}),
                  (testing::Grid{"-rr-", "-rr-", "----"}), kLegend);
    EXPECT_EQ(client.At(kCanvas.x + 149, kCanvas.y + 165), kGrey);
    EXPECT_EQ(client.At(kCanvas.x + 150, kCanvas.y + 166), kBar);
}

TEST_F(PaintPanel, DpViewOfATopShowsTheWearPictureRaisedInsteadOfTheDpPicture) {
    Choose(Gender::Male, ItemCategory::Top);
    Pixels(ViewMode::Wear).At(10, 40) = kGreen;
    Pixels(ViewMode::Dp).At(30, 30) = kRed;
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
    panel.ImageContext(ViewMode::Wear).FillRect(RECT{20, 8, 40, 28}, kGreen);
    panel.OnHairButton();
    Pixels(ViewMode::Hair).Fill(kRed);
    PaintClient();

    // 40 -> 25: sources 0..19 land on 0..11, so the quarter keeps its place.
    EXPECT_PIXELS(panel.Image(ViewMode::Hair), (Point{9, 9}),
                  (testing::Grid{"gggmmm", "gggmmm", "gggmmm", "mmmmmm"}), kLegend);
    EXPECT_EQ(CountOf(panel.Image(ViewMode::Hair), RECT{0, 0, 25, 25}, kRed), 0);
    EXPECT_EQ(PreviewAt(0, 0), kGreen);
    EXPECT_EQ(PreviewAt(20, 20), kGrey);
    EXPECT_EQ(client.At(kCanvas.x + 49, kCanvas.y + 49), kGrey);
    EXPECT_EQ(client.At(kCanvas.x + 50, kCanvas.y + 50), kBar);
}

TEST_F(PaintPanel, ZoomSixStretchesA25By41AreaOverTheCanvas) {
    Choose(Gender::Female, ItemCategory::Top);
    DeviceBitmap& wear = Pixels(ViewMode::Wear);
    wear.At(3, 5) = kRed;
    wear.At(4, 5) = kBlue;
    wear.At(27, 45) = kYellow;
    wear.At(28, 5) = kGreen; // one column past the 25 shown
    ASSERT_TRUE(panel.SetZoom(6.0f));
    panel.SetScrollOffset(Point{3, 5});
    PaintClient();

    EXPECT_PIXELS(client, kCanvas, (testing::Grid{"rrrrrrb"}), kLegend);
    EXPECT_EQ(client.At(kCanvas.x + 149, kCanvas.y + 249), kYellow);
    EXPECT_EQ(CountOf(client, PanelGeometry::Canvas(kWearImageSize), kGreen), 0);
}

// Whatever the tools lay over the picture: here, a red pixel at (2, 3).
class RedDotOverlay : public CanvasOverlay {
  public:
    void DrawOverlay(const CEditPanel&, DrawingContext& composition) const override {
        composition.SetPixel(2, 3, kRed);
    }
    RECT OverlayArea(const CEditPanel&) const override { return RECT{2, 3, 3, 4}; }
};

TEST_F(PaintPanel, TheOverlayShowsInPreviewAndCanvasButNeverInThePicture) {
    Choose(Gender::Female, ItemCategory::Top);
    const RedDotOverlay overlay;
    panel.SetOverlay(&overlay);
    PaintClient();
    EXPECT_EQ(PreviewAt(2, 3), kRed);
    EXPECT_EQ(client.At(kCanvas.x + 4, kCanvas.y + 6), kRed);
    EXPECT_EQ(client.At(kCanvas.x + 5, kCanvas.y + 7), kRed);
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(2, 3), kTransparentMagenta);

    panel.SetOverlay(nullptr);
    PaintClient();
    EXPECT_EQ(PreviewAt(2, 3), kGrey);
}

} // namespace
} // namespace pattik
