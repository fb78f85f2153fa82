#include "raster/dib_transfer.h"

#include <algorithm>

namespace pattik {
namespace {

void PutBgr(std::uint8_t* at, COLORREF colour) {
    at[0] = GetBValue(colour);
    at[1] = GetGValue(colour);
    at[2] = GetRValue(colour);
}

// The colour of column x of a DIB row, for every bit count a DIB may have.
COLORREF DibPixel(const std::uint8_t* row, int x, int bitCount, const RGBQUAD* palette,
                  std::uint32_t paletteSize) {
    if (bitCount == 24) {
        const std::uint8_t* at = row + std::size_t(x) * 3;
        return RGB(at[2], at[1], at[0]);
    }
    unsigned index = 0;
    if (bitCount == 8) {
        index = row[x];
    } else if (bitCount == 4) {
        index = (row[x / 2] >> (4 * (1 - x % 2))) & 0x0F;
    } else {
        index = (row[x / 8] >> (7 - x % 8)) & 0x01;
    }
    if (palette == nullptr || index >= paletteSize) {
        return kBlack;
    }
    const RGBQUAD& entry = palette[index];
    return RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
}

std::uint32_t PaletteSize(const BITMAPINFOHEADER& header) {
    if (header.biBitCount > 8) {
        return 0;
    }
    const std::uint32_t full = 1u << header.biBitCount;
    return header.biClrUsed != 0 ? std::min(header.biClrUsed, full) : full;
}

} // namespace

int GetDIBits24(const DeviceBitmap& bitmap, std::uint8_t* rows) {
    if (bitmap.IsEmpty() || rows == nullptr) {
        return 0;
    }
    const auto stride = DibStride(bitmap.Width(), 24);
    for (int k = 0; k < bitmap.Height(); ++k) {
        std::uint8_t* out = rows + k * stride;
        const COLORREF* in = bitmap.Row(bitmap.Height() - 1 - k);
        for (int x = 0; x < bitmap.Width(); ++x) {
            PutBgr(out + std::size_t(x) * 3, in[x]);
        }
        std::fill(out + std::size_t(bitmap.Width()) * 3, out + stride, std::uint8_t{0});
    }
    return bitmap.Height();
}

void ReadDIBits24(const DrawingContext& context, int left, int top, int w, int h,
                  std::uint8_t* rows) {
    const DeviceBitmap* bitmap = context.Bitmap();
    const auto stride = DibStride(w, 24);
    for (int k = 0; k < h; ++k) {
        std::uint8_t* out = rows + k * stride;
        const std::int64_t y = std::int64_t{top} + h - 1 - k;
        for (int j = 0; j < w; ++j) {
            const std::int64_t x = std::int64_t{left} + j;
            const bool inside = bitmap != nullptr && x >= 0 && y >= 0 && x < bitmap->Width() &&
                                y < bitmap->Height();
            PutBgr(out + std::size_t(j) * 3,
                   inside ? bitmap->At(static_cast<int>(x), static_cast<int>(y)) : kBlack);
        }
        std::fill(out + std::size_t(w) * 3, out + stride, std::uint8_t{0});
    }
}

int SetDIBitsToDevice(DrawingContext& context, int x, int y, int w, int h, const DibRef& dib) {
    if (dib.header == nullptr || dib.bits == nullptr || context.Bitmap() == nullptr || w <= 0 ||
        h <= 0) {
        return 0;
    }
    const BITMAPINFOHEADER& header = *dib.header;
    const int bitCount = header.biBitCount;
    if ((bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24) ||
        header.biWidth <= 0 || header.biHeight <= 0) {
        return 0;
    }
    const int columns = std::min(w, header.biWidth);
    const int rows = std::min(h, header.biHeight);
    const auto stride = DibStride(header.biWidth, bitCount);
    const std::uint32_t paletteSize = PaletteSize(header);
    // The DIB's first stored row is the bottom row of the destination block.
    const RECT target{
        x, y, static_cast<int>(std::min<std::int64_t>(std::int64_t{x} + columns, INT32_MAX)),
        static_cast<int>(std::min<std::int64_t>(std::int64_t{y} + h, INT32_MAX))};
    const RECT box = Intersect(target, context.GetClipBox());
    context.NoteChange(box);
    DeviceBitmap& bitmap = *context.Bitmap();
    for (int py = box.top; py < box.bottom; ++py) {
        const std::int64_t dibRow = std::int64_t{y} + h - 1 - py;
        if (dibRow < 0 || dibRow >= rows) {
            continue;
        }
        const std::uint8_t* row = dib.bits + static_cast<std::uint64_t>(dibRow) * stride;
        COLORREF* out = bitmap.Row(py);
        if (bitCount == 24) {
            // The common case (every picture made from a device bitmap) in one pass.
            const std::uint8_t* at = row + std::size_t(box.left - x) * 3;
            for (int px = box.left; px < box.right; ++px, at += 3) {
                out[px] = RGB(at[2], at[1], at[0]);
            }
            continue;
        }
        for (int px = box.left; px < box.right; ++px) {
            out[px] = DibPixel(row, px - x, bitCount, dib.palette, paletteSize);
        }
    }
    return rows;
}

} // namespace pattik
