#include "app/qt_convert.h"

#include "raster/bitmap_resources.h"

#include <bit>
#include <cstdint>

namespace pattik {

static_assert(std::endian::native == std::endian::little,
              "a COLORREF's bytes are read as R, G, B in memory order");
static_assert(sizeof(COLORREF) == 4);

QRect ToQRect(const RECT& rect) {
    return QRect(static_cast<int>(rect.left), static_cast<int>(rect.top),
                 static_cast<int>(Width(rect)), static_cast<int>(Height(rect)));
}

RECT ToRect(const QRect& rect) {
    return ClampedRect(rect.x(), rect.y(), std::int64_t{rect.x()} + rect.width(),
                       std::int64_t{rect.y()} + rect.height());
}

QImage WrapBitmap(const DeviceBitmap& bitmap) {
    if (bitmap.IsEmpty()) {
        return QImage();
    }
    // Qt reads the fourth byte of RGBX as opaque whatever it holds, so the COLORREF's zero
    // top byte shows as a solid pixel.
    return QImage(reinterpret_cast<const uchar*>(bitmap.Row(0)), bitmap.Width(), bitmap.Height(),
                  static_cast<qsizetype>(bitmap.Width()) * 4, QImage::Format_RGBX8888);
}

QImage BitmapResourceImage(int id) {
    const DeviceBitmap bitmap = LoadBitmapResource(id);
    return WrapBitmap(bitmap).copy();
}

} // namespace pattik
