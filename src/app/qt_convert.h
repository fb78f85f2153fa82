#pragma once

#include "raster/colour.h"
#include "raster/device_bitmap.h"
#include "raster/geometry.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

// Between the core's plain types and Qt's: colours, rectangles, texts and bitmaps.
namespace pattik {

// A COLORREF keeps red in its low byte.
inline QColor ToQColor(COLORREF colour) {
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}
inline COLORREF ToColorRef(const QColor& colour) {
    return RGB(static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
               static_cast<std::uint8_t>(colour.blue()));
}

// A RECT leaves out its right and bottom edges, as a QRect's width and height do.
QRect ToQRect(const RECT& rect);
RECT ToRect(const QRect& rect);

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string ToStdString(const QString& text) {
    return text.toUtf8().toStdString();
}

// The bitmap's own pixels as an image, without a copy: each COLORREF is the bytes R, G, B
// and an unused fourth. The image is valid while the bitmap keeps its size.
QImage WrapBitmap(const DeviceBitmap& bitmap);

// A bitmap resource as an image of its own (null when there is no such resource).
QImage BitmapResourceImage(int id);

} // namespace pattik
