// The steps that run under the mouse, each with the repaint it asks for.
#include "panel/edit_panel.h"
#include "panel/null_panel_host.h"
#include "panel/panel_geometry.h"
#include "res/control_ids.h"
#include "tools/canvas_tools.h"
#include "tools/previews.h"
#include "tools/tool_palette.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace pattik {
namespace {

// A window that repaints what the panel asks it to, one rectangle at a time, as the editor's
// window does.
class RepaintingHost : public NullPanelHost {
  public:
    void Invalidate(const RECT& rect, bool) override { asked_.push_back(rect); }
    void InvalidateAll(bool) override {
        asked_.push_back(RECT{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
    }

    void Repaint(CEditPanel& panel, DeviceBitmap& client) {
        for (const RECT& rect : asked_) {
            DrawingContext dc(&client);
            dc.IntersectClipRect(rect);
            panel.Paint(dc);
        }
        asked_.clear();
    }

  private:
    std::vector<RECT> asked_;
};

// A panel with a top chosen, the palette created, in the Wear view at a zoom, all painted.
struct Editor {
    explicit Editor(float zoom = 2.0f) {
        panel.OnCreate();
        panel.SetUpAfterBarsExist();
        panel.SetOverlay(&tools.Previews());
        palette.OnCreate();
        panel.ChangeItem(0, static_cast<int>(ItemCategory::Top));
        panel.SetZoom(zoom);
        panel.SetPixelGrid(zoom, true); // as the window shows it at zoom 4 and up
        panel.SetScrollOffset(Point{10, 30});
        host.InvalidateAll(true);
        Repaint();
    }
    void Choose(ToolKind tool) { palette.OnToolButton(kFirstToolButton + static_cast<int>(tool)); }
    // The client point over a picture pixel.
    Point At(int x, int y) const {
        const RECT cell = panel.Mapping().ImageToCanvas(Point{x, y});
        return Point{cell.left, cell.top};
    }
    void Repaint() { host.Repaint(panel, client); }

    RepaintingHost host;
    NullPaletteHost paletteHost;
    CEditPanel panel{host};
    CToolPalette palette{panel, paletteHost, host};
    CanvasTools tools{panel, palette, host, host, host};
    DeviceBitmap client{260, 372};
};

// The pointer moves a picture pixel at a time over the part of the picture in view (at zoom
// 10 that is 15 x 25 pixels from (10, 30)).
Point StepAlong(int step, int zoom) {
    const int across = zoom >= 10 ? 14 : 50;
    return Point{10 + step % across, 40 + (step / across) % 3};
}

void BM_HoverMove(benchmark::State& state) {
    const auto zoom = static_cast<int>(state.range(0));
    Editor editor(static_cast<float>(zoom));
    int step = 0;
    for (auto _ : state) {
        const Point p = StepAlong(step, zoom);
        editor.tools.OnMouseMove(PointerEvent{editor.At(p.x, p.y)});
        editor.Repaint();
        ++step;
    }
}
BENCHMARK(BM_HoverMove)->Arg(2)->Arg(10)->ArgName("zoom");

void BM_PencilDragStep(benchmark::State& state) {
    const auto zoom = static_cast<int>(state.range(0));
    Editor editor(static_cast<float>(zoom));
    editor.tools.OnLButtonDown(PointerEvent{editor.At(10, 40), true});
    int step = 0;
    for (auto _ : state) {
        const Point p = StepAlong(step, zoom);
        editor.tools.OnMouseMove(PointerEvent{editor.At(p.x, p.y), true});
        editor.Repaint();
        ++step;
    }
}
BENCHMARK(BM_PencilDragStep)->Arg(2)->Arg(10)->ArgName("zoom");

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
