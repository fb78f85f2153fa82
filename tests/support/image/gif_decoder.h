#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pattik::testing {

// A GIF read back by an independent decoder, so our writer is checked against a reader
// that shares none of its code.
struct DecodedGif {
    bool ok = false;
    std::string error;
    int width = 0;
    int height = 0;
    int transparentIndex = -1;
    // Red, green, blue of each global colour table entry.
    std::vector<std::uint8_t> palette;
    // The first image's indices, top row first.
    std::vector<std::uint8_t> indices;
};

DecodedGif DecodeGif(const std::vector<std::uint8_t>& file);
DecodedGif DecodeGifFile(const std::string& path);

} // namespace pattik::testing
