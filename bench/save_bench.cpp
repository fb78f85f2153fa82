// Saving an item: composing its three pictures and encoding each as the GIF file it becomes,
// in memory, so the figure is the program's work and not the disk's.
#include "image/memory_stream.h"
#include "image/write_gif.h"
#include "panel/edit_panel.h"
#include "panel/null_panel_host.h"

#include <benchmark/benchmark.h>

namespace pattik {
namespace {

void BM_SaveItemInMemory(benchmark::State& state) {
    NullPanelHost host;
    CEditPanel panel{host};
    panel.OnCreate();
    panel.SetUpAfterBarsExist();
    panel.ChangeItem(0, static_cast<int>(ItemCategory::Top));
    // A drawing over the wear picture: 16 colours, as items have, or (argument 1) 3,150, far
    // more than a GIF holds, so most are merged into the nearest entry.
    const bool manyColours = state.range(0) == 1;
    DrawingContext wear = panel.ImageContext(ViewMode::Wear);
    for (int y = 20; y < 90; ++y) {
        for (int x = 15; x < 60; ++x) {
            const auto red = static_cast<std::uint8_t>(manyColours ? x * 4 : (x / 12) * 60);
            const auto green = static_cast<std::uint8_t>(manyColours ? y : (y / 18) * 60);
            wear.SetPixel(x, y, RGB(red, green, 80));
        }
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        const OutputPictures pictures = panel.ComposeOutputPictures();
        bytes = 0;
        for (const DeviceBitmap* bitmap : {&pictures.wear, &pictures.dp, &*pictures.hair}) {
            CxImageGif picture;
            picture.LoadFromDeviceBitmap(bitmap);
            CxImageGif gif;
            MakeGifPicture(picture, gif);
            MemoryStream stream;
            gif.Encode(&stream, kImageTypeGif);
            bytes += stream.Data().size();
        }
    }
    state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SaveItemInMemory)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("many_colours")
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace pattik
