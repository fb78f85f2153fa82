#pragma once

#include "panel/canvas_mapping.h"
#include "raster/drawing_context.h"

namespace pattik {

// Draws a line one screen pixel wide along every border between the picture pixels the
// canvas shows. Each line pixel is the pixel under it nudged a quarter of the way to black
// or white, whichever is further, so the grid shows on any colour without hiding it.
void DrawPixelGrid(DrawingContext& client, const CanvasMapping& mapping);

// The grid pixel drawn over a colour.
COLORREF GridColourOver(COLORREF colour);

} // namespace pattik
