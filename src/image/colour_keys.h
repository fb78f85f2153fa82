#pragma once

#include "image/cximage.h"
#include "raster/device_bitmap.h"
#include "raster/drawing_context.h"

namespace pattik {

// Gives a picture the colour key of the mannequin and guides: white is not drawn.
void MakeWhiteTransparent(CxImage& picture);
// Gives a picture the colour key of the item's pictures: magenta is not drawn.
void MakeMagentaTransparent(CxImage& picture);
// Draws one of the item's bitmaps with its empty (magenta) pixels left out, through a
// picture that lives only for this call; -1 means the bitmap's own width or height.
void DrawWithoutMagenta(const DeviceBitmap& bitmap, DrawingContext& target, int x, int y,
                        int cx = -1, int cy = -1, const RECT* clip = nullptr);

} // namespace pattik
