#include "image/cximage.h"

#include "raster/dib_transfer.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>
#include <optional>

namespace pattik {
namespace {

constexpr std::size_t kWorkPixelBytes = 3;

// The clip rectangle given to Draw narrows the context only while the image is painted,
// and a natural-size copy changes its stretch mode; the caller gets both back, so a
// shrink drawn later in the same context still combines pixels as it expects.
class ScopedContextState {
  public:
    ScopedContextState(DrawingContext& dc, const RECT* clip)
        : dc_(dc), clip_(dc.GetClipRect()), stretchMode_(dc.GetStretchBltMode()) {
        if (clip != nullptr) {
            dc.IntersectClipRect(*clip);
        }
    }
    ~ScopedContextState() {
        dc_.SelectClipRect(clip_);
        dc_.SetStretchBltMode(stretchMode_);
    }
    ScopedContextState(const ScopedContextState&) = delete;
    ScopedContextState& operator=(const ScopedContextState&) = delete;

  private:
    DrawingContext& dc_;
    std::optional<RECT> clip_;
    StretchMode stretchMode_;
};

// The part of the destination rectangle inside the clip box; empty (but placed on the
// box's edge) when they do not meet.
RECT PaintBox(const RECT& clip, int x, int y, int cx, int cy) {
    const std::int64_t right = std::int64_t{x} + cx;
    const std::int64_t bottom = std::int64_t{y} + cy;
    return RECT{std::min(clip.right, std::max(clip.left, x)),
                std::min(clip.bottom, std::max(clip.top, y)),
                static_cast<int>(
                    std::max<std::int64_t>(clip.left, std::min<std::int64_t>(clip.right, right))),
                static_cast<int>(
                    std::max<std::int64_t>(clip.top, std::min<std::int64_t>(clip.bottom, bottom)))};
}

// A source coordinate brought into [-1, size]: every value outside the picture reads as
// -1 or size would, by the pixel readers' outside rules, and none overflows an int.
int ToSourceIndex(double v, int size) {
    if (!(v >= 0)) {
        return -1;
    }
    return v >= size ? size : static_cast<int>(v);
}

// Which source pixel lands on each work pixel: column j from the paint box's left edge,
// row k from its bottom edge; source rows count from the bottom.
class SourceMapping {
  public:
    SourceMapping(const CxImage& image, const RECT& box, int x, int y, int cx, int cy)
        : box_(box), x_(x), y_(y), width_(image.GetWidth()), height_(image.GetHeight()),
          natural_(cx == width_ && cy == height_),
          // Single-precision factors, as the stretched picture has always been computed.
          fx_(static_cast<float>(width_) / static_cast<float>(cx)),
          fy_(static_cast<float>(height_) / static_cast<float>(cy)) {}

    int SourceX(int j) const {
        const double offset = double(std::int64_t{box_.left} + j - x_);
        return ToSourceIndex(natural_ ? offset : std::floor(offset * double(fx_)), width_);
    }

    int SourceY(int k) const {
        if (natural_) {
            return ToSourceIndex(double(std::int64_t{height_} - box_.bottom + y_ + k), height_);
        }
        const double t = double(std::int64_t{box_.bottom} - k - y_);
        const double sy = height_ - std::ceil(t * double(fy_));
        return ToSourceIndex(std::max(sy, 0.0), height_);
    }

  private:
    RECT box_;
    int x_;
    int y_;
    int width_;
    int height_;
    bool natural_;
    float fx_;
    float fy_;
};

// The colour Draw copies for a source pixel. A 24-bit pixel inside the picture carries a
// reserved byte of 0; outside it reads as GetPixelColor says, which is the key itself
// when the image is transparent.
RGBQUAD SourceColour(const CxImage& image, int sx, int sy) {
    RGBQUAD colour = image.GetPixelColor(sx, sy);
    if (image.GetPaletteSize() == 0 && sx >= 0 && sy >= 0 && sx < image.GetWidth() &&
        sy < image.GetHeight()) {
        colour.rgbReserved = 0;
    }
    return colour;
}

void PutBgr(std::uint8_t* at, RGBQUAD colour) {
    at[0] = colour.rgbBlue;
    at[1] = colour.rgbGreen;
    at[2] = colour.rgbRed;
}

} // namespace

void CxImage::DrawKeyedTrueColour(DeviceBitmap& target, const RECT& box, int x, int y) const {
    // The general path reads the target into a 24-bit work copy, writes the picture's pixels
    // over it and puts it back; straight into the target is the same, pixel for pixel, and
    // needs no copy. A skipped pixel, like one round the 24-bit copy, keeps only its colour.
    const RGBQUAD key = EffectiveTransparentColour();
    for (int py = box.top; py < box.bottom; ++py) {
        const int sourceRow = GetHeight() - 1 - (py - y);
        const std::uint8_t* in = PixelAddress(box.left - x, sourceRow);
        COLORREF* out = target.Row(py);
        for (int px = box.left; px < box.right; ++px, in += kWorkPixelBytes) {
            // Pixels inside the picture carry a reserved byte of 0.
            const RGBQUAD colour{in[0], in[1], in[2], 0};
            if (colour == key) {
                out[px] &= 0x00FFFFFF;
            } else {
                out[px] = RGB(in[2], in[1], in[0]);
            }
        }
    }
}

int CxImage::Draw(DrawingContext* dc, int x, int y, int cx, int cy, const RECT* clip) const {
    if (pixelBlock == nullptr || dc == nullptr || cx == 0 || cy == 0) {
        return 0;
    }
    cx = cx < 0 ? GetWidth() : cx;
    cy = cy < 0 ? GetHeight() : cy;
    const bool transparent = info.TransparentIndex != kNoTransparency;
    const ScopedContextState restoreContext(*dc, clip);

    if (!transparent && cx == GetWidth() && cy == GetHeight()) {
        dc->SetStretchBltMode(StretchMode::ColorOnColor);
        SetDIBitsToDevice(*dc, x, y, cx, cy, BlockDib());
        return 1;
    }

    const RECT box = PaintBox(dc->GetClipBox(), x, y, cx, cy);
    const int w = box.right - box.left;
    const int h = box.bottom - box.top;
    if (w <= 0 || h <= 0) {
        return 1;
    }
    if (transparent && GetPaletteSize() == 0 && cx == GetWidth() && cy == GetHeight() &&
        header.biBitCount == kTrueColourBits && dc->Bitmap() != nullptr) {
        DrawKeyedTrueColour(*dc->Bitmap(), box, x, y);
        dc->NoteChange(box);
        return 1;
    }

    const std::size_t stride = DibStride(w, kTrueColourBits);
    // The work bitmap is bounded by the clip box; if even that cannot be had, paint nothing.
    std::unique_ptr<std::uint8_t[]> work(new (std::nothrow) std::uint8_t[stride * h]());
    if (!work) {
        return 1;
    }
    if (transparent) {
        // Skipped pixels keep what the target already shows.
        ReadDIBits24(*dc, box.left, box.top, w, h, work.get());
    }

    const SourceMapping mapping(*this, box, x, y, cx, cy);
    const bool hasPalette = GetPaletteSize() != 0;
    const RGBQUAD keyColour = EffectiveTransparentColour();
    const auto keyIndex = static_cast<std::uint8_t>(info.TransparentIndex);
    for (int k = 0; k < h; ++k) {
        const int sy = mapping.SourceY(k);
        std::uint8_t* row = work.get() + std::size_t(k) * stride;
        for (int j = 0; j < w; ++j) {
            const int sx = mapping.SourceX(j);
            RGBQUAD colour;
            if (hasPalette) {
                const std::uint8_t index = GetPixelIndex(sx, sy);
                if (transparent && index == keyIndex) {
                    continue;
                }
                colour = GetPaletteColor(index);
            } else {
                colour = SourceColour(*this, sx, sy);
                if (transparent && colour == keyColour) {
                    continue;
                }
            }
            PutBgr(row + std::size_t(j) * kWorkPixelBytes, colour);
        }
    }

    BITMAPINFOHEADER workHeader;
    workHeader.biSize = kDibHeaderSize;
    workHeader.biWidth = w;
    workHeader.biHeight = h;
    workHeader.biPlanes = kDibPlanes;
    workHeader.biBitCount = kTrueColourBits;
    SetDIBitsToDevice(*dc, box.left, box.top, w, h, DibRef{&workHeader, nullptr, work.get()});
    return 1;
}

} // namespace pattik
