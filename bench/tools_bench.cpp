// The steps that run under the mouse, each with the repaint it asks for.
#include "panel/edit_panel.h"
#include "panel/null_panel_host.h"
#include "panel/panel_geometry.h"
#include "res/control_ids.h"
#include "tools/canvas_tools.h"
#include "tools/previews.h"
#include "tools/tool_palette.h"

#include <benchmark/benchmark.h>

namespace pattik {
namespace {

// A panel with a top chosen, the palette created, in the Wear view at zoom 2.
struct Editor {
    Editor() {
        panel.OnCreate();
        panel.SetUpAfterBarsExist();
        panel.SetOverlay(&tools.Previews());
        palette.OnCreate();
        panel.ChangeItem(0, static_cast<int>(ItemCategory::Top));
    }
    void Choose(ToolKind tool) { palette.OnToolButton(kFirstToolButton + static_cast<int>(tool)); }
    // The client point over a picture pixel.
    Point At(int x, int y) const {
        const RECT cell = panel.Mapping().ImageToCanvas(Point{x, y});
        return Point{cell.left, cell.top};
    }
    void Repaint() {
        DrawingContext dc(&client);
        panel.Paint(dc);
    }

    NullPanelHost host;
    NullPaletteHost paletteHost;
    CEditPanel panel{host};
    CToolPalette palette{panel, paletteHost, host};
    CanvasTools tools{panel, palette, host, host, host};
    DeviceBitmap client{260, 372};
};

void BM_HoverMove(benchmark::State& state) {
    Editor editor;
    int step = 0;
    for (auto _ : state) {
        editor.tools.OnMouseMove(PointerEvent{editor.At(10 + step % 50, 40)});
        editor.Repaint();
        ++step;
    }
}
BENCHMARK(BM_HoverMove);

void BM_PencilDragStep(benchmark::State& state) {
    Editor editor;
    editor.tools.OnLButtonDown(PointerEvent{editor.At(10, 40), true});
    int step = 0;
    for (auto _ : state) {
        editor.tools.OnMouseMove(PointerEvent{editor.At(10 + step % 50, 40 + step % 3), true});
        editor.Repaint();
        ++step;
    }
}
BENCHMARK(BM_PencilDragStep);

void BM_AirbrushTick(benchmark::State& state) {
    Editor editor;
    editor.Choose(ToolKind::Airbrush);
    editor.palette.OnOptionButton(kOptionButtons[2]); // 15 dots a tick
    editor.tools.OnLButtonDown(PointerEvent{editor.At(37, 60), true});
    for (auto _ : state) {
        editor.tools.OnTimer(kAirbrushTimer);
        editor.Repaint();
    }
}
BENCHMARK(BM_AirbrushTick);

// The whole 75 x 125 wear picture, one colour then the other.
void BM_FloodFillWearPicture(benchmark::State& state) {
    Editor editor;
    editor.Choose(ToolKind::FloodFill);
    const PointerEvent left{editor.At(37, 60), true};
    const PointerEvent right{editor.At(37, 60), false, true};
    bool useRight = false;
    for (auto _ : state) {
        if (useRight) {
            editor.tools.OnRButtonDown(right);
            editor.tools.OnRButtonUp(right);
        } else {
            editor.tools.OnLButtonDown(left);
            editor.tools.OnLButtonUp(left);
        }
        useRight = !useRight;
    }
}
BENCHMARK(BM_FloodFillWearPicture);

} // namespace
} // namespace pattik
