#pragma once

#include "tools/tool_context.h"

namespace pattik {

// The routines that paint into the current picture, each followed by a repaint of the
// preview and the canvas. Points are picture pixels in any order and unclamped: the
// picture clips them.

// A click of a one-pixel pen sets the one pixel; anything else is a stroke of the line
// width that paints its first point and leaves out its last.
void DrawSegment(ToolContext& tool, Point from, Point to, COLORREF colour);
// The outline in the colour and the inside as the fill style says.
void DrawRectangle(ToolContext& tool, Point from, Point to, COLORREF colour);
void DrawEllipse(ToolContext& tool, Point from, Point to, COLORREF colour);
// Makes the whole box between two corners transparent (right and bottom edges left out).
void EraseArea(ToolContext& tool, Point from, Point to);

// One airbrush burst of spraySize dots around a point: each dot lies r < spraySize pixels
// away at a whole-degree angle, the sine going to x and the cosine to y. The distance and
// the angle are the panel's next two random numbers.
void Spray(ToolContext& tool, Point at, COLORREF colour);

// Fills the region of the seed's colour that the seed is connected to through edges. A
// seed off the picture, or a fill with the seed's own colour, changes nothing.
void FloodFill(ToolContext& tool, Point seed, COLORREF colour);

} // namespace pattik
