#pragma once

#include "raster/device_bitmap.h"
#include "raster/drawing_context.h"

#include <functional>

namespace pattik {

// Mirror drawing, done on pixels rather than on the tools' points, so that what appears on
// the other side is exactly the mirror image of what the tool drew, whatever the tool's
// rasteriser would make of mirrored points. `area` is the picture's size from (0, 0): the
// axis runs through its middle column (see panel/mirror_axis.h), and nothing outside it
// changes.

// After a tool step: every pixel of the area that differs from `before` gives its colour to
// its mirror position too. Where the step changed a pixel and its mirror both, to different
// colours, the left one wins, so the picture stays symmetric. A `before` of another size
// than the picture mirrors nothing. Returns the box of the pixels it changed.
RECT MirrorChangedPixels(const DeviceBitmap& before, DeviceBitmap& picture, Size area);

// Reverses the order of the columns of the area, row by row.
void FlipColumns(DeviceBitmap& bitmap, Size area);

// Runs `draw` on the composition as it is, and again on the composition mirrored, so a
// preview appears with its mirror image. Each copy is drawn over the pixels that are really
// under it: an inverting preview inverts what lies on its own side. Where the two overlap
// the mirrored one shows.
void DrawWithMirrorImage(DrawingContext& composition, Size area,
                         const std::function<void(DrawingContext&)>& draw);

} // namespace pattik
