#include "support/image/gif_encoder.h"

#include <gif_lib.h>

namespace pattik::testing {
namespace {

int Append(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

std::vector<int> RowsInFileOrder(const GifFrame& frame) {
    std::vector<int> rows;
    if (!frame.interlace) {
        for (int y = 0; y < frame.height; ++y) {
            rows.push_back(y);
        }
        return rows;
    }
    for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
        for (int y = start; y < frame.height; y += step) {
            rows.push_back(y);
        }
    }
    return rows;
}

} // namespace

std::vector<std::uint8_t> EncodeGif(int width, int height, const GifPalette& palette,
                                    const std::vector<GifFrame>& frames,
                                    std::optional<int> transparent) {
    std::vector<std::uint8_t> bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, Append, &error);
    if (gif == nullptr) {
        return bytes;
    }
    // A colour table holds a power of two entries.
    int size = 2;
    while (size < static_cast<int>(palette.size())) {
        size *= 2;
    }
    std::vector<GifColorType> colours(static_cast<std::size_t>(size));
    for (std::size_t i = 0; i < palette.size(); ++i) {
        colours[i] = {palette[i][0], palette[i][1], palette[i][2]};
    }
    ColorMapObject* map = GifMakeMapObject(size, colours.data());
    EGifSetGifVersion(gif, transparent.has_value());
    EGifPutScreenDesc(gif, width, height, 8, 0, map);
    for (const GifFrame& frame : frames) {
        if (transparent) {
            const GifByteType control[4] = {1, 0, 0, static_cast<GifByteType>(*transparent)};
            EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control);
        }
        EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, frame.interlace,
                         nullptr);
        for (const int y : RowsInFileOrder(frame)) {
            std::vector<GifPixelType> line(
                frame.indices.begin() + static_cast<long>(y * frame.width),
                frame.indices.begin() + static_cast<long>((y + 1) * frame.width));
            EGifPutLine(gif, line.data(), frame.width);
        }
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return bytes;
}

} // namespace pattik::testing
