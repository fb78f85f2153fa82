// The picture history: what one recorded change costs when the history is full, and how much
// memory full histories of all three pictures take, as the allocator counts it.
#include "catalogue/catalogue.h"
#include "panel/picture_history.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <utility>

namespace pattik {
namespace {

constexpr std::pair<ViewMode, Size> kPictures[] = {{ViewMode::Wear, kWearImageSize},
                                                   {ViewMode::Dp, kDpImageSize},
                                                   {ViewMode::Hair, kHairImageSize}};

// A picture known from the others by its one marked pixel.
DeviceBitmap Marked(Size size, int change) {
    DeviceBitmap picture(size.cx, size.cy);
    picture.Fill(kTransparentMagenta);
    picture.At(change % size.cx, change / size.cx % size.cy) = kBlack;
    return picture;
}

std::size_t HeapInUse() {
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
}

// A change recorded into a full wear history: the comparison, the copy and the oldest state
// dropped.
void BM_HistoryCheckpointWhenFull(benchmark::State& state) {
    PictureHistory history;
    for (int change = 0; change < PictureHistory::kStatesKept; ++change) {
        history.Checkpoint(ViewMode::Wear, Marked(kWearImageSize, change));
    }
    DeviceBitmap pictures[] = {Marked(kWearImageSize, 200), Marked(kWearImageSize, 201)};
    int next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(history.Checkpoint(ViewMode::Wear, pictures[next]));
        next = 1 - next;
    }
}
BENCHMARK(BM_HistoryCheckpointWhenFull);

// 150 changes of each picture, far past the limit; the counters give the pixels kept and
// what the allocator holds for the histories.
void BM_FullHistoriesMemory(benchmark::State& state) {
    std::size_t heapBytes = 0;
    std::size_t pixelBytes = 0;
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        PictureHistory history;
        for (const auto& [mode, size] : kPictures) {
            for (int change = 0; change < 150; ++change) {
                history.Checkpoint(mode, Marked(size, change));
            }
        }
        const std::size_t after = HeapInUse();
        heapBytes = after > before ? after - before : 0;
        pixelBytes = history.PixelBytes();
        benchmark::DoNotOptimize(history);
    }
    state.counters["pixel_bytes"] = static_cast<double>(pixelBytes);
    state.counters["heap_bytes"] = static_cast<double>(heapBytes);
}
BENCHMARK(BM_FullHistoriesMemory)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pattik
