// A seeded random driver of the panel, the pointer handlers, the palette and the editing
// keys: any sequence of operations and events, with any values, keeps every read and write
// inside the bitmaps (the suite also runs under the address and undefined-behaviour
// sanitizers) and keeps the panel's rules.
#include "support/panel/panel_fixtures.h"
#include "tools/canvas_tools.h"
#include "tools/colour_controls.h"
#include "tools/previews.h"
#include "tools/tool_palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <initializer_list>
#include <random>

namespace pattik {
namespace {

class RandomOperations : public testing::PaintPanel {
  protected:
    RandomOperations() { panel.SetOverlay(&tools.Previews()); }

    // Small values near the picture most of the time, the int limits sometimes.
    int AnyInt() {
        switch (random() % 4) {
        case 0:
            return std::uniform_int_distribution<int>(INT_MIN, INT_MAX)(random);
        case 1:
            return (random() % 2) != 0 ? INT_MAX - static_cast<int>(random() % 8)
                                       : INT_MIN + static_cast<int>(random() % 8);
        default:
            return std::uniform_int_distribution<int>(-20, 140)(random);
        }
    }
    Point AnyPoint() { return Point{AnyInt(), AnyInt()}; }
    float AnyFloat() {
        constexpr float kFloats[] = {
            2.0f,  4.0f,  6.0f,  10.0f, 0.0f,
            -0.0f, -2.0f, 1e-9f, 1e30f, std::numeric_limits<float>::infinity(),
            3.0f};
        return kFloats[random() % std::size(kFloats)];
    }

    // Points on the panel most of the time, anywhere sometimes.
    Point AnyClientPoint() {
        if (random() % 4 == 0) {
            return AnyPoint();
        }
        return Point{std::uniform_int_distribution<int>(-10, 260)(random),
                     std::uniform_int_distribution<int>(-10, 380)(random)};
    }

    void RandomEvent() {
        const Point p = AnyClientPoint();
        const bool left = random() % 2 != 0;
        const bool right = random() % 3 == 0;
        switch (random() % 12) {
        case 0:
            tools.OnLButtonDown(PointerEvent{p, true});
            break;
        case 1:
            tools.OnRButtonDown(PointerEvent{p, false, true});
            break;
        case 2:
        case 3:
        case 4:
            tools.OnMouseMove(PointerEvent{p, left, right});
            break;
        case 5:
            tools.OnLButtonUp(PointerEvent{p});
            break;
        case 6:
            tools.OnRButtonUp(PointerEvent{p});
            break;
        case 7:
            tools.OnTimer(random() % 2 != 0 ? 2313 : AnyInt());
            break;
        case 8:
            tools.OnLButtonDblClk(PointerEvent{p, true});
            break;
        case 9:
            host.keysDown.clear();
            if (random() % 3 == 0)
                host.keysDown.insert(PolledKey::Space);
            if (random() % 3 == 0)
                host.keysDown.insert(PolledKey::LeftControl);
            break;
        case 10:
            switch (random() % 3) {
            case 0:
                tools.OnEscape();
                break;
            case 1:
                tools.OnDelete();
                break;
            default:
                tools.OnUndo();
                break;
            }
            break;
        default:
            switch (random() % 5) {
            case 0:
                palette.OnToolButton(995 + static_cast<int>(random() % 20));
                break;
            case 1:
                palette.OnOptionButton(1020 + static_cast<int>(random() % 10));
                break;
            case 2:
                palette.OnLButtonDown(AnyClientPoint());
                break;
            case 3:
                host.editTexts[1015] = std::to_string(AnyInt());
                OnEditChanged(panel, MixerChannel::Red);
                break;
            default:
                host.trackbarPositions[1013] = AnyInt();
                OnTrackbarMoved(panel);
                break;
            }
            break;
        }
    }

    void RandomStep() {
        if (random() % 2 == 0) {
            RandomEvent();
            return;
        }
        switch (random() % 20) {
        case 0:
            panel.SelectViewMode(static_cast<ViewMode>(random() % 4));
            break;
        case 1:
            panel.SetZoom(AnyFloat());
            break;
        case 2:
            panel.SetScrollOffset(AnyPoint());
            break;
        case 3:
            panel.SetTool(static_cast<ToolKind>(static_cast<int>(random() % 13) - 2));
            break;
        case 4:
            panel.SetLineWidth(AnyInt());
            break;
        case 5:
            panel.SetEraserSize((random() % 2) != 0 ? 10 : AnyInt());
            break;
        case 6:
            panel.SetFillStyle(static_cast<int>(random() % 4) - 2);
            break;
        case 7:
            panel.SetOpaqueSelection((random() % 2) != 0);
            break;
        case 8:
        case 9:
            tools.OnMouseMove(PointerEvent{AnyPoint(), (random() % 2) != 0});
            break;
        case 10:
            panel.LiftSelection(AnyPoint(), AnyPoint());
            break;
        case 11:
            panel.MoveSelectionBy(AnyInt(), AnyInt());
            break;
        case 12:
            panel.CommitFloatingSelection();
            break;
        case 13:
            panel.DropFloatingSelection();
            break;
        case 14:
            panel.TakeUndoSnapshot();
            break;
        case 15:
            panel.Undo();
            break;
        case 16:
            panel.ChangeItem(static_cast<int>(random() % 4) - 1,
                             static_cast<int>(random() % 17) - 2);
            break;
        case 17:
            panel.SetMixerChannel(MixerChannel::Red, AnyInt());
            break;
        case 18:
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

    std::mt19937 random{20261208};
    CToolPalette palette{panel, host, host};
    CanvasTools tools{panel, palette, host, host, host};
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
