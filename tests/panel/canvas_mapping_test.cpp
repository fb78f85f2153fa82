#include "panel/canvas_mapping.h"
#include "support/panel/panel_fixtures.h"

#include <gtest/gtest.h>

#include <climits>

namespace pattik {
namespace {

constexpr Size kWear{75, 125};

struct MappingCase {
    const char* name;
    float zoom;
    Point offset;
    Point client;
    Point image;
};

class ClientToImage : public ::testing::TestWithParam<MappingCase> {};

TEST_P(ClientToImage, TruncatesTowardZeroAtTheScalePaintingUses) {
    const MappingCase& c = GetParam();
    EXPECT_EQ(CanvasMapping(c.zoom, c.offset, kWear).ClientToImage(c.client), c.image);
}

// trunc((c - origin) * source / canvas + offset): just left of the canvas is the offset's
// column while the quotient is above -1, and the one left of it from there, scrolled or
// not. At zoom 4 the 37 columns and 62 rows shown are a little fewer than 150 / 4 and
// 250 / 4, at zoom 6 the 41 rows a little fewer than 250 / 6, so their cells are a little
// wider or taller than the zoom.
INSTANTIATE_TEST_SUITE_P(
    Zooms, ClientToImage,
    ::testing::Values(
        MappingCase{"Zoom2Origin", 2, {}, {8, 28}, {0, 0}},
        MappingCase{"Zoom2JustLeftIsColumn0", 2, {}, {7, 27}, {0, 0}},
        MappingCase{"Zoom2TwoLeftIsColumnMinus1", 2, {}, {6, 26}, {-1, -1}},
        MappingCase{"Zoom2LastPixel", 2, {}, {157, 277}, {74, 124}},
        MappingCase{"Zoom2PastTheCanvas", 2, {}, {158, 278}, {75, 125}},
        MappingCase{"Zoom4Scrolled", 4, {37, 62}, {8 + 4 * 5 + 3, 28 + 4 * 7}, {42, 68}},
        MappingCase{"Zoom4FirstCellIsFiveWide", 4, {}, {8 + 4, 28}, {0, 0}},
        MappingCase{"Zoom4LeftOfCanvas", 4, {37, 62}, {0, 0}, {35, 55}},
        MappingCase{"Zoom6Scrolled", 6, {50, 83}, {8 + 149, 28 + 249}, {74, 123}},
        MappingCase{"Zoom10Scrolled", 10, {60, 100}, {8 + 95, 28 + 10}, {69, 101}},
        MappingCase{"Zoom10ScrolledFrameBorder", 10, {5, 5}, {6, 26}, {4, 4}},
        MappingCase{"Zoom4ScrolledFrameBorder", 4, {5, 5}, {7, 27}, {4, 4}},
        MappingCase{"Zoom10FarNegative", 10, {60, 100}, {-1000, -32}, {-40, 94}},
        MappingCase{"IntLimits", 2, {}, {INT_MIN, INT_MAX}, {-1073741828, 1073741809}}),
    [](const ::testing::TestParamInfo<MappingCase>& row) { return std::string(row.param.name); });

TEST(ImageToCanvas, CoversTheCanvasCellsThatShowThePixel) {
    // Zoom 2: every pixel is a 2 x 2 cell.
    const CanvasMapping two(2, {}, kWear);
    EXPECT_EQ(two.ImageToCanvas({0, 0}), (RECT{8, 28, 10, 30}));
    EXPECT_EQ(two.ImageToCanvas({74, 124}), (RECT{156, 276, 158, 278}));
    EXPECT_EQ(two.ImageToCanvas({75, 0}), RECT{});
    EXPECT_EQ(two.ImageToCanvas({-1, 0}), RECT{});

    // Zoom 10 scrolled to (60, 100): 15 x 25 pixels of 10 x 10.
    const CanvasMapping ten(10, {60, 100}, kWear);
    EXPECT_EQ(ten.SourceArea(), (RECT{60, 100, 75, 125}));
    EXPECT_EQ(ten.ImageToCanvas({61, 102}), (RECT{18, 48, 28, 58}));
    EXPECT_EQ(ten.ImageToCanvas({59, 102}), RECT{});

    // Zoom 6: 25 columns of 6 but 41 rows over 250, so some rows are 7 high.
    const CanvasMapping six(6, {}, kWear);
    EXPECT_EQ(six.SourceArea(), (RECT{0, 0, 25, 41}));
    EXPECT_EQ(six.ImageToCanvas({24, 0}), (RECT{8 + 144, 28, 8 + 150, 28 + 7}));
    EXPECT_EQ(six.ImageToCanvas({0, 40}), (RECT{8, 28 + 244, 14, 28 + 250}));

    // Zoom 4: 37 columns over 150.
    const CanvasMapping four(4, {37, 0}, kWear);
    EXPECT_EQ(four.SourceArea(), (RECT{37, 0, 74, 62}));
    EXPECT_EQ(four.ImageToCanvas({73, 61}), (RECT{8 + 146, 28 + 246, 8 + 150, 28 + 250}));
}

// The cells of the pixels shown tile the canvas at every zoom.
TEST(ImageToCanvas, CellsTileTheCanvasAtEveryZoom) {
    for (const float zoom : {2.0f, 4.0f, 6.0f, 10.0f}) {
        const CanvasMapping mapping(zoom, {3, 5}, kWear);
        const RECT source = mapping.SourceArea();
        std::int64_t area = 0;
        for (int y = source.top; y < source.bottom; ++y) {
            for (int x = source.left; x < source.right; ++x) {
                const RECT cell = mapping.ImageToCanvas({x, y});
                ASSERT_FALSE(IsEmpty(cell)) << zoom << " " << x << "," << y;
                area += Width(cell) * Height(cell);
            }
        }
        EXPECT_EQ(area, 150 * 250) << zoom;
    }
}

// What the user points at is what the canvas shows there: every canvas point maps to the
// pixel whose cell holds it, at every zoom and offset.
TEST(CanvasMapping, BothDirectionsAgreeOnEveryCanvasPoint) {
    for (const float zoom : {2.0f, 4.0f, 6.0f, 10.0f}) {
        for (const Point offset : {Point{0, 0}, Point{7, 13}}) {
            const CanvasMapping mapping(zoom, offset, kWear);
            const RECT canvas = mapping.Canvas();
            for (int y = canvas.top; y < canvas.bottom; ++y) {
                for (int x = canvas.left; x < canvas.right; ++x) {
                    const Point pixel = mapping.ClientToImage({x, y});
                    ASSERT_TRUE(Contains(mapping.ImageToCanvas(pixel), x, y))
                        << "zoom " << zoom << " client " << x << "," << y << " pixel " << pixel.x
                        << "," << pixel.y;
                }
            }
        }
    }
}

// The smaller pictures are always shown whole at twice their size, from (0, 0), whatever
// the Wear view's zoom and offset.
using testing::CreatedPanel;

TEST_F(CreatedPanel, DpAndHairViewsMapAtTwiceFromTheOrigin) {
    ASSERT_TRUE(panel.SetZoom(6.0f));
    panel.SetScrollOffset(Point{50, 83});
    EXPECT_EQ(panel.Mapping().ClientToImage({8, 28}), (Point{50, 83}));
    panel.OnDpButton();
    EXPECT_EQ(panel.Mapping().ClientToImage({8 + 149, 28 + 165}), (Point{74, 82}));
    EXPECT_EQ(panel.Mapping().SourceArea(), (RECT{0, 0, 75, 83}));
    panel.OnHairButton();
    EXPECT_EQ(panel.Mapping().ImageToCanvas({24, 24}), (RECT{56, 76, 58, 78}));
    panel.OnWearButton();
    EXPECT_EQ(panel.View().scrollOffset, (Point{50, 83})) << "the Wear view keeps its offset";
}

} // namespace
} // namespace pattik
