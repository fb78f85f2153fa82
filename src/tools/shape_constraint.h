#pragma once

#include "raster/geometry.h"

namespace pattik {

// Where a drag with Shift held ends, from its anchor and the pointer's picture pixel.

// A rectangle or an ellipse keeps its proportions: the box becomes a square whose side is
// the larger of the drag's width and height, lying on the side of the anchor the drag went
// to (to the right and down along an axis the drag did not move on). So a drag from (10, 10)
// to (4, 12) boxes the 6 x 6 square from (4, 10).
Point SquareCorner(Point anchor, Point pointer);

// A line snaps to the nearest multiple of 45 degrees. Across the 22.5-degree borders it turns
// horizontal, diagonal or vertical; a diagonal is as long on each axis as the drag's longer
// side, a straight line as long as the drag along it.
Point SnappedLineEnd(Point anchor, Point pointer);

} // namespace pattik
