#pragma once

#include "raster/drawing_context.h"
#include "tools/shape_style.h"

namespace pattik {

// The shapes the tools draw, each in one routine that the rubber band and the final stroke
// both call, so what the canvas shows while dragging is what the release draws. Points are
// picture pixels in any order and unclamped; the context clips.

// A click of a one-pixel pen sets the one pixel; anything else is a stroke that paints its
// first point and leaves out its last.
void DrawSegmentShape(DrawingContext& context, const Pen& pen, Point from, Point to);
// The box between two opposite corners, right and bottom edges left out.
void DrawRectangleShape(DrawingContext& context, const ShapeStyle& style, Point from, Point to);
void DrawEllipseShape(DrawingContext& context, const ShapeStyle& style, Point from, Point to);

// The pixels a shape between two points may touch with a pen of this width: their box
// (both points included), grown on every side by as far as a wide pen's round brush reaches.
RECT ShapeArea(Point from, Point to, int penWidth);

// The eraser's square around a point: half the side (rounded down) to each side of it, so
// an even side of 2 covers 2 x 2 pixels, the point at the bottom right of the middle. Far
// points are held within the coordinates a rectangle can hold.
RECT EraserSquare(Point centre, int side);

} // namespace pattik
