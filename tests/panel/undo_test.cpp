#include "support/panel/panel_fixtures.h"

#include <gtest/gtest.h>

namespace pattik {
namespace {

using testing::CreatedPanel;

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

TEST_F(CreatedPanel, UndoSwapsWithTheCopySoASecondUndoRedoes) {
    panel.Undo(); // before any snapshot: nothing to swap with
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(3, 3), kTransparentMagenta);

    panel.TakeUndoSnapshot();
    Pixels(ViewMode::Wear).At(3, 3) = kRed;
    host.ClearRecords();
    panel.Undo();
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(3, 3), kTransparentMagenta);
    EXPECT_EQ(host.invalidations.back(),
              (testing::FakeHost::Invalidation{testing::FakeHost::kWholePanel, true}));
    panel.Undo();
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(3, 3), kRed);
}

TEST_F(CreatedPanel, UndoIsInertInAnotherViewModeAndWorksAgainOnReturn) {
    panel.TakeUndoSnapshot();
    Pixels(ViewMode::Wear).At(3, 3) = kRed;
    panel.OnDpButton();
    Pixels(ViewMode::Dp).At(3, 3) = kBlue;
    panel.Undo();
    EXPECT_EQ(panel.Image(ViewMode::Dp).At(3, 3), kBlue);
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(3, 3), kRed);
    panel.OnWearButton();
    panel.Undo();
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(3, 3), kTransparentMagenta);
}

TEST_F(CreatedPanel, UndoOfASmallerPictureTouchesNothingOutsideIt) {
    // The undo copy holds a wear snapshot; a DP snapshot then replaces only its top 83 rows.
    Pixels(ViewMode::Wear).Fill(kRed);
    panel.TakeUndoSnapshot();
    panel.OnDpButton();
    Pixels(ViewMode::Dp).Fill(kBlue);
    panel.TakeUndoSnapshot();
    EXPECT_EQ(panel.UndoInfo().undoViewMode, static_cast<int>(ViewMode::Dp));
    Pixels(ViewMode::Dp).Fill(kTransparentMagenta);
    panel.Undo();
    EXPECT_EQ(panel.Image(ViewMode::Dp).At(74, 82), kBlue);
    EXPECT_EQ(panel.UndoBitmap().At(74, 82), kTransparentMagenta);
    EXPECT_EQ(panel.UndoBitmap().At(74, 83), kRed) << "below the DP picture";
    EXPECT_EQ(panel.UndoBitmap().At(0, 124), kRed);
}

// Before the panel's bitmaps exist nothing can be copied, so nothing may claim it was.
TEST(UndoBeforeCreation, NeitherSnapshotNorLiftClaimsACopyItDidNotMake) {
    testing::FakeHost host;
    CEditPanel panel(host);
    panel.TakeUndoSnapshot();
    EXPECT_EQ(panel.UndoInfo().undoViewMode, -1);
    panel.Undo();
    panel.LiftSelection(Point{0, 0}, Point{5, 5});
    EXPECT_FALSE(panel.Selection().hasFloatingSelection);
}

} // namespace
} // namespace pattik
