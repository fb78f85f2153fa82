#include "image/cximage.h"

#include <benchmark/benchmark.h>

namespace pattik {
namespace {

constexpr int kWearWidth = 75;
constexpr int kWearHeight = 125;

// The canvas path of every repaint: the wear picture, with magenta as its key colour,
// drawn enlarged over what the canvas already shows.
void BM_DrawTransparentWearStretched(benchmark::State& state) {
    DeviceBitmap wear(kWearWidth, kWearHeight);
    for (int y = 0; y < kWearHeight; ++y) {
        for (int x = 0; x < kWearWidth; ++x) {
            wear.At(x, y) = (x / 5 + y / 7) % 3 == 0 ? kTransparentMagenta
                                                     : RGB(static_cast<std::uint8_t>(x * 3), 40,
                                                           static_cast<std::uint8_t>(y * 2));
        }
    }
    CxImage picture(kImageTypeGif);
    picture.LoadFromDeviceBitmap(&wear);
    picture.info.TransparentIndex = 255;
    picture.info.TransparentColour = RGBQUAD{255, 0, 255, 0};
    DeviceBitmap target(2 * kWearWidth, 2 * kWearHeight);
    target.Fill(kWhite);
    DrawingContext context(&target);
    for (auto _ : state) {
        benchmark::DoNotOptimize(picture.Draw(&context, 0, 0, 2 * kWearWidth, 2 * kWearHeight));
    }
    state.SetItemsProcessed(state.iterations() * 4 * kWearWidth * kWearHeight);
}
BENCHMARK(BM_DrawTransparentWearStretched);

} // namespace
} // namespace pattik
