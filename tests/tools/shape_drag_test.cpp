// Dragging shapes and the selection: Shift keeps squares, circles and 45-degree lines, and
// Esc calls a drag off as if it had never been pressed.
#include "support/raster/pixel_grid.h"
#include "tool_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pattik {
namespace {

using testing::CountOf;
using testing::ToolTest;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr RECT kWholeWear{0, 0, 75, 125};

class ShapeDrag : public ToolTest {
  protected:
    ShapeDrag() { panel.SetPrimaryColour(kRed); }

    void ShiftMoveTo(Point pixel) {
        tools.OnMouseMove(PointerEvent{At(pixel), true, false, false, true});
    }
    void ShiftRelease(Point pixel) {
        tools.OnLButtonUp(PointerEvent{At(pixel), false, false, false, true});
    }
    // The box around every red pixel.
    RECT RedBounds() {
        RECT box{75, 125, 0, 0};
        for (int y = 0; y < 125; ++y) {
            for (int x = 0; x < 75; ++x) {
                if (Wear().At(x, y) == kRed) {
                    box = RECT{std::min(box.left, x), std::min(box.top, y),
                               std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
                }
            }
        }
        return box;
    }
};

TEST_F(ShapeDrag, ShiftMakesSquaresAndCirclesOnTheSideTheDragWent) {
    struct Case {
        ToolKind tool;
        Point to;
        RECT box;
    };
    for (const Case c : {Case{ToolKind::Rectangle, {15, 12}, {10, 10, 15, 15}},
                         Case{ToolKind::Rectangle, {4, 12}, {4, 10, 10, 16}},
                         Case{ToolKind::Rectangle, {12, 3}, {10, 3, 17, 10}},
                         Case{ToolKind::Ellipse, {30, 18}, {10, 10, 30, 30}},
                         Case{ToolKind::Ellipse, {10, 2}, {10, 2, 18, 10}}}) {
        Wear().Fill(kTransparentMagenta);
        panel.SetTool(c.tool);
        Press(Point{10, 10});
        ShiftMoveTo(c.to);
        ShiftRelease(c.to);
        EXPECT_EQ(RedBounds(), c.box) << static_cast<int>(c.tool) << " to " << c.to.x;
    }
    EXPECT_EQ(Wear().At(10, 2), kTransparentMagenta) << "the circle leaves its box's corners";
}

TEST_F(ShapeDrag, ShiftSnapsTheLineToTheNearest45Degrees) {
    panel.SetTool(ToolKind::Line);
    struct Case {
        Point to;
        Point lastPixel; // the line leaves out its end
        int pixels;
    };
    for (const Case c :
         {Case{{20, 13}, {19, 10}, 10}, Case{{20, 17}, {19, 19}, 10}, Case{{12, 30}, {10, 29}, 20},
          Case{{3, 16}, {4, 16}, 7}, Case{{2, 1}, {2, 2}, 9}}) {
        Wear().Fill(kTransparentMagenta);
        Press(Point{10, 10});
        ShiftMoveTo(c.to);
        ShiftRelease(c.to);
        EXPECT_EQ(Wear().At(10, 10), kRed);
        EXPECT_EQ(Wear().At(c.lastPixel.x, c.lastPixel.y), kRed) << c.to.x << "," << c.to.y;
        EXPECT_EQ(CountOf(Wear(), kWholeWear, kRed), c.pixels) << c.to.x << "," << c.to.y;
    }
    // Shift let go before the release: the line goes to the pointer.
    Wear().Fill(kTransparentMagenta);
    Press(Point{10, 10});
    ShiftMoveTo(Point{20, 13});
    Release(Point{20, 13});
    EXPECT_EQ(Wear().At(19, 10), kTransparentMagenta);
    EXPECT_EQ(RedBounds(), (RECT{10, 10, 20, 14}));
}

TEST_F(ShapeDrag, WithShiftTheRubberBandIsWhatTheReleaseDraws) {
    for (const ToolKind tool : {ToolKind::Rectangle, ToolKind::Ellipse, ToolKind::Line}) {
        Wear().Fill(kTransparentMagenta);
        panel.SetTool(tool);
        Press(Point{30, 40});
        ShiftMoveTo(Point{12, 31});
        PaintClient();
        const DeviceBitmap shown = panel.CompositionBitmap();
        ShiftRelease(Point{12, 31});
        EXPECT_TRUE(ShowedWhatWasDrawn(shown, 70)) << static_cast<int>(tool);
    }
}

// Esc with the button held puts back the picture, the floating selection, the undo copy,
// the history and the document's flag as the press found them; the rest of the drag does
// nothing.
class CalledOff : public ShapeDrag {
  protected:
    CalledOff() {
        Click(Point{50, 50}); // a pencil dot, the undo copy from before it
        host.modified = false;
    }

    struct Kept {
        DeviceBitmap picture;
        DeviceBitmap undo;
        FloatingSelection selection;
        int states;
        int cursor;
    };
    Kept Now() const {
        return Kept{panel.Image(ViewMode::Wear), panel.UndoBitmap(), panel.Selection(),
                    panel.History().StateCount(ViewMode::Wear),
                    panel.History().Cursor(ViewMode::Wear)};
    }
    void ExpectAsBefore(const Kept& before) {
        EXPECT_FALSE(tools.InStroke());
        EXPECT_FALSE(Drag().previewShown);
        EXPECT_FALSE(host.captured);
        EXPECT_FALSE(host.modified);
        EXPECT_TRUE(SamePixels(panel.Image(ViewMode::Wear), before.picture));
        EXPECT_TRUE(SamePixels(panel.UndoBitmap(), before.undo));
        EXPECT_EQ(panel.Selection().hasFloatingSelection, before.selection.hasFloatingSelection);
        EXPECT_EQ(panel.Selection().selectionRect, before.selection.selectionRect);
        EXPECT_EQ(panel.History().StateCount(ViewMode::Wear), before.states);
        EXPECT_EQ(panel.History().Cursor(ViewMode::Wear), before.cursor);
    }
};

TEST_F(CalledOff, EscDuringAShapeDragDrawsNothing) {
    for (const ToolKind tool : {ToolKind::Rectangle, ToolKind::Ellipse, ToolKind::Line}) {
        panel.SetTool(tool);
        const Kept before = Now();
        Press(Point{10, 10});
        MoveTo(Point{30, 20});
        ASSERT_TRUE(host.modified);
        tools.OnEscape();
        ExpectAsBefore(before);
        MoveTo(Point{35, 25});
        Release(Point{35, 25});
        ExpectAsBefore(before);
    }
    tools.OnUndo();
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kRed), 0) << "Ctrl+Z still takes the dot away";
}

TEST_F(CalledOff, EscDuringASelectionDragPutsTheSelectionBack) {
    panel.SetTool(ToolKind::Selection);
    Wear().Fill(kRed);
    DragFromTo(Point{2, 2}, Point{6, 4});
    host.modified = false;

    const Kept floating = Now();
    Press(Point{3, 3}); // inside: a move
    MoveTo(Point{20, 20});
    ASSERT_NE(panel.Selection().selectionRect, floating.selection.selectionRect);
    tools.OnEscape();
    ExpectAsBefore(floating);

    Press(Point{40, 40}); // outside: the floating pixels are merged and a marquee starts
    MoveTo(Point{50, 50});
    ASSERT_FALSE(panel.Selection().hasFloatingSelection);
    tools.OnEscape();
    ExpectAsBefore(floating);
    Release(Point{50, 50});
    ExpectAsBefore(floating);

    // Outside a drag Esc merges the floating selection, as ever.
    tools.OnEscape();
    EXPECT_FALSE(panel.Selection().hasFloatingSelection);
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kRed), 75 * 125);
}

} // namespace
} // namespace pattik
