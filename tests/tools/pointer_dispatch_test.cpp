// The pointer handlers' guards and their order, the colour strip, Space, and the strokes
// that must not draw.
#include "res/control_ids.h"
#include "res/string_table.h"
#include "tool_fixture.h"

#include <gtest/gtest.h>

namespace pattik {
namespace {

using testing::CountOf;
using testing::ToolTest;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr RECT kWholeWear{0, 0, 75, 125};

int Painted(const DeviceBitmap& picture) {
    return 75 * 125 - CountOf(picture, kWholeWear, kTransparentMagenta);
}

TEST_F(ToolTest, APressBeforeTheItemIsChosenShowsOnlyTheGenderMessageAndChangesNothing) {
    panel.ChangeItem(-1, -1);
    host.ClearRecords();
    Click(Point{10, 10});
    EXPECT_EQ(host.messages, std::vector<std::string>{std::string(kChooseGenderAndItemText)});
    EXPECT_EQ(panel.UndoInfo().undoViewMode, -1);
    EXPECT_FALSE(host.modified);
    EXPECT_FALSE(host.captured);
    EXPECT_EQ(Painted(Wear()), 0);

    panel.ChangeItem(0, -1);
    host.ClearRecords();
    Click(Point{10, 10});
    EXPECT_EQ(host.messages, std::vector<std::string>{std::string(kChooseItemText)});
    EXPECT_EQ(Painted(Wear()), 0);
}

TEST_F(ToolTest, AnAcceptedPressSnapshotsMarksCapturesAndDraws) {
    Press(Point{10, 10});
    EXPECT_EQ(panel.UndoInfo().undoViewMode, static_cast<int>(ViewMode::Wear));
    EXPECT_TRUE(host.modified);
    EXPECT_TRUE(host.captured);
    EXPECT_EQ(host.pointerShape, PointerShape::Cross);
    EXPECT_EQ(Wear().At(10, 10), kBlack);
    Release(Point{10, 10});
    EXPECT_FALSE(host.captured);
}

TEST_F(ToolTest, TheDpWarningIsShownAndDrawingGoesOn) {
    panel.OnDpButton();
    host.ClearRecords();
    Click(Point{4, 4});
    EXPECT_EQ(host.messages, std::vector<std::string>{std::string(kTopDpWarning)});
    EXPECT_EQ(panel.Image(ViewMode::Dp).At(4, 4), kBlack);

    Choose(Gender::Female, ItemCategory::Shoes);
    panel.OnDpButton();
    host.ClearRecords();
    Click(Point{5, 5});
    EXPECT_TRUE(host.messages.empty()) << "shoes have a DP picture of their own";
}

TEST_F(ToolTest, TheStripGivesTheButtonsColourAndTheMixerWithoutTouchingThePicture) {
    const Point onStrip{10 + 60, 345 + 8};
    const COLORREF expected = panel.StripBitmap().At(60, 8);
    PressAtClient(onStrip, MouseButton::Right);
    EXPECT_EQ(panel.Colours().secondaryColour, expected);
    EXPECT_EQ(panel.Colours().primaryColour, kBlack);
    EXPECT_TRUE(panel.Colours().useSecondary);
    EXPECT_EQ(panel.Controls().sliderR, GetRValue(expected));
    EXPECT_EQ(host.editTexts[kBlueEdit], std::to_string(GetBValue(expected)));
    EXPECT_EQ(panel.UndoInfo().undoViewMode, -1);
    EXPECT_EQ(host.invalidations.back(),
              (testing::FakeHost::Invalidation{PanelGeometry::kColourWells, false}));

    // Keeping the button down and dragging onto the canvas draws nothing: that press was
    // never accepted, so nothing would be marked for saving either.
    MoveTo(Point{20, 20}, MouseButton::Right);
    MoveTo(Point{30, 30}, MouseButton::Right);
    Release(Point{30, 30}, MouseButton::Right);
    EXPECT_EQ(Painted(Wear()), 0);
    EXPECT_FALSE(host.modified);
}

// Every release ends the stroke: after a right click in the middle of a left stroke, the
// left moves draw nothing until the next press.
TEST_F(ToolTest, AReleaseOfEitherButtonEndsTheStroke) {
    Press(Point{1, 1});
    MoveTo(Point{3, 1});
    Click(Point{9, 9}, MouseButton::Right);
    const int painted = Painted(Wear());
    MoveTo(Point{30, 30});
    Release(Point{30, 30});
    EXPECT_EQ(Painted(Wear()), painted);
}

// Before the panel is created there is no strip and no picture (so no canvas to press on):
// presses find nothing, and nothing is read outside a bitmap.
TEST(ToolsBeforeCreation, PressesFindNothingToReadOrDraw) {
    testing::FakeHost host;
    CEditPanel panel(host);
    CToolPalette palette(panel, host, host);
    CanvasTools tools(panel, palette, host, host, host);
    tools.OnLButtonDown(PointerEvent{Point{20, 350}, true});
    tools.OnRButtonDown(PointerEvent{Point{20, 40}, false, true});
    tools.OnMouseMove(PointerEvent{Point{30, 50}});
    EXPECT_EQ(panel.Colours().primaryColour, kBlack);
    EXPECT_EQ(panel.UndoInfo().undoViewMode, -1);
    EXPECT_FALSE(host.modified);
}

TEST_F(ToolTest, SpaceTurnsALeftPressIntoAHandScrollButNotARightOne) {
    host.keysDown.insert(PolledKey::Space);
    Press(Point{10, 10});
    EXPECT_EQ(Drag().scrollDragOrigin, At(Point{10, 10}));
    EXPECT_EQ(host.pointerShape, PointerShape::Move);
    EXPECT_FALSE(host.captured);
    Release(Point{10, 10});
    EXPECT_EQ(Painted(Wear()), 0);

    panel.SetPrimaryColour(kRed);
    Click(Point{12, 12}, MouseButton::Right);
    EXPECT_EQ(Wear().At(12, 12), kWhite) << "the right button draws in colour 2";
}

TEST_F(ToolTest, HoveringShowsThePreviewOnlyOverTheCanvasFrame) {
    Hover(Point{10, 10});
    EXPECT_TRUE(Drag().previewShown);
    EXPECT_EQ(Drag().anchorPoint, (Point{10, 10}));
    tools.OnMouseMove(PointerEvent{Point{300, 300}});
    EXPECT_FALSE(Drag().previewShown);
    EXPECT_EQ(host.pointerShape, PointerShape::Arrow);
}

// A message box swallows the release of the press that raised it; the next move with no
// button held ends the stroke, so the airbrush does not spray on by itself.
TEST_F(ToolTest, AMoveWithNoButtonEndsAStrokeWhoseReleaseWasLost) {
    panel.SetTool(ToolKind::Airbrush);
    panel.OnDpButton();
    Press(Point{10, 10});
    EXPECT_EQ(host.timers.count(kAirbrushTimer), 1u);
    Hover(Point{11, 11});
    EXPECT_EQ(host.timers.count(kAirbrushTimer), 0u);
    EXPECT_FALSE(host.captured);

    // A left release with Space held stops it too.
    Press(Point{10, 10});
    host.keysDown.insert(PolledKey::Space);
    Release(Point{10, 10});
    EXPECT_EQ(host.timers.count(kAirbrushTimer), 0u);
}

// Zoomed and scrolled, a click draws the very pixel the canvas shows under the pointer.
TEST_F(ToolTest, ClicksLandOnThePixelShownAtEveryZoom) {
    for (const float zoom : {2.0f, 4.0f, 6.0f, 10.0f}) {
        Wear().Fill(kTransparentMagenta);
        ASSERT_TRUE(panel.SetZoom(zoom));
        panel.SetScrollOffset(Point{20, 30});
        const Point offset = panel.View().scrollOffset;
        const Point pixel{offset.x + 3, offset.y + 5};
        const RECT cell = panel.Mapping().ImageToCanvas(pixel);
        // The cell's last column and row: the edge where dividing by the zoom went astray.
        const Point where{cell.right - 1, cell.bottom - 1};
        PressAtClient(where);
        ReleaseAtClient(where);
        EXPECT_EQ(Wear().At(pixel.x, pixel.y), kBlack) << zoom;
        EXPECT_EQ(Painted(Wear()), 1) << zoom;
    }
}

} // namespace
} // namespace pattik

namespace pattik {
namespace {

using testing::ToolTest;

// The work reads as saved only while the pictures are what was saved: an undo after a save,
// or the rest of a stroke after a save in mid-stroke, marks it unsaved again.
TEST_F(ToolTest, AnUndoOrTheRestOfAStrokeAfterASaveMarksTheWorkUnsaved) {
    Click(Point{5, 5});
    host.modified = false; // saved
    tools.OnUndo();
    EXPECT_TRUE(host.modified) << "the undo brought back the picture before the dot";

    palette.OnToolButton(1002); // the line: it draws at the release
    Press(Point{1, 1});
    host.modified = false; // Ctrl+S with the button still down
    MoveTo(Point{9, 1});
    Release(Point{9, 1});
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(Wear().At(5, 1), kBlack);

    tools.OnUndo(); // the other picture's copy: nothing swaps
    panel.SelectViewMode(ViewMode::Dp);
    host.modified = false;
    tools.OnUndo();
    EXPECT_FALSE(host.modified) << "the undo copy belongs to the wear picture";
}

TEST_F(ToolTest, AStrayAirbrushTickSpraysNothing) {
    palette.OnToolButton(1006);
    tools.OnTimer(2313);
    EXPECT_EQ(CountOf(Wear(), Wear().Bounds(), kBlack), 0);
    Press(Point{30, 30});
    tools.OnTimer(2313);
    EXPECT_GT(CountOf(Wear(), Wear().Bounds(), kBlack), 0);
    Release(Point{30, 30});
    const int sprayed = CountOf(Wear(), Wear().Bounds(), kBlack);
    tools.OnTimer(2313); // queued before the timer stopped
    EXPECT_EQ(CountOf(Wear(), Wear().Bounds(), kBlack), sprayed);
}

} // namespace
} // namespace pattik
