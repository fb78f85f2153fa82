// The selection's states, the editing keys, undo through the tools, and hand scrolling.
#include "support/raster/pixel_grid.h"
#include "tool_fixture.h"

#include <gtest/gtest.h>

namespace pattik {
namespace {

using testing::CountOf;
using testing::Grid;
using testing::Legend;
using testing::ToolTest;

constexpr COLORREF kRed = RGB(255, 0, 0);
const Legend kLegend{{'m', kTransparentMagenta}, {'r', kRed}, {'#', kBlack}};
constexpr RECT kWholeWear{0, 0, 75, 125};

class Selecting : public ToolTest {
  protected:
    Selecting() {
        Wear().Fill(kRed);
        panel.SetTool(ToolKind::Selection);
    }
};

TEST_F(Selecting, AClickWithoutMovementSelectsNothing) {
    Click(Point{10, 10});
    EXPECT_FALSE(panel.Selection().hasFloatingSelection);
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kRed), 75 * 125);
}

TEST_F(Selecting, AMarqueeDraggedBackwardsLiftsAndCutsItsBox) {
    DragFromTo(Point{20, 30}, Point{10, 5});
    EXPECT_TRUE(panel.Selection().hasFloatingSelection);
    EXPECT_EQ(panel.Selection().selectionRect, (RECT{10, 5, 20, 30}));
    EXPECT_EQ(CountOf(Wear(), RECT{10, 5, 20, 30}, kTransparentMagenta), 10 * 25);
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kTransparentMagenta), 10 * 25);
    EXPECT_EQ(CountOf(panel.SelectionBitmap(), RECT{0, 0, 10, 25}, kRed), 10 * 25);
}

// A marquee dragged past the left or top edge once cut pixels it never lifted. Clipped to
// the picture first, what is cut is exactly what floats, and Esc puts it all back.
TEST_F(Selecting, AMarqueePastTheLeftOrTopEdgeCutsOnlyWhatFloats) {
    const RECT canvas = panel.Mapping().Canvas();
    Press(Point{74, 10});
    tools.OnMouseMove(Event(Point{canvas.left - 30, At(Point{0, 12}).y}, true, false));
    ReleaseAtClient(Point{canvas.left - 30, At(Point{0, 12}).y});
    EXPECT_EQ(panel.Selection().selectionRect, (RECT{0, 10, 74, 12}));
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kTransparentMagenta), 74 * 2) << "cut as it floats";
    tools.OnEscape();
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kRed), 75 * 125) << "nothing lost";

    Press(Point{20, 124});
    tools.OnMouseMove(Event(Point{At(Point{40, 0}).x, canvas.top - 30}, true, false));
    ReleaseAtClient(Point{At(Point{40, 0}).x, canvas.top - 30});
    EXPECT_EQ(panel.Selection().selectionRect, (RECT{20, 0, 40, 124}));
    tools.OnEscape();
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kRed), 75 * 125) << "nothing lost";
}

TEST_F(Selecting, OnlyTheLeftCtrlKeyCopiesAndMovingTheCopyLeavesTwo) {
    host.keysDown.insert(PolledKey::LeftControl);
    DragFromTo(Point{0, 0}, Point{4, 2});
    host.keysDown.clear();
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kRed), 75 * 125) << "the source stays";

    Wear().Fill(kBlack);
    DeviceBitmap& wear = Wear();
    wear.At(0, 0) = kRed;
    // Press inside, drag by (10, 3): the selection moves by whole pixels.
    DragFromTo(Point{1, 1}, Point{11, 4});
    EXPECT_EQ(panel.Selection().selectionRect, (RECT{10, 3, 14, 5}));
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kRed), 1) << "a move does not touch the picture";
    // Press outside: merged where it lies, and a new marquee starts.
    Press(Point{40, 40});
    EXPECT_FALSE(panel.Selection().hasFloatingSelection);
    EXPECT_EQ(CountOf(Wear(), RECT{10, 3, 14, 5}, kRed), 8);
    EXPECT_TRUE(Drag().previewShown);
    Release(Point{40, 40});
}

// The window reports Ctrl on the event whichever Ctrl key it was; only the polled left one
// makes a copy.
TEST_F(Selecting, TheRightCtrlKeyStillCuts) {
    tools.OnLButtonDown(PointerEvent{At(Point{0, 0}), true, false, true});
    tools.OnMouseMove(PointerEvent{At(Point{3, 3}), true, false, true});
    tools.OnLButtonUp(PointerEvent{At(Point{3, 3}), false, false, true});
    EXPECT_EQ(CountOf(Wear(), RECT{0, 0, 3, 3}, kTransparentMagenta), 9);
}

// A tool change merges the selection and keeps its rectangle; nothing of it may show once
// the picture there changed.
TEST_F(Selecting, AMergedSelectionLeavesNoGhostOnTheCanvas) {
    DragFromTo(Point{10, 10}, Point{20, 20});
    panel.SetTool(ToolKind::Pencil);
    Wear().Fill(kTransparentMagenta);
    panel.SetTool(ToolKind::Selection);
    Hover(Point{40, 40});
    PaintClient();
    EXPECT_EQ(panel.CompositionBitmap().At(15, 15), testing::kPlainBackground);
}

TEST_F(Selecting, EscMergesTheSelectionAndDeleteDropsIt) {
    DragFromTo(Point{0, 0}, Point{2, 2});
    DragFromTo(Point{1, 1}, Point{6, 1}); // moved to (5, 0)
    tools.OnEscape();
    EXPECT_FALSE(panel.Selection().hasFloatingSelection);
    EXPECT_EQ(panel.Selection().selectionRect, RECT{});
    EXPECT_PIXELS(Wear(), (Point{0, 0}), (Grid{"mmrrrrrrr", "mmrrrrrrr", "rrrrrrrrr"}), kLegend);
    EXPECT_EQ(host.invalidations.back(),
              (testing::FakeHost::Invalidation{RECT{8, 28, 158, 278}, false}));

    Wear().Fill(kRed);
    DragFromTo(Point{0, 0}, Point{2, 2});
    host.ClearRecords();
    tools.OnDelete();
    EXPECT_FALSE(panel.Selection().hasFloatingSelection);
    EXPECT_PIXELS(Wear(), (Point{0, 0}), (Grid{"mmr", "mmr", "rrr"}), kLegend)
        << "the cut area stays empty";
    EXPECT_TRUE(host.invalidations.empty()) << "Delete repaints nothing";
}

TEST_F(Selecting, UndoRightAfterACutLiftRestoresTheSourceAndTheSelectionStillFloats) {
    DragFromTo(Point{0, 0}, Point{2, 2});
    tools.OnUndo();
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kRed), 75 * 125);
    EXPECT_TRUE(panel.Selection().hasFloatingSelection);
}

TEST_F(ToolTest, UndoTakesBackAWholeStrokeAndASecondUndoRedoes) {
    panel.SetTool(ToolKind::Line);
    DragFromTo(Point{2, 2}, Point{20, 2});
    tools.OnUndo();
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kBlack), 0);
    tools.OnUndo();
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kBlack), 18);

    // A picker click replaces the snapshot: undo then swaps two equal pictures.
    panel.SetTool(ToolKind::ColourPicker);
    Click(Point{50, 50});
    tools.OnUndo();
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kBlack), 18);
}

TEST_F(ToolTest, HandScrollingFollowsThePointerInWholePixelsWithinThePicture) {
    host.keysDown.insert(PolledKey::Space);
    const auto scroll = [this](Point from, Point to) {
        tools.OnLButtonDown(PointerEvent{from, true});
        tools.OnMouseMove(PointerEvent{to, true});
        tools.OnLButtonUp(PointerEvent{to});
    };
    scroll(Point{100, 100}, Point{10, 10});
    EXPECT_EQ(panel.View().scrollOffset, (Point{0, 0})) << "at zoom 2 nothing moves";

    ASSERT_TRUE(panel.SetZoom(10.0f));
    scroll(Point{100, 100}, Point{10, 10});
    EXPECT_EQ(panel.View().scrollOffset, (Point{9, 9})) << "dragging left shows columns right";
    scroll(Point{10, 10}, Point{-2000, -2000});
    EXPECT_EQ(panel.View().scrollOffset, (Point{60, 100}));

    // Movements smaller than a picture pixel add up until they make one.
    panel.SetScrollOffset(Point{30, 30});
    tools.OnLButtonDown(PointerEvent{Point{100, 100}, true});
    tools.OnMouseMove(PointerEvent{Point{96, 100}, true});
    EXPECT_EQ(panel.View().scrollOffset, (Point{30, 30}));
    tools.OnMouseMove(PointerEvent{Point{89, 100}, true});
    EXPECT_EQ(panel.View().scrollOffset, (Point{31, 30}));
    EXPECT_EQ(Drag().scrollDragOrigin, (Point{89, 100}));
    EXPECT_EQ(CountOf(Wear(), kWholeWear, kBlack), 0) << "no tool acts";
}

} // namespace
} // namespace pattik
