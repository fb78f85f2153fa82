#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace pattik::testing {

// One image of a GIF, its indices row by row, top first, whatever order the file keeps.
struct GifFrame {
    int left = 0, top = 0, width = 0, height = 0;
    bool interlace = false;
    std::vector<std::uint8_t> indices;
};

using GifPalette = std::vector<std::array<std::uint8_t, 3>>;

// A GIF as another program makes it, by giflib's encoder: GIF87a unless a transparent index
// is named (in a graphic control extension before each image), which makes it GIF89a.
std::vector<std::uint8_t> EncodeGif(int width, int height, const GifPalette& palette,
                                    const std::vector<GifFrame>& frames,
                                    std::optional<int> transparent = std::nullopt);

} // namespace pattik::testing
