// The history of each picture: steps back and forth, what ends the redo, its bounds, and how
// it lives beside the one-step undo copy.
#include "panel/picture_history.h"
#include "support/panel/panel_fixtures.h"

#include <gtest/gtest.h>

#include <utility>

namespace pattik {
namespace {

using testing::CreatedPanel;
using testing::Grid;
using testing::Legend;

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const Legend kLegend{{'.', kTransparentMagenta}, {'r', kRed}, {'g', kGreen}, {'b', kBlue}};

// A picture with one pixel set, known from the others by where that pixel lies.
DeviceBitmap Marked(Size size, int index) {
    DeviceBitmap picture = testing::SolidBitmap(size.cx, size.cy, kTransparentMagenta);
    picture.At(index % size.cx, index / size.cx % size.cy) = kRed;
    return picture;
}

TEST(PictureHistoryAlone, RefusesWhatItCannotKeepAndRestartsOnAnotherSize) {
    PictureHistory history;
    EXPECT_FALSE(history.Checkpoint(ViewMode::Wear, DeviceBitmap{}));
    EXPECT_FALSE(history.Checkpoint(static_cast<ViewMode>(3), Marked(kWearImageSize, 0)));
    EXPECT_FALSE(history.Checkpoint(static_cast<ViewMode>(-1), Marked(kWearImageSize, 0)));
    EXPECT_EQ(history.StepBack(static_cast<ViewMode>(7), Marked(kWearImageSize, 0)), nullptr);
    EXPECT_FALSE(history.CanStepBack(static_cast<ViewMode>(7), Marked(kWearImageSize, 1)));
    EXPECT_EQ(history.PixelBytes(), 0u);

    EXPECT_TRUE(history.Checkpoint(ViewMode::Wear, Marked(kWearImageSize, 0)));
    EXPECT_FALSE(history.Checkpoint(ViewMode::Wear, Marked(kWearImageSize, 0))) << "unchanged";
    EXPECT_TRUE(history.Checkpoint(ViewMode::Wear, Marked(kWearImageSize, 1)));
    // A state of another size could never be shown in the picture: nothing to step back to.
    EXPECT_FALSE(history.CanStepBack(ViewMode::Wear, Marked(kDpImageSize, 0)));
    EXPECT_TRUE(history.Checkpoint(ViewMode::Wear, Marked(kDpImageSize, 0)));
    EXPECT_EQ(history.StateCount(ViewMode::Wear), 1);
    EXPECT_EQ(history.StepBack(ViewMode::Wear, Marked(kDpImageSize, 0)), nullptr);
}

TEST(PictureHistoryAlone, AFullHistoryOfEveryPictureHoldsItsWorstCaseAndNoMore) {
    PictureHistory history;
    const std::pair<ViewMode, Size> pictures[] = {{ViewMode::Wear, kWearImageSize},
                                                  {ViewMode::Dp, kDpImageSize},
                                                  {ViewMode::Hair, kHairImageSize}};
    for (const auto& [mode, size] : pictures) {
        for (int change = 0; change < 150; ++change) {
            ASSERT_TRUE(history.Checkpoint(mode, Marked(size, change)));
        }
        EXPECT_EQ(history.StateCount(mode), PictureHistory::kStatesKept);
        EXPECT_EQ(history.Cursor(mode), PictureHistory::kStepsBack);
    }
    // 101 states of 75 x 125, 75 x 83 and 25 x 25 pixels, 4 bytes each.
    EXPECT_EQ(history.PixelBytes(), 6'554'900u);
    history.Clear();
    EXPECT_EQ(history.PixelBytes(), 0u);
}

// The panel as the tools drive it: a snapshot before each change.
class History : public CreatedPanel {
  protected:
    void Stroke(int x, COLORREF colour) {
        panel.TakeUndoSnapshot();
        Pixels(panel.View().viewMode).At(x, 0) = colour;
    }
    Grid Row() { return testing::ReadGrid(panel.CurrentImage(), Point{0, 0}, 3, 1, kLegend); }
};

TEST_F(History, StepsBackThroughEachStrokeAndForwardAgain) {
    EXPECT_FALSE(panel.CanStepBack()) << "a new picture has no past";
    Stroke(0, kRed);
    Stroke(1, kGreen);
    Stroke(2, kBlue);
    EXPECT_FALSE(panel.CanStepForward());
    host.ClearRecords();

    for (const Grid& earlier : {Grid{"rg."}, Grid{"r.."}, Grid{"..."}}) {
        ASSERT_TRUE(panel.CanStepBack());
        EXPECT_TRUE(panel.StepBack());
        EXPECT_EQ(Row(), earlier);
    }
    EXPECT_FALSE(panel.CanStepBack());
    EXPECT_FALSE(panel.StepBack());
    EXPECT_EQ(host.invalidations.back(),
              (testing::FakeHost::Invalidation{testing::FakeHost::kWholePanel, true}));

    for (const Grid& later : {Grid{"r.."}, Grid{"rg."}, Grid{"rgb"}}) {
        ASSERT_TRUE(panel.CanStepForward());
        EXPECT_TRUE(panel.StepForward());
        EXPECT_EQ(Row(), later);
    }
    EXPECT_FALSE(panel.StepForward());
    EXPECT_EQ(Row(), Grid{"rgb"});
}

TEST_F(History, AChangeAfterSteppingBackEndsTheRedo) {
    Stroke(0, kRed);
    Stroke(1, kGreen);
    panel.StepBack();
    panel.StepBack();
    ASSERT_TRUE(panel.CanStepForward());
    Stroke(2, kBlue); // drawn over the first state
    EXPECT_FALSE(panel.CanStepForward()) << "before anything recorded the change";
    EXPECT_FALSE(panel.StepForward());
    EXPECT_EQ(Row(), Grid{"..b"});
    EXPECT_TRUE(panel.StepBack());
    EXPECT_EQ(Row(), Grid{"..."});
    EXPECT_TRUE(panel.StepForward());
    EXPECT_EQ(Row(), Grid{"..b"}) << "the new branch, not the strokes it replaced";
    EXPECT_FALSE(panel.CanStepForward());
}

TEST_F(History, EachPictureStepsAlone) {
    Stroke(0, kRed);
    Stroke(1, kRed);
    panel.OnDpButton();
    Stroke(0, kGreen);
    EXPECT_TRUE(panel.StepBack());
    EXPECT_EQ(Row(), Grid{"..."});
    EXPECT_FALSE(panel.StepBack());
    EXPECT_EQ(testing::ReadGrid(panel.Image(ViewMode::Wear), Point{0, 0}, 3, 1, kLegend),
              Grid{"rr."});

    panel.OnWearButton();
    EXPECT_TRUE(panel.StepBack());
    EXPECT_EQ(Row(), Grid{"r.."});
    EXPECT_EQ(panel.History().StateCount(ViewMode::Dp), 2);
    EXPECT_EQ(panel.History().Cursor(ViewMode::Dp), 0) << "the DP picture's step is kept";
}

TEST_F(History, CtrlZStillTogglesAndMixedWithStepsLosesNothing) {
    Stroke(0, kRed);
    Stroke(1, kGreen);
    Stroke(2, kBlue);
    EXPECT_TRUE(panel.Undo());
    EXPECT_EQ(Row(), Grid{"rg."});
    EXPECT_TRUE(panel.Undo());
    EXPECT_EQ(Row(), Grid{"rgb"});

    // Every picture the swaps showed is a step of its own on the way back.
    for (const Grid& earlier : {Grid{"rg."}, Grid{"rgb"}, Grid{"rg."}, Grid{"r.."}, Grid{"..."}}) {
        EXPECT_TRUE(panel.StepBack());
        EXPECT_EQ(Row(), earlier);
    }
    EXPECT_FALSE(panel.StepBack());

    // The steps left the undo copy alone: Ctrl+Z swaps with it wherever they went.
    EXPECT_EQ(testing::ReadGrid(panel.UndoBitmap(), Point{0, 0}, 3, 1, kLegend), Grid{"rg."});
    EXPECT_TRUE(panel.Undo());
    EXPECT_EQ(Row(), Grid{"rg."});
    EXPECT_TRUE(panel.StepBack()) << "the swapped-away picture was recorded";
    EXPECT_EQ(Row(), Grid{"..."});
    EXPECT_TRUE(panel.StepForward());
    EXPECT_EQ(Row(), Grid{"rg."});
}

TEST_F(History, AFloatingSelectionIsPlacedBeforeTheStep) {
    Stroke(0, kRed);
    Stroke(1, kGreen);
    panel.StepBack();
    panel.LiftSelection(Point{0, 0}, Point{2, 1}); // lifted, not moved: placing changes nothing
    EXPECT_TRUE(panel.CanStepForward());
    panel.DropFloatingSelection();

    panel.SetOpaqueSelection(true);
    panel.LiftSelection(Point{0, 0}, Point{1, 1}); // the red pixel, its source left in place
    panel.MoveSelectionBy(2, 0);
    EXPECT_FALSE(panel.CanStepForward()) << "placing it is a change, which ends the redo";
    EXPECT_TRUE(panel.StepBack());
    EXPECT_FALSE(panel.Selection().hasFloatingSelection);
    EXPECT_EQ(Row(), Grid{"r.."}) << "the state before the placing";
    EXPECT_TRUE(panel.StepForward());
    EXPECT_EQ(Row(), Grid{"r.r"}) << "the placed pixels were recorded";
}

TEST_F(History, OneHundredFiftyChangesKeepTheLastHundredSteps) {
    for (int change = 0; change < 150; ++change) {
        panel.TakeUndoSnapshot();
        Pixels(ViewMode::Wear).At(change % 75, change / 75) = kRed;
    }
    EXPECT_EQ(panel.History().StateCount(ViewMode::Wear), PictureHistory::kStatesKept);
    int steps = 0;
    while (panel.StepBack()) {
        ++steps;
    }
    EXPECT_EQ(steps, PictureHistory::kStepsBack);
    // The pixels are marked in order, so their count tells which state this is.
    EXPECT_EQ(testing::CountOf(panel.CurrentImage(), RECT{0, 0, 75, 125}, kRed), 50);
    EXPECT_EQ(panel.History().StateCount(ViewMode::Wear), PictureHistory::kStatesKept);
}

TEST_F(History, ANewDocumentForgetsTheOldOne) {
    Stroke(0, kRed);
    panel.OnDpButton();
    Stroke(0, kGreen);
    panel.ResetForNewDocument();
    EXPECT_FALSE(panel.CanStepBack());
    EXPECT_FALSE(panel.StepBack());
    EXPECT_EQ(Row(), Grid{"..."});
    panel.OnWearButton();
    EXPECT_FALSE(panel.StepBack());
    EXPECT_EQ(Row(), Grid{"..."});
    for (const ViewMode mode : {ViewMode::Wear, ViewMode::Dp, ViewMode::Hair}) {
        EXPECT_EQ(panel.History().StateCount(mode), 1);
    }
}

TEST(HistoryBeforeCreation, StepsFindNothingAndTouchNothing) {
    testing::FakeHost host;
    CEditPanel panel(host);
    panel.TakeUndoSnapshot();
    EXPECT_FALSE(panel.CanStepBack());
    EXPECT_FALSE(panel.StepBack());
    EXPECT_FALSE(panel.StepForward());
    EXPECT_TRUE(host.invalidations.empty());
}

} // namespace
} // namespace pattik
