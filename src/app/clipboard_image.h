#pragma once

#include "raster/device_bitmap.h"

#include <QImage>

namespace pattik {

// Pictures going to and coming from other programs, through the clipboard or a drop. Our
// empty pixels are the transparent magenta; theirs are transparent ones.

// The picture as an image with transparency: empty pixels get alpha 0.
QImage ClipboardImage(const DeviceBitmap& picture);

// An image of another program as a picture of at most the given size (the rest is cut
// off): a pixel less than half opaque is empty, any other takes its colour without alpha,
// as pictures read by pattik-item do. Empty for a null image.
DeviceBitmap PastedPicture(const QImage& image, int maxWidth, int maxHeight);

} // namespace pattik
