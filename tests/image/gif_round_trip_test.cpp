#include "image/cximage.h"
#include "image/memory_stream.h"
#include "support/image/gif_decoder.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

namespace pattik {
namespace {

struct Picture {
    std::string name;
    int width;
    int height;
    unsigned bits;
    // The index of pixel n, counted from the top-left, row by row.
    std::function<std::uint8_t(std::size_t n, std::mt19937& random)> pixel;
};

std::uint8_t Limit(unsigned bits, unsigned value) {
    return static_cast<std::uint8_t>(value & ((1u << bits) - 1));
}

// Runs of random length and random colour; maxRun decides how long they get.
Picture Runs(std::string name, int width, int height, unsigned bits, unsigned maxRun,
             unsigned colours) {
    auto state = std::make_shared<std::pair<std::uint8_t, unsigned>>(0, 0);
    return Picture{std::move(name), width, height, bits, [=](std::size_t, std::mt19937& random) {
                       if (state->second == 0) {
                           state->first = Limit(bits, random() % colours);
                           state->second = 1 + random() % maxRun;
                       }
                       --state->second;
                       return state->first;
                   }};
}

class GifRoundTrip : public ::testing::TestWithParam<Picture> {};

TEST_P(GifRoundTrip, IndependentDecoderReadsBackEveryIndex) {
    const Picture& picture = GetParam();
    std::mt19937 random(2024);
    CxImage image(kImageTypeGif);
    ASSERT_NE(image.Create(picture.width, picture.height, picture.bits, kImageTypeGif), nullptr);
    std::vector<std::uint8_t> expected;
    for (int row = 0; row < picture.height; ++row) {
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t index = picture.pixel(expected.size(), random);
            image.SetPixelIndex(x, picture.height - 1 - row, index);
            expected.push_back(index);
        }
    }
    for (unsigned i = 0; i < (1u << picture.bits); ++i) {
        image.SetPaletteColor(static_cast<std::uint8_t>(i),
                              RGB(static_cast<std::uint8_t>(i), 7, 9));
    }
    MemoryStream stream;
    ASSERT_TRUE(image.Encode(&stream, kImageTypeGif));
    const testing::DecodedGif decoded = testing::DecodeGif(stream.Data());
    ASSERT_TRUE(decoded.ok) << decoded.error;
    ASSERT_EQ(decoded.width, picture.width);
    ASSERT_EQ(decoded.height, picture.height);
    ASSERT_EQ(decoded.indices.size(), expected.size());
    for (std::size_t n = 0; n < expected.size(); ++n) {
        ASSERT_EQ(decoded.indices[n], expected[n]) << "pixel " << n;
    }
    ASSERT_EQ(decoded.palette.size(), 3u << picture.bits);
    EXPECT_EQ(decoded.palette[3 * 1], 1); // red of entry 1
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, GifRoundTrip,
    ::testing::Values(
        Picture{"Noise8", 97, 61, 8, [](std::size_t, std::mt19937& r) { return Limit(8, r()); }},
        Picture{"Noise4", 64, 33, 4, [](std::size_t, std::mt19937& r) { return Limit(4, r()); }},
        Picture{"Noise1", 129, 17, 1, [](std::size_t, std::mt19937& r) { return Limit(1, r()); }},
        Picture{"OneColour8", 75, 125, 8,
                [](std::size_t, std::mt19937&) { return std::uint8_t{9}; }},
        // Longer than one ladder of run codes can cover, so the coder must clear midway.
        Picture{"RunBeyondTheTable8", 4096, 2048, 8,
                [](std::size_t n, std::mt19937&) { return std::uint8_t(n < 4096 * 2047 ? 3 : 4); }},
        Picture{"RunBeyondTheTable1", 4096, 4096, 1,
                [](std::size_t, std::mt19937&) { return std::uint8_t{1}; }},
        Picture{"Alternating8", 75, 125, 8,
                [](std::size_t n, std::mt19937&) { return std::uint8_t((n / 7) % 2 ? 200 : 17); }},
        Picture{"AlternatingPixels4", 33, 9, 4,
                [](std::size_t n, std::mt19937&) { return Limit(4, unsigned(n % 2)); }},
        Runs("ShortRuns8", 75, 125, 8, 6, 256), Runs("FewColourRuns8", 300, 200, 8, 40, 3),
        Runs("LongRuns8", 640, 480, 8, 5000, 4), Runs("Runs4", 99, 77, 4, 30, 16),
        Runs("Runs1", 257, 129, 1, 70, 2), Runs("HugeRuns4", 1024, 1024, 4, 100000, 2)),
    [](const auto& test) { return test.param.name; });

} // namespace
} // namespace pattik
