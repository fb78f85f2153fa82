#include "support/image/gif_decoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

namespace pattik::testing {
namespace {

struct Reader {
    const std::vector<std::uint8_t>* bytes;
    std::size_t position = 0;
};

int ReadBytes(GifFileType* gif, GifByteType* buffer, int length) {
    auto* reader = static_cast<Reader*>(gif->UserData);
    const std::size_t available = reader->bytes->size() - reader->position;
    const std::size_t count = std::min<std::size_t>(available, static_cast<std::size_t>(length));
    std::copy_n(reader->bytes->begin() + static_cast<std::ptrdiff_t>(reader->position), count,
                buffer);
    reader->position += count;
    return static_cast<int>(count);
}

// giflib has no text for some codes (0 among them, which a file without an image or with
// an empty one leaves behind), and gives null for them.
std::string ErrorText(int code) {
    const char* text = GifErrorString(code);
    return text != nullptr ? text : "giflib error " + std::to_string(code);
}

} // namespace

DecodedGif DecodeGif(const std::vector<std::uint8_t>& file) {
    DecodedGif result;
    Reader reader{&file};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, ReadBytes, &error);
    if (gif == nullptr) {
        result.error = ErrorText(error);
        return result;
    }
    if (DGifSlurp(gif) != GIF_OK || gif->ImageCount < 1) {
        result.error = ErrorText(gif->Error);
        DGifCloseFile(gif, &error);
        return result;
    }
    result.width = gif->SWidth;
    result.height = gif->SHeight;
    if (gif->SColorMap != nullptr) {
        for (int i = 0; i < gif->SColorMap->ColorCount; ++i) {
            const GifColorType& c = gif->SColorMap->Colors[i];
            result.palette.insert(result.palette.end(), {c.Red, c.Green, c.Blue});
        }
    }
    GraphicsControlBlock control;
    if (DGifSavedExtensionToGCB(gif, 0, &control) == GIF_OK) {
        result.transparentIndex = control.TransparentColor;
    }
    const SavedImage& image = gif->SavedImages[0];
    const std::size_t count = static_cast<std::size_t>(image.ImageDesc.Width) *
                              static_cast<std::size_t>(image.ImageDesc.Height);
    result.indices.assign(image.RasterBits, image.RasterBits + count);
    result.ok = true;
    DGifCloseFile(gif, &error);
    return result;
}

DecodedGif DecodeGifFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        DecodedGif missing;
        missing.error = "cannot open " + path;
        return missing;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    return DecodeGif(bytes);
}

} // namespace pattik::testing
