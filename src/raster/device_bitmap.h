#pragma once

#include "raster/colour.h"
#include "raster/geometry.h"

#include <cstdint>
#include <vector>

namespace pattik {

// A 32-bit device bitmap: pixels in screen order (top row first), each a COLORREF.
// Every bitmap records its own size as its dimension, so code that holds only the
// bitmap can ask it how large the picture is.
class DeviceBitmap {
  public:
    static constexpr int kBitsPerPixel = 32;
    // Larger requests give an empty bitmap rather than an allocation that cannot succeed.
    static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;

    DeviceBitmap() = default;
    // A width x height bitmap, all black; a size that is not positive or too large gives
    // an empty bitmap.
    DeviceBitmap(int width, int height);

    bool IsEmpty() const { return pixels_.empty(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    RECT Bounds() const { return RECT{0, 0, width_, height_}; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Size GetBitmapDimension() const { return dimension_; }
    Size SetBitmapDimension(Size dimension);

    // Unchecked access; callers clip first.
    COLORREF At(int x, int y) const { return pixels_[Index(x, y)]; }
    COLORREF& At(int x, int y) { return pixels_[Index(x, y)]; }
    const COLORREF* Row(int y) const { return pixels_.data() + Index(0, y); }
    COLORREF* Row(int y) { return pixels_.data() + Index(0, y); }

    void Fill(COLORREF colour);

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    Size dimension_;
    std::vector<COLORREF> pixels_;
};

// Whether two bitmaps have the same size and the same pixels.
bool SamePixels(const DeviceBitmap& a, const DeviceBitmap& b);

} // namespace pattik
