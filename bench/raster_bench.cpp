#include "raster/drawing_context.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace pattik {
namespace {

constexpr int kWearWidth = 75;
constexpr int kWearHeight = 125;
constexpr int kLargeSide = 4096;

// The canvas enlargement: the 75 x 125 composition doubled onto 150 x 250.
void BM_StretchBltWearToCanvas(benchmark::State& state) {
    DeviceBitmap source(kWearWidth, kWearHeight);
    DeviceBitmap canvas(2 * kWearWidth, 2 * kWearHeight);
    for (int y = 0; y < kWearHeight; ++y) {
        for (int x = 0; x < kWearWidth; ++x) {
            source.At(x, y) =
                RGB(static_cast<std::uint8_t>(x * 3), static_cast<std::uint8_t>(y * 2), 90);
        }
    }
    DrawingContext from(&source);
    DrawingContext to(&canvas);
    for (auto _ : state) {
        StretchBlt(to, 0, 0, 2 * kWearWidth, 2 * kWearHeight, from, 0, 0, kWearWidth, kWearHeight);
        benchmark::DoNotOptimize(canvas.At(0, 0));
    }
}
BENCHMARK(BM_StretchBltWearToCanvas);

// One shape primitive on the wear picture: a 2-pixel line, a small rectangle and a small
// ellipse with a 3-pixel pen. Each should cost in proportion to the shape, not the picture.
void BM_ShapePrimitive(benchmark::State& state) {
    DeviceBitmap picture(kWearWidth, kWearHeight);
    DrawingContext context(&picture);
    context.SelectPen(Pen{PenStyle::Solid, state.range(0) == 0 ? 1 : 3, kBlack});
    int step = 0;
    for (auto _ : state) {
        const int x = 10 + step % 40;
        switch (state.range(0)) {
        case 0:
            context.MoveTo(x, 40);
            context.LineTo(x + 2, 40);
            break;
        case 1:
            context.Rectangle(x, 40, x + 8, 48);
            break;
        default:
            context.Ellipse(x, 40, x + 8, 48);
            break;
        }
        ++step;
        benchmark::DoNotOptimize(picture.At(x, 40));
    }
}
BENCHMARK(BM_ShapePrimitive)->Arg(0)->Arg(1)->Arg(2)->ArgName("line_rect_ellipse");

// A flood fill of a 4096 x 4096 region of one colour, each iteration alternating the
// fill colour so that every run fills the whole region again.
void BM_FloodFillLargeRegion(benchmark::State& state) {
    DeviceBitmap bitmap(kLargeSide, kLargeSide);
    DrawingContext context(&bitmap);
    COLORREF current = kBlack;
    for (auto _ : state) {
        const COLORREF next = current == kBlack ? kWhite : kBlack;
        context.SelectBrush(Brush{BrushStyle::Solid, next});
        context.ExtFloodFill(kLargeSide / 2, kLargeSide / 2, current);
        current = next;
        benchmark::DoNotOptimize(bitmap.At(0, 0));
    }
    state.SetItemsProcessed(state.iterations() * kLargeSide * kLargeSide);
}
BENCHMARK(BM_FloodFillLargeRegion)->Unit(benchmark::kMillisecond);

// The floor for the fill above: writing the same pixels with std::fill.
void BM_StdFillLargeRegion(benchmark::State& state) {
    DeviceBitmap bitmap(kLargeSide, kLargeSide);
    COLORREF current = kBlack;
    for (auto _ : state) {
        current = current == kBlack ? kWhite : kBlack;
        std::fill(bitmap.Row(0), bitmap.Row(0) + std::size_t{kLargeSide} * kLargeSide, current);
        benchmark::DoNotOptimize(bitmap.At(0, 0));
    }
    state.SetItemsProcessed(state.iterations() * kLargeSide * kLargeSide);
}
BENCHMARK(BM_StdFillLargeRegion)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pattik
