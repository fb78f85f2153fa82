// A seeded random user of the panel, the pointer handlers, the palette and the editing keys,
// mixed with the panel's operations called directly: any sequence of them, with any values,
// keeps every read and write inside the bitmaps (the suite also runs under the address and
// undefined-behaviour sanitizers) and keeps the panel's rules.
#include "support/panel/panel_fixtures.h"
#include "support/tools/random_user.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <limits>

namespace pattik {
namespace {

class RandomOperations : public testing::PaintPanel {
  protected:
    RandomOperations() { panel.SetOverlay(&tools.Previews()); }

    Point AnyPoint() { return Point{user.AnyInt(), user.AnyInt()}; }
    float AnyFloat() {
        constexpr float kFloats[] = {
            2.0f,  4.0f,  6.0f,  10.0f, 0.0f,
            -0.0f, -2.0f, 1e-9f, 1e30f, std::numeric_limits<float>::infinity(),
            3.0f};
        return kFloats[user.Between(0, static_cast<int>(std::size(kFloats)) - 1)];
    }

    // Half the steps are what a user does, half the panel's operations called with any value.
    void RandomStep() {
        switch (user.Between(0, 9)) {
        case 0:
        case 1:
        case 2:
            user.Pointer();
            return;
        case 3:
            user.EditingKey();
            return;
        case 4:
            user.Control();
            return;
        default:
            PanelOperation();
            return;
        }
    }

    void PanelOperation() {
        switch (user.Between(0, 18)) {
        case 0:
            panel.SelectViewMode(static_cast<ViewMode>(user.Between(0, 3)));
            break;
        case 1:
            panel.SetZoom(AnyFloat());
            break;
        case 2:
            panel.SetScrollOffset(AnyPoint());
            break;
        case 3:
            panel.SetTool(static_cast<ToolKind>(user.Between(-2, 10)));
            break;
        case 4:
            panel.SetLineWidth(user.AnyInt());
            break;
        case 5:
            panel.SetEraserSize(user.OneIn(2) ? 10 : user.AnyInt());
            break;
        case 6:
            panel.SetFillStyle(user.Between(-2, 1));
            break;
        case 7:
            panel.SetOpaqueSelection(user.OneIn(2));
            break;
        case 8:
            tools.OnMouseMove(PointerEvent{AnyPoint(), user.OneIn(2)});
            break;
        case 9:
            panel.LiftSelection(AnyPoint(), AnyPoint());
            break;
        case 10:
            panel.MoveSelectionBy(user.AnyInt(), user.AnyInt());
            break;
        case 11:
            panel.CommitFloatingSelection();
            break;
        case 12:
            panel.DropFloatingSelection();
            break;
        case 13:
            panel.TakeUndoSnapshot();
            break;
        case 14:
            panel.Undo();
            break;
        case 15:
            panel.ChangeItem(user.Between(-1, 2), user.Between(-2, 14));
            break;
        case 16:
            panel.SetMixerChannel(MixerChannel::Red, user.AnyInt());
            break;
        case 17:
            panel.Mapping().ImageToCanvas(AnyPoint());
            break;
        default:
            PaintClient();
            break;
        }
    }

    void ExpectTheRulesHold() {
        const RECT& rect = panel.Selection().selectionRect;
        ASSERT_LE(rect.left, rect.right);
        ASSERT_LE(rect.top, rect.bottom);
        const ViewState& view = panel.View();
        ASSERT_TRUE(view.zoom == 2.0f || view.zoom == 4.0f || view.zoom == 6.0f ||
                    view.zoom == 10.0f);
        const CanvasMapping wear(view.zoom, view.scrollOffset, kWearImageSize);
        const RECT shown = wear.SourceArea();
        ASSERT_GE(shown.left, 0);
        ASSERT_GE(shown.top, 0);
        ASSERT_LE(shown.right, kWearImageSize.cx);
        ASSERT_LE(shown.bottom, kWearImageSize.cy);
        const ToolOptions& options = panel.Options();
        ASSERT_TRUE(IsOneOf(options.lineWidth, {1, 3, 5, 7}));
        ASSERT_TRUE(IsOneOf(options.eraserSize, {2, 4, 6, 10}));
        ASSERT_TRUE(IsOneOf(options.fillStyle, {1, 0, -1}));
        ASSERT_GE(static_cast<int>(options.currentTool), -1);
        ASSERT_LE(static_cast<int>(options.currentTool), 9);
    }

    static bool IsOneOf(int value, std::initializer_list<int> offered) {
        return std::find(offered.begin(), offered.end(), value) != offered.end();
    }

    CToolPalette palette{panel, host, host};
    CanvasTools tools{panel, palette, host, host, host};
    testing::RandomUser user{panel, palette, tools, host, 20261208};
};

TEST_F(RandomOperations, KeepEveryAccessInsideTheBitmapsAndTheRulesIntact) {
    palette.OnCreate();
    Choose(Gender::Female, ItemCategory::Top);
    for (int step = 0; step < 30000; ++step) {
        RandomStep();
        ExpectTheRulesHold();
    }
}

} // namespace
} // namespace pattik
