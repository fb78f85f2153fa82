// Our GIF writer beside giflib's encoder on the same 4096 x 4096 8-bit pixels.
#include "image/cximage.h"
#include "image/memory_stream.h"

#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace pattik {
namespace {

constexpr int kSide = 4096;

enum class Content { Noise, LongRuns };

// Pixel indices top row first, the order both encoders take them in.
std::vector<std::uint8_t> Pixels(Content content) {
    std::vector<std::uint8_t> pixels(std::size_t{kSide} * kSide);
    std::mt19937 random(7);
    std::size_t left = 0;
    std::uint8_t value = 0;
    for (auto& pixel : pixels) {
        if (content == Content::Noise) {
            pixel = static_cast<std::uint8_t>(random());
            continue;
        }
        if (left == 0) {
            value = static_cast<std::uint8_t>(random() % 6);
            left = 200 + random() % 3000;
        }
        --left;
        pixel = value;
    }
    return pixels;
}

// Our picture of the same pixels.
void FillImage(CxImage& image, Content content) {
    const auto pixels = Pixels(content);
    image.Create(kSide, kSide, 8, kImageTypeGif);
    for (int row = 0; row < kSide; ++row) {
        for (int x = 0; x < kSide; ++x) {
            image.SetPixelIndex(x, kSide - 1 - row, pixels[std::size_t(row) * kSide + x]);
        }
    }
}

void BM_OurGifWriter(benchmark::State& state) {
    CxImage image(kImageTypeGif);
    FillImage(image, static_cast<Content>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        MemoryStream stream;
        image.Encode(&stream, kImageTypeGif);
        bytes = stream.Data().size();
    }
    state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_OurGifWriter)->Arg(0)->Arg(1)->ArgName("long_runs")->Unit(benchmark::kMillisecond);

// The same through Save's own path: Encode into a FILE*, here one that writes to memory.
void BM_OurGifWriterToFile(benchmark::State& state) {
    CxImage image(kImageTypeGif);
    FillImage(image, static_cast<Content>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        char* buffer = nullptr;
        std::size_t length = 0;
        std::FILE* file = open_memstream(&buffer, &length);
        image.Encode(file, kImageTypeGif);
        std::fclose(file);
        bytes = length;
        std::free(buffer);
    }
    state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_OurGifWriterToFile)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("long_runs")
    ->Unit(benchmark::kMillisecond);

int AppendToVector(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

void BM_GiflibEncoder(benchmark::State& state) {
    auto pixels = Pixels(static_cast<Content>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::vector<std::uint8_t> out;
        int error = 0;
        GifFileType* gif = EGifOpen(&out, AppendToVector, &error);
        ColorMapObject* colours = GifMakeMapObject(256, nullptr);
        EGifSetGifVersion(gif, true);
        EGifPutScreenDesc(gif, kSide, kSide, 8, 0, colours);
        EGifPutImageDesc(gif, 0, 0, kSide, kSide, false, nullptr);
        for (int row = 0; row < kSide; ++row) {
            EGifPutLine(gif, pixels.data() + std::size_t(row) * kSide, kSide);
        }
        EGifCloseFile(gif, &error);
        GifFreeMapObject(colours);
        bytes = out.size();
    }
    state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_GiflibEncoder)->Arg(0)->Arg(1)->ArgName("long_runs")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pattik
