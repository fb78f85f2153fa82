#include "app/clipboard_image.h"

#include "raster/colour.h"

#include <algorithm>

namespace pattik {
QImage ClipboardImage(const DeviceBitmap& picture) {
    QImage image(picture.Width(), picture.Height(), QImage::Format_ARGB32);
    for (int y = 0; y < picture.Height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.Width(); ++x) {
            const COLORREF colour = picture.At(x, y);
            row[x] = colour == kTransparentMagenta
                         ? qRgba(0, 0, 0, 0)
                         : qRgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
        }
    }
    return image;
}

DeviceBitmap PastedPicture(const QImage& image, int maxWidth, int maxHeight) {
    if (image.isNull() || maxWidth <= 0 || maxHeight <= 0) {
        return {};
    }
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int width = std::min(argb.width(), maxWidth);
    const int height = std::min(argb.height(), maxHeight);
    DeviceBitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = row[x];
            picture.At(x, y) = qAlpha(pixel) < kOpaqueFromAlpha
                                   ? kTransparentMagenta
                                   : RGB(static_cast<std::uint8_t>(qRed(pixel)),
                                         static_cast<std::uint8_t>(qGreen(pixel)),
                                         static_cast<std::uint8_t>(qBlue(pixel)));
        }
    }
    return picture;
}

} // namespace pattik
