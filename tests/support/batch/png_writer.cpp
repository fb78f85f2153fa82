#include "support/batch/png_writer.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>

namespace pattik::testing {
namespace {

struct Encoding {
    int colourType = PNG_COLOR_TYPE_RGB_ALPHA;
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<png_color> palette;
    std::vector<png_byte> transparency;
    std::vector<std::vector<png_byte>> rows;
    std::vector<png_bytep> rowPointers;
};

void PutSample(std::vector<png_byte>& row, std::uint8_t value, bool sixteen) {
    row.push_back(value);
    if (sixteen) {
        row.push_back(value); // v * 257: both bytes are v
    }
}

bool IsGray(PngLayout layout) {
    return layout == PngLayout::Gray8 || layout == PngLayout::Gray16 ||
           layout == PngLayout::GrayAlpha8 || layout == PngLayout::GrayAlpha16;
}

bool IsSixteen(PngLayout layout) {
    return layout == PngLayout::Gray16 || layout == PngLayout::GrayAlpha16 ||
           layout == PngLayout::Rgb16 || layout == PngLayout::Rgba16;
}

// Indexed rows: one palette entry for each distinct RGBA, packed at the bit depth.
bool EncodePalette(const RgbaPicture& picture, int bitDepth, Encoding& encoding) {
    std::vector<Rgba> entries;
    const auto same = [](Rgba a, Rgba b) {
        return a.red == b.red && a.green == b.green && a.blue == b.blue && a.alpha == b.alpha;
    };
    const int perByte = 8 / bitDepth;
    for (int y = 0; y < picture.height; ++y) {
        std::vector<png_byte> row(
            static_cast<std::size_t>((picture.width + perByte - 1) / perByte));
        for (int x = 0; x < picture.width; ++x) {
            const Rgba pixel = picture.pixels[static_cast<std::size_t>(y * picture.width + x)];
            auto found = std::find_if(entries.begin(), entries.end(),
                                      [&](Rgba entry) { return same(entry, pixel); });
            if (found == entries.end()) {
                if (entries.size() == (std::size_t{1} << bitDepth)) {
                    ADD_FAILURE() << "more colours than a " << bitDepth << "-bit palette holds";
                    return false;
                }
                found = entries.insert(entries.end(), pixel);
            }
            const int index = static_cast<int>(found - entries.begin());
            const int shift = 8 - bitDepth * (x % perByte + 1);
            row[static_cast<std::size_t>(x / perByte)] |= static_cast<png_byte>(index << shift);
        }
        encoding.rows.push_back(std::move(row));
    }
    for (const Rgba entry : entries) {
        encoding.palette.push_back(png_color{entry.red, entry.green, entry.blue});
        encoding.transparency.push_back(entry.alpha);
    }
    encoding.colourType = PNG_COLOR_TYPE_PALETTE;
    encoding.bitDepth = bitDepth;
    return true;
}

Encoding EncodeSamples(const RgbaPicture& picture, PngLayout layout) {
    Encoding encoding;
    const bool gray = IsGray(layout);
    const bool alpha = KeepsAlpha(layout);
    const bool sixteen = IsSixteen(layout);
    encoding.colourType = gray ? (alpha ? PNG_COLOR_TYPE_GRAY_ALPHA : PNG_COLOR_TYPE_GRAY)
                               : (alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB);
    encoding.bitDepth = sixteen ? 16 : 8;
    encoding.interlaced = layout == PngLayout::Rgba8Interlaced;
    for (int y = 0; y < picture.height; ++y) {
        std::vector<png_byte> row;
        for (int x = 0; x < picture.width; ++x) {
            const Rgba pixel = picture.pixels[static_cast<std::size_t>(y * picture.width + x)];
            PutSample(row, pixel.red, sixteen);
            if (!gray) {
                PutSample(row, pixel.green, sixteen);
                PutSample(row, pixel.blue, sixteen);
            }
            if (alpha) {
                PutSample(row, pixel.alpha, sixteen);
            }
        }
        encoding.rows.push_back(std::move(row));
    }
    return encoding;
}

// libpng jumps back here on an error; nothing in this frame has a destructor.
bool WriteEncoding(png_structp png, png_infop info, const RgbaPicture& picture,
                   Encoding& encoding) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width),
                 static_cast<png_uint_32>(picture.height), encoding.bitDepth, encoding.colourType,
                 encoding.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!encoding.palette.empty()) {
        png_set_PLTE(png, info, encoding.palette.data(), static_cast<int>(encoding.palette.size()));
        png_set_tRNS(png, info, encoding.transparency.data(),
                     static_cast<int>(encoding.transparency.size()), nullptr);
    }
    png_write_info(png, info);
    if (encoding.interlaced) {
        png_set_interlace_handling(png);
    }
    png_write_image(png, encoding.rowPointers.data());
    png_write_end(png, nullptr);
    return true;
}

} // namespace

bool KeepsAlpha(PngLayout layout) {
    return layout != PngLayout::Gray8 && layout != PngLayout::Gray16 && layout != PngLayout::Rgb8 &&
           layout != PngLayout::Rgb16;
}

bool WritePng(const std::string& path, const RgbaPicture& picture, PngLayout layout) {
    Encoding encoding;
    if (layout == PngLayout::Palette8 || layout == PngLayout::Palette4) {
        if (!EncodePalette(picture, layout == PngLayout::Palette8 ? 8 : 4, encoding)) {
            return false;
        }
    } else {
        encoding = EncodeSamples(picture, layout);
    }
    for (auto& row : encoding.rows) {
        encoding.rowPointers.push_back(row.data());
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"),
                                                               std::fclose);
    if (!file) {
        ADD_FAILURE() << "cannot create " << path;
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool written = false;
    if (info) {
        png_init_io(png, file.get());
        written = WriteEncoding(png, info, picture, encoding);
    }
    png_destroy_write_struct(&png, &info);
    EXPECT_TRUE(written) << path;
    return written;
}

RgbaPicture ToRgba(const DeviceBitmap& bitmap, Rgba hidden) {
    RgbaPicture picture{bitmap.Width(), bitmap.Height(), {}};
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            const COLORREF colour = bitmap.At(x, y);
            picture.pixels.push_back(
                colour == kTransparentMagenta
                    ? hidden
                    : Rgba{GetRValue(colour), GetGValue(colour), GetBValue(colour), 255});
        }
    }
    return picture;
}

} // namespace pattik::testing
