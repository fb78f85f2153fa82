#pragma once

#include "support/panel/panel_fixtures.h"
#include "tools/canvas_tools.h"
#include "tools/previews.h"
#include "tools/tool_palette.h"

namespace pattik::testing {

// A panel with an item chosen, plain artwork and the tools wired as the window wires them;
// the pointer is driven in picture pixels of the canvas at zoom 2.
class ToolTest : public PaintPanel {
  protected:
    ToolTest() {
        panel.SetOverlay(&tools.Previews());
        palette.OnCreate(); // the pencil, a one-pixel line, outline-only shapes
        Choose(Gender::Female, ItemCategory::Top);
        host.ClearRecords();
    }

    // The client point at the top-left of the cell that shows a picture pixel.
    Point At(Point pixel) const {
        const RECT cell = panel.Mapping().ImageToCanvas(pixel);
        return IsEmpty(cell) ? PanelGeometry::kCanvasOrigin : Point{cell.left, cell.top};
    }
    static PointerEvent Event(Point where, bool left, bool right) {
        return PointerEvent{where, left, right};
    }

    void Press(Point pixel, MouseButton button = MouseButton::Left) {
        PressAtClient(At(pixel), button);
    }
    void PressAtClient(Point where, MouseButton button = MouseButton::Left) {
        const bool left = button == MouseButton::Left;
        if (left) {
            tools.OnLButtonDown(Event(where, true, false));
        } else {
            tools.OnRButtonDown(Event(where, false, true));
        }
    }
    void MoveTo(Point pixel, MouseButton button = MouseButton::Left) {
        tools.OnMouseMove(
            Event(At(pixel), button == MouseButton::Left, button == MouseButton::Right));
    }
    void Hover(Point pixel) { tools.OnMouseMove(Event(At(pixel), false, false)); }
    void Release(Point pixel, MouseButton button = MouseButton::Left) {
        ReleaseAtClient(At(pixel), button);
    }
    void ReleaseAtClient(Point where, MouseButton button = MouseButton::Left) {
        if (button == MouseButton::Left) {
            tools.OnLButtonUp(Event(where, false, false));
        } else {
            tools.OnRButtonUp(Event(where, false, false));
        }
    }
    void Click(Point pixel, MouseButton button = MouseButton::Left) {
        Press(pixel, button);
        Release(pixel, button);
    }
    void DragFromTo(Point from, Point to, MouseButton button = MouseButton::Left) {
        Press(from, button);
        MoveTo(to, button);
        Release(to, button);
    }

    DeviceBitmap& Wear() { return Pixels(ViewMode::Wear); }

    const Gesture& Drag() const { return tools.CurrentGesture(); }

    // Whether a composition painted during a drag showed exactly what the release then drew
    // into the wear picture (the plain background elsewhere), in its top rows.
    ::testing::AssertionResult ShowedWhatWasDrawn(const DeviceBitmap& shown, int rows) {
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < 75; ++x) {
                const COLORREF drawn = Wear().At(x, y);
                const COLORREF expected = drawn != kTransparentMagenta ? drawn : kPlainBackground;
                if (shown.At(x, y) != expected) {
                    return ::testing::AssertionFailure() << "differs at " << x << "," << y;
                }
            }
        }
        return ::testing::AssertionSuccess();
    }

    CToolPalette palette{panel, host, host};
    CanvasTools tools{panel, palette, host, host, host};
};

} // namespace pattik::testing
