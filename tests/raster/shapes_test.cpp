#include "raster/drawing_context.h"
#include "support/raster/pixel_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace pattik {
namespace {

using testing::Grid;
using testing::Legend;

const Legend kLegend{{'.', kWhite},
                     {'#', kBlack},
                     {'r', RGB(255, 0, 0)},
                     {'g', RGB(0, 255, 0)},
                     {'m', kTransparentMagenta}};

// A white bitmap with a context that draws in black with the given pen width and brush.
struct Canvas {
    explicit Canvas(int width = 16, int height = 16, int penWidth = 1,
                    Brush brush = Brush{BrushStyle::Null, kWhite})
        : bitmap(width, height), context(&bitmap) {
        bitmap.Fill(kWhite);
        context.SelectPen(Pen{PenStyle::Solid, penWidth, kBlack});
        context.SelectBrush(brush);
    }
    Grid Read(int width, int height) const {
        return testing::ReadGrid(bitmap, Point{0, 0}, width, height, kLegend);
    }
    DeviceBitmap bitmap;
    DrawingContext context;
};

TEST(RasterRectangle, CornersInEitherOrderOutlineTheBoxWithoutItsRightAndBottomEdges) {
    Canvas canvas(12, 22);
    canvas.context.Rectangle(10, 10, 5, 20);
    Grid expected(22, std::string(12, '.'));
    for (int y = 10; y <= 19; ++y) {
        for (int x = 5; x <= 9; ++x) {
            expected[y][x] = (x == 5 || x == 9 || y == 10 || y == 19) ? '#' : '.';
        }
    }
    EXPECT_PIXELS(canvas.bitmap, (Point{0, 0}), expected, kLegend);
}

TEST(RasterRectangle, SolidBrushPaintsOnlyTheInside) {
    Canvas canvas(8, 6, 1, Brush{BrushStyle::Solid, RGB(255, 0, 0)});
    canvas.context.Rectangle(1, 1, 7, 5);
    EXPECT_PIXELS(canvas.bitmap, (Point{0, 0}),
                  (Grid{"........", ".######.", ".#rrrr#.", ".#rrrr#.", ".######.", "........"}),
                  kLegend);
}

TEST(RasterRectangle, WidePenIsCentredOnTheOutline) {
    Canvas canvas(12, 12, 3);
    canvas.context.Rectangle(2, 2, 10, 10);
    EXPECT_PIXELS(canvas.bitmap, (Point{0, 0}),
                  (Grid{"............", ".##########.", ".##########.", ".##########.",
                        ".###....###.", ".###....###.", ".###....###.", ".###....###.",
                        ".##########.", ".##########.", ".##########.", "............"}),
                  kLegend);
}

TEST(RasterRectangle, ZeroSizedBoxDrawsNothing) {
    Canvas canvas(6, 6, 5, Brush{BrushStyle::Solid, kBlack});
    canvas.context.Rectangle(3, 3, 3, 3);
    canvas.context.Rectangle(1, 2, 5, 2);
    EXPECT_EQ(canvas.Read(6, 6), Grid(6, "......"));
}

TEST(RasterEllipse, SmallCircleIsInscribedInItsBox) {
    Canvas canvas(7, 7, 1, Brush{BrushStyle::Solid, RGB(255, 0, 0)});
    canvas.context.Ellipse(1, 1, 6, 6);
    EXPECT_PIXELS(
        canvas.bitmap, (Point{0, 0}),
        (Grid{".......", "..###..", ".#rrr#.", ".#rrr#.", ".#rrr#.", "..###..", "......."}),
        kLegend);
}

// Long thin boxes too: a 40 x 4 outline once stopped a column short at each end, and a
// 4 x 44 one two rows short.
TEST(RasterEllipse, NeverLeavesItsBoxAndTouchesAllFourEdges) {
    std::vector<RECT> boxes{RECT{0, 0, 1, 1}, RECT{2, 3, 4, 5}, RECT{1, 1, 30, 9},
                            RECT{0, 5, 7, 40}, RECT{3, 3, 40, 40}};
    for (int length = 1; length <= 64; ++length) {
        for (int thickness = 1; thickness <= 6; ++thickness) {
            boxes.push_back(RECT{2, 3, 2 + length, 3 + thickness});
            boxes.push_back(RECT{3, 2, 3 + thickness, 2 + length});
        }
    }
    for (const RECT box : boxes) {
        Canvas canvas(72, 72, 1, Brush{BrushStyle::Solid, RGB(255, 0, 0)});
        canvas.context.Ellipse(box.right, box.bottom, box.left, box.top);
        RECT drawn{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        for (int y = 0; y < 72; ++y) {
            for (int x = 0; x < 72; ++x) {
                if (canvas.bitmap.At(x, y) != kWhite) {
                    drawn = RECT{std::min(drawn.left, x), std::min(drawn.top, y),
                                 std::max(drawn.right, x + 1), std::max(drawn.bottom, y + 1)};
                }
            }
        }
        ASSERT_EQ(drawn, box) << "box " << Width(box) << " x " << Height(box);
    }
}

TEST(RasterLine, PaintsItsFirstPointAndNotItsLast) {
    Canvas canvas(8, 4);
    canvas.context.MoveTo(1, 1);
    canvas.context.LineTo(6, 1);
    canvas.context.MoveTo(6, 3);
    canvas.context.LineTo(2, 1);
    EXPECT_PIXELS(canvas.bitmap, (Point{0, 0}),
                  (Grid{"........", ".#####..", "....##..", "......#."}), kLegend);
    EXPECT_EQ(canvas.context.CurrentPosition(), (Point{2, 1}));
}

TEST(RasterLine, ZeroLengthStrokePaintsNothingThinAndARoundDotWide) {
    Canvas thin(5, 5);
    thin.context.MoveTo(2, 2);
    thin.context.LineTo(2, 2);
    EXPECT_EQ(thin.Read(5, 5), Grid(5, "....."));

    Canvas wide(7, 7, 5);
    wide.context.MoveTo(3, 3);
    wide.context.LineTo(3, 3);
    EXPECT_PIXELS(
        wide.bitmap, (Point{0, 0}),
        (Grid{".......", "..###..", ".#####.", ".#####.", ".#####.", "..###..", "......."}),
        kLegend);
}

TEST(RasterLine, ConsecutiveSegmentsMakeAnUnbrokenStroke) {
    Canvas canvas(20, 20);
    const Point points[] = {{1, 1}, {7, 4}, {9, 15}, {18, 18}, {2, 12}};
    canvas.context.MoveTo(points[0].x, points[0].y);
    for (const Point& p : points) {
        canvas.context.LineTo(p.x, p.y);
    }
    // Each segment paints its start, so every corner but the last is painted, and
    // walking between painted 8-neighbours from the first point reaches all of them.
    for (const Point& p : points) {
        EXPECT_EQ(canvas.bitmap.At(p.x, p.y), &p == &points[4] ? kWhite : kBlack);
    }
    std::vector<Point> pending{points[0]};
    DeviceBitmap seen(20, 20);
    seen.Fill(kWhite);
    seen.At(1, 1) = kBlack;
    int reached = 0;
    while (!pending.empty()) {
        const Point p = pending.back();
        pending.pop_back();
        ++reached;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int x = p.x + dx;
                const int y = p.y + dy;
                if (canvas.bitmap.Contains(x, y) && canvas.bitmap.At(x, y) == kBlack &&
                    seen.At(x, y) == kWhite) {
                    seen.At(x, y) = kBlack;
                    pending.push_back(Point{x, y});
                }
            }
        }
    }
    int painted = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            painted += canvas.bitmap.At(x, y) == kBlack;
        }
    }
    EXPECT_EQ(reached, painted);
}

// Every shape, however it is drawn, must be undone by drawing it again under XOR.
TEST(RasterXor, EveryShapeDrawnTwiceRestoresTheBitmap) {
    for (const int width : {1, 3, 7}) {
        for (const BrushStyle brush : {BrushStyle::Solid, BrushStyle::Null}) {
            for (const PenStyle style : {PenStyle::Solid, PenStyle::Dot}) {
                DeviceBitmap bitmap(24, 24);
                for (int y = 0; y < 24; ++y) {
                    for (int x = 0; x < 24; ++x) {
                        bitmap.At(x, y) = RGB(x * 10, y * 10, (x ^ y) * 7);
                    }
                }
                const DeviceBitmap original = bitmap;
                DrawingContext context(&bitmap);
                context.SelectPen(Pen{style, width, RGB(200, 30, 90)});
                context.SelectBrush(Brush{brush, RGB(10, 250, 3)});
                context.SetROP2(RasterOp::XorPen);
                for (int pass = 0; pass < 2; ++pass) {
                    context.Rectangle(3, 20, 18, 2);
                    context.Ellipse(-4, 5, 21, 30);
                    context.MoveTo(0, 23);
                    context.LineTo(23, 1);
                    context.ExtFloodFill(0, 0, bitmap.At(0, 0));
                }
                for (int y = 0; y < 24; ++y) {
                    for (int x = 0; x < 24; ++x) {
                        ASSERT_EQ(bitmap.At(x, y), original.At(x, y))
                            << "width " << width << " at (" << x << ", " << y << ")";
                    }
                }
            }
        }
    }
}

TEST(RasterXor, WhiteSquareInvertsOutlineAndInsideAlike) {
    Canvas canvas(6, 6);
    canvas.bitmap.At(2, 2) = kBlack;
    canvas.context.SelectPen(Pen{PenStyle::Solid, 1, kWhite});
    canvas.context.SelectBrush(Brush{BrushStyle::Solid, kWhite});
    canvas.context.SetROP2(RasterOp::XorPen);
    canvas.context.Rectangle(1, 1, 5, 5);
    EXPECT_PIXELS(canvas.bitmap, (Point{0, 0}),
                  (Grid{"......", ".####.", ".#.##.", ".####.", ".####.", "......"}), kLegend);
}

// The selection marquee: black dots under XOR leave pixels alone, the gaps between
// them are painted in the white background colour and so invert.
TEST(RasterDottedPen, GapsTakeTheBackgroundColourOnlyWhenOpaque) {
    Canvas opaque(10, 4);
    opaque.context.SelectPen(Pen{PenStyle::Dot, 1, kBlack});
    opaque.context.SetROP2(RasterOp::XorPen);
    opaque.context.Rectangle(0, 0, 10, 3);
    EXPECT_PIXELS(opaque.bitmap, (Point{0, 0}),
                  (Grid{"..##..##..", ".........#", ".##..##..#", ".........."}),
                  (Legend{{'.', kWhite}, {'#', kBlack}}));

    Canvas transparent(10, 4);
    transparent.context.SelectPen(Pen{PenStyle::Dot, 1, RGB(255, 0, 0)});
    transparent.context.SetBkMode(BackgroundMode::Transparent);
    transparent.context.Rectangle(0, 0, 10, 3);
    EXPECT_PIXELS(transparent.bitmap, (Point{0, 0}),
                  (Grid{"rr..rr..rr", "r.........", "r..rr..rr.", ".........."}), kLegend);
}

TEST(RasterClipping, ShapesStayInsideTheClipRectangle) {
    Canvas canvas(8, 8, 1, Brush{BrushStyle::Solid, RGB(255, 0, 0)});
    canvas.context.SelectClipRect(RECT{2, 2, 6, 5});
    canvas.context.Rectangle(0, 0, 8, 8);
    canvas.context.MoveTo(0, 6);
    canvas.context.LineTo(8, 6);
    EXPECT_PIXELS(canvas.bitmap, (Point{0, 0}),
                  (Grid{"........", "........", "..rrrr..", "..rrrr..", "..rrrr..", "........",
                        "........", "........"}),
                  kLegend);
}

TEST(RasterClipping, CoordinatesAtTheLimitsOfIntAreClippedNotOverflowed) {
    Canvas canvas(6, 6, 3, Brush{BrushStyle::Solid, RGB(255, 0, 0)});
    canvas.context.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(canvas.Read(6, 6), Grid(6, "rrrrrr"));

    Canvas lines(6, 6);
    lines.context.MoveTo(INT_MIN, INT_MIN);
    lines.context.LineTo(INT_MAX, INT_MAX);
    lines.context.MoveTo(INT_MIN, 4);
    lines.context.LineTo(INT_MAX, 4);
    EXPECT_PIXELS(lines.bitmap, (Point{0, 0}),
                  (Grid{"#.....", ".#....", "..#...", "...#..", "######", ".....#"}), kLegend);

    Canvas ellipse(6, 6, 7, Brush{BrushStyle::Solid, RGB(255, 0, 0)});
    ellipse.context.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(ellipse.Read(6, 6), Grid(6, "rrrrrr"));
    ellipse.context.Ellipse(INT_MAX, INT_MAX, INT_MAX - 5, INT_MIN);
    ellipse.context.SetPixel(INT_MIN, INT_MAX, kBlack);
    EXPECT_EQ(ellipse.context.GetPixel(INT_MAX, INT_MIN), kInvalidColour);
}

} // namespace
} // namespace pattik
