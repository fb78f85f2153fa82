#include "panel/edit_panel.h"
#include "panel/null_panel_host.h"
#include "tools/previews.h"

#include <benchmark/benchmark.h>

namespace pattik {
namespace {

// A whole repaint of the panel, as every hover move over the canvas asks for one.
void BM_PaintPanel(benchmark::State& state) {
    NullPanelHost host;
    CEditPanel panel(host);
    panel.OnCreate();
    panel.SetUpAfterBarsExist();
    panel.ChangeItem(0, static_cast<int>(ItemCategory::Top));
    // The pencil's dot under a hovering pointer.
    const Gesture gesture{Point{30, 60}, Point{30, 60}, true, {}};
    const ToolPreviews previews(gesture);
    panel.SetOverlay(&previews);
    panel.SetTool(ToolKind::Pencil);
    const auto view = static_cast<ViewMode>(state.range(0));
    if (view == ViewMode::Dp) {
        panel.OnDpButton();
    } else if (view == ViewMode::Hair) {
        panel.OnHairButton();
    }
    DeviceBitmap client(400, 400);
    DrawingContext context(&client);
    for (auto _ : state) {
        panel.Paint(context);
        benchmark::DoNotOptimize(client.At(10, 30));
    }
}
BENCHMARK(BM_PaintPanel)->Arg(0)->Arg(1)->Arg(2)->ArgName("view");

} // namespace
} // namespace pattik
