#include "batch/png_reader.h"

#include "res/batch_strings.h"
#include "res/string_table.h"

#include <png.h>
#include <sys/stat.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace pattik::batch {
namespace {

// An item's picture is a few kilobytes; this leaves room for any metadata an image program
// adds, and refuses a file that could never be one before reading it all into memory.
constexpr std::uintmax_t kMaxPngBytes = 16u << 20;
constexpr std::size_t kPngSignatureBytes = 8;
constexpr int kRgbaChannels = 4;
// Nothing the pixels need is larger than a picture of this side, and no file of ours holds
// more than a few chunks libpng would keep.
constexpr png_uint_32 kLargestPngSide = 4096;
constexpr png_uint_32 kMostCachedChunks = 128;

// What libpng's callbacks reach through their pointers. It has no destructor, so a long jump
// out of libpng skips no cleanup.
struct ReadState {
    const png_byte* data;
    std::size_t size;
    std::size_t at;
    char message[200];
};

[[noreturn]] void OnPngError(png_structp png, png_const_charp message) {
    auto* state = static_cast<ReadState*>(png_get_error_ptr(png));
    std::snprintf(state->message, sizeof state->message, "%s", message);
    png_longjmp(png, 1);
}

// Complaints about ancillary chunks (colour profiles, text) do not concern the pixels.
void OnPngWarning(png_structp, png_const_charp) {}

void ReadBytes(png_structp png, png_bytep out, std::size_t count) {
    auto* state = static_cast<ReadState*>(png_get_io_ptr(png));
    if (count > state->size - state->at) {
        png_error(png, "the file ends early");
    }
    std::memcpy(out, state->data + state->at, count);
    state->at += count;
}

// Each step that may fail inside libpng sets its own jump point; libpng's error callback
// jumps back to it. These frames hold nothing with a destructor, and every object that
// needs one lives in the caller, so the jump leaves nothing behind.
bool ReadHeader(png_structp png, png_infop info) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_read_info(png, info);
    return true;
}

// Asks libpng for 8-bit RGBA rows whatever the file holds: palettes, low bit depths and a
// transparent colour expanded, 16-bit samples cut to their high byte, grey made RGB, and an
// opaque alpha added where the file has none.
bool RequestRgba(png_structp png, png_infop info) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    const png_byte colourType = png_get_color_type(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    if ((colourType & PNG_COLOR_MASK_COLOR) == 0) {
        png_set_gray_to_rgb(png);
    }
    if ((colourType & PNG_COLOR_MASK_ALPHA) == 0 && png_get_valid(png, info, PNG_INFO_tRNS) == 0) {
        png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return true;
}

bool ReadRows(png_structp png, png_infop info, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_read_image(png, rows);
    // The rest of the file too, so a file cut after its pixels is still called damaged.
    png_read_end(png, info);
    return true;
}

// Frees libpng's structures however reading ends.
struct PngReader {
    png_structp png = nullptr;
    png_infop info = nullptr;
    explicit PngReader(ReadState& state) {
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, OnPngError, OnPngWarning);
        if (png) {
            info = png_create_info_struct(png);
            png_set_read_fn(png, &state, ReadBytes);
            // Only the pixels and their transparency are wanted. Every other chunk (text,
            // profiles, times) is skipped unread: libpng would allocate and clear the length
            // a text chunk declares before finding that the file ends, 2 GB for a 61-byte
            // file.
            png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
            png_set_user_limits(png, kLargestPngSide, kLargestPngSide);
            png_set_chunk_cache_max(png, kMostCachedChunks);
        }
    }
    ~PngReader() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;
};

std::string SizeText(png_uint_32 width, png_uint_32 height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

PngReadResult Refuse(const std::string& path, std::string_view why) {
    return PngReadResult{std::nullopt, path + ": " + std::string(why)};
}

// The whole file, or the reason it cannot be had.
std::optional<std::vector<png_byte>> ReadFile(const std::string& path, std::string& problem) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        problem = errno == ENOENT || errno == ENOTDIR ? kPngNoSuchFileText : kPngCannotReadText;
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        problem = kPngNotARegularFileText;
        return std::nullopt;
    }
    if (static_cast<std::uintmax_t>(status.st_size) > kMaxPngBytes) {
        problem = kPngTooLargeText;
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::vector<png_byte> bytes{std::istreambuf_iterator<char>(in), {}};
    if (!in && !in.eof()) {
        problem = kPngCannotReadText;
        return std::nullopt;
    }
    return bytes;
}

} // namespace

PngReadResult ReadPngPicture(const std::string& path, Size size) {
    std::string fileProblem;
    const std::optional<std::vector<png_byte>> bytes = ReadFile(path, fileProblem);
    if (!bytes) {
        return Refuse(path, fileProblem);
    }
    if (bytes->size() < kPngSignatureBytes ||
        png_sig_cmp(bytes->data(), 0, kPngSignatureBytes) != 0) {
        return Refuse(path, kNotPngText);
    }

    ReadState state{bytes->data(), bytes->size(), 0, {}};
    const auto damaged = [&] {
        return Refuse(path, std::string(kDamagedPngText) + state.message + ")");
    };
    PngReader reader(state);
    if (!reader.png || !reader.info) {
        return Refuse(path, kOutOfMemoryText);
    }
    if (!ReadHeader(reader.png, reader.info)) {
        return damaged();
    }
    const png_uint_32 width = png_get_image_width(reader.png, reader.info);
    const png_uint_32 height = png_get_image_height(reader.png, reader.info);
    if (width != static_cast<png_uint_32>(size.cx) || height != static_cast<png_uint_32>(size.cy)) {
        const std::string found = SizeText(width, height);
        const std::string wanted =
            SizeText(static_cast<png_uint_32>(size.cx), static_cast<png_uint_32>(size.cy));
        return Refuse(path, std::string(kWrongPictureSizePrefix) + found +
                                std::string(kWrongPictureSizeMiddle) + wanted +
                                std::string(kWrongPictureSizeSuffix) +
                                std::string(kWrongSizeEnglishPrefix) + found +
                                std::string(kWrongSizeEnglishMiddle) + wanted + ")");
    }
    if (!RequestRgba(reader.png, reader.info)) {
        return damaged();
    }
    const std::size_t rowBytes = static_cast<std::size_t>(size.cx) * kRgbaChannels;
    if (png_get_rowbytes(reader.png, reader.info) != rowBytes) {
        std::snprintf(state.message, sizeof state.message, "no 8-bit RGBA rows");
        return damaged();
    }
    std::vector<png_byte> pixels(rowBytes * static_cast<std::size_t>(size.cy));
    std::vector<png_bytep> rows(static_cast<std::size_t>(size.cy));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        rows[y] = pixels.data() + y * rowBytes;
    }
    if (!ReadRows(reader.png, reader.info, rows.data())) {
        return damaged();
    }

    DeviceBitmap picture(size.cx, size.cy);
    for (int y = 0; y < size.cy; ++y) {
        const png_byte* rgba = rows[static_cast<std::size_t>(y)];
        COLORREF* row = picture.Row(y);
        for (int x = 0; x < size.cx; ++x, rgba += kRgbaChannels) {
            row[x] =
                rgba[3] < kOpaqueFromAlpha ? kTransparentMagenta : RGB(rgba[0], rgba[1], rgba[2]);
        }
    }
    return PngReadResult{std::move(picture), {}};
}

} // namespace pattik::batch
