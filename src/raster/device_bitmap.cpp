#include "raster/device_bitmap.h"

#include <algorithm>

namespace pattik {

DeviceBitmap::DeviceBitmap(int width, int height) {
    if (width <= 0 || height <= 0 || std::int64_t{width} * height > kMaxPixels) {
        return;
    }
    width_ = width;
    height_ = height;
    dimension_ = Size{width, height};
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kBlack);
}

Size DeviceBitmap::SetBitmapDimension(Size dimension) {
    const Size previous = dimension_;
    dimension_ = dimension;
    return previous;
}

void DeviceBitmap::Fill(COLORREF colour) {
    std::fill(pixels_.begin(), pixels_.end(), colour);
}

bool SamePixels(const DeviceBitmap& a, const DeviceBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) {
        return false;
    }
    if (a.IsEmpty()) {
        return true;
    }
    // The rows lie one after another, so the whole picture compares in one go.
    const std::size_t count =
        static_cast<std::size_t>(a.Width()) * static_cast<std::size_t>(a.Height());
    return std::equal(a.Row(0), a.Row(0) + count, b.Row(0));
}

} // namespace pattik
