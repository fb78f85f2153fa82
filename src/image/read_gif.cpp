// Reading an item's pictures back from their GIF files. The decoding is giflib's; what is
// checked here is that the file holds one whole picture of a sensible size, so nothing a
// stranger's file says can make the program allocate or index beyond it.
#include "image/read_gif.h"

#include <fcntl.h>
#include <gif_lib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>
#include <optional>
#include <vector>

namespace pattik {
namespace {

struct ByteSource {
    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;
};

int ReadFromSource(GifFileType* gif, GifByteType* buffer, int length) {
    auto* source = static_cast<ByteSource*>(gif->UserData);
    if (length <= 0) {
        return 0;
    }
    const std::size_t count =
        std::min(source->bytes.size() - source->position, static_cast<std::size_t>(length));
    std::copy_n(source->bytes.begin() + static_cast<std::ptrdiff_t>(source->position), count,
                buffer);
    source->position += count;
    return static_cast<int>(count);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

GifReadResult Failed(GifReadFailure failure, int errorNumber = 0) {
    GifReadResult result;
    result.failure = failure;
    result.errorNumber = errorNumber;
    return result;
}

// No index of the next image is transparent.
constexpr int kNoTransparentIndex = -1;

// Reads an extension block by block; false when the file ends inside it. A graphic control
// extension names the transparent index of the image after it (or none).
bool ReadExtension(GifFileType* gif, int& transparentIndex) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) != GIF_OK) {
        return false;
    }
    // The block's first byte is its length: 4 for a graphic control extension, whose packed
    // byte's lowest bit says whether its last byte is the transparent index.
    if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= 4) {
        transparentIndex = (block[1] & 1) != 0 ? block[4] : kNoTransparentIndex;
    }
    while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) != GIF_OK) {
            return false;
        }
    }
    return true;
}

// The rows of an interlaced image arrive in four passes.
std::vector<int> RowOrder(int height, bool interlaced) {
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y) {
            rows.push_back(y);
        }
        return rows;
    }
    constexpr std::array<int, 4> kStart{0, 4, 2, 1};
    constexpr std::array<int, 4> kStep{8, 8, 4, 2};
    for (std::size_t pass = 0; pass < kStart.size(); ++pass) {
        for (int y = kStart[pass]; y < height; y += kStep[pass]) {
            rows.push_back(y);
        }
    }
    return rows;
}

// Decodes the image whose descriptor was just read into true colour; its transparent index
// becomes the empty magenta.
GifReadResult DecodeImage(GifFileType* gif, int transparentIndex) {
    const GifImageDesc& desc = gif->Image;
    // The writer's pictures fill the screen exactly; anything placed inside a larger screen
    // is not one of them.
    if (desc.Left != 0 || desc.Top != 0 || desc.Width != gif->SWidth ||
        desc.Height != gif->SHeight || desc.Width <= 0 || desc.Height <= 0) {
        return Failed(GifReadFailure::NotOnePicture);
    }
    const ColorMapObject* colours = desc.ColorMap != nullptr ? desc.ColorMap : gif->SColorMap;
    if (colours == nullptr || colours->Colors == nullptr || colours->ColorCount <= 0) {
        return Failed(GifReadFailure::Damaged);
    }
    GifReadResult result;
    result.picture = DeviceBitmap(desc.Width, desc.Height);
    if (result.picture.IsEmpty()) {
        return Failed(GifReadFailure::TooLarge);
    }
    std::vector<GifPixelType> line(static_cast<std::size_t>(desc.Width));
    for (const int y : RowOrder(desc.Height, desc.Interlace)) {
        if (DGifGetLine(gif, line.data(), desc.Width) != GIF_OK) {
            return Failed(GifReadFailure::Damaged);
        }
        COLORREF* row = result.picture.Row(y);
        for (int x = 0; x < desc.Width; ++x) {
            const int index = line[static_cast<std::size_t>(x)];
            if (index >= colours->ColorCount) {
                return Failed(GifReadFailure::Damaged); // a pixel with no colour
            }
            if (index == transparentIndex) {
                row[x] = kTransparentMagenta;
            } else {
                const GifColorType& colour = colours->Colors[index];
                row[x] = RGB(colour.Red, colour.Green, colour.Blue);
            }
        }
    }
    return result;
}

} // namespace

GifReadResult ReadGifBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > static_cast<std::size_t>(kLargestGifFileBytes)) {
        return Failed(GifReadFailure::TooLarge);
    }
    // giflib reports a file shorter than its signature as cut short; it is no GIF at all.
    constexpr std::array<std::uint8_t, 3> kSignature{'G', 'I', 'F'};
    if (bytes.size() < kSignature.size() ||
        !std::equal(kSignature.begin(), kSignature.end(), bytes.begin())) {
        return Failed(GifReadFailure::NotGif);
    }
    ByteSource source{bytes};
    int error = 0;
    GifHandle gif(DGifOpen(&source, ReadFromSource, &error));
    if (!gif) {
        return Failed(error == D_GIF_ERR_NOT_GIF_FILE ? GifReadFailure::NotGif
                                                      : GifReadFailure::Damaged);
    }
    if (gif->SWidth <= 0 || gif->SHeight <= 0 || gif->SWidth > kLargestReadSide ||
        gif->SHeight > kLargestReadSide) {
        return Failed(GifReadFailure::NotOnePicture);
    }
    std::optional<GifReadResult> first;
    int transparentIndex = kNoTransparentIndex;
    // Every record up to the trailer is read, so a file cut short after its picture is
    // still found out.
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) != GIF_OK) {
            return Failed(GifReadFailure::Damaged);
        }
        if (type == TERMINATE_RECORD_TYPE) {
            break;
        }
        if (type == EXTENSION_RECORD_TYPE) {
            if (!ReadExtension(gif.get(), transparentIndex)) {
                return Failed(GifReadFailure::Damaged);
            }
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE) {
            return Failed(GifReadFailure::Damaged);
        }
        if (first) {
            return Failed(GifReadFailure::NotOnePicture);
        }
        if (DGifGetImageDesc(gif.get()) != GIF_OK) {
            return Failed(GifReadFailure::Damaged);
        }
        first = DecodeImage(gif.get(), transparentIndex);
        if (!first->Succeeded()) {
            return std::move(*first);
        }
    }
    if (!first) {
        return Failed(GifReadFailure::NoPicture);
    }
    return std::move(*first);
}

GifReadResult ReadGifFile(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) {
        return Failed(GifReadFailure::CannotOpen, ENOENT);
    }
    // Opened without blocking, so a FIFO given as a picture never hangs the program.
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0) {
        return Failed(errno == EISDIR ? GifReadFailure::NotAFile : GifReadFailure::CannotOpen,
                      errno);
    }
    struct Closer {
        int descriptor;
        ~Closer() { close(descriptor); }
    } closer{descriptor};
    struct stat status {};
    if (fstat(descriptor, &status) != 0) {
        return Failed(GifReadFailure::CannotOpen, errno);
    }
    if (!S_ISREG(status.st_mode)) {
        return Failed(GifReadFailure::NotAFile);
    }
    if (status.st_size > kLargestGifFileBytes) {
        return Failed(GifReadFailure::TooLarge);
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(status.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = read(descriptor, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return Failed(GifReadFailure::CannotOpen, errno);
        }
        if (count == 0) {
            bytes.resize(done); // the file shrank while it was read
            break;
        }
        done += static_cast<std::size_t>(count);
    }
    return ReadGifBytes(bytes);
}

} // namespace pattik
