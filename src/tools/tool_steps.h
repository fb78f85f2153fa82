#pragma once

#include "tools/tool_context.h"

namespace pattik {

enum class MouseButton { Left, Right };

// The colour a button draws with: colour 1 for the left one, colour 2 for the right one.
inline COLORREF ColourOf(const ToolContext& tool, MouseButton button) {
    return button == MouseButton::Left ? tool.Colours().primaryColour
                                       : tool.Colours().secondaryColour;
}

// A tool's part of a press that passed the guards, of a move with a button held, and of the
// release that ends the stroke; q is the pointer's picture pixel, unclamped.
using ToolStep = void (*)(ToolContext& tool, Point q, MouseButton button);
// A timer-driven tool's part of each tick of the panel's timer during its stroke.
using TimerStep = void (*)(ToolContext& tool);

// Rectangle, ellipse and line (shape_tools.cpp): a drag between two corners, drawn at the
// release. With Shift held the box is a square and the line snaps to 45 degrees.
void PressShape(ToolContext& tool, Point q, MouseButton button);
void DragBox(ToolContext& tool, Point q, MouseButton button);
void DragLine(ToolContext& tool, Point q, MouseButton button);
void ReleaseRectangle(ToolContext& tool, Point q, MouseButton button);
void ReleaseEllipse(ToolContext& tool, Point q, MouseButton button);
void ReleaseLine(ToolContext& tool, Point q, MouseButton button);

// Pencil (pencil_tool.cpp).
void PressPencil(ToolContext& tool, Point q, MouseButton button);
void DragPencil(ToolContext& tool, Point q, MouseButton button);
void ReleasePencil(ToolContext& tool, Point q, MouseButton button);

// Eraser (eraser_tool.cpp): a square at every reported position, nothing at the release.
void EraseAt(ToolContext& tool, Point q, MouseButton button);

// Airbrush (airbrush_tool.cpp): the timer sprays where the pointer is.
void PressAirbrush(ToolContext& tool, Point q, MouseButton button);
void DragAirbrush(ToolContext& tool, Point q, MouseButton button);
void ReleaseAirbrush(ToolContext& tool, Point q, MouseButton button);
void SprayAirbrush(ToolContext& tool);

// Flood fill and colour picker (fill_tools.cpp): all at the press.
void PressFloodFill(ToolContext& tool, Point q, MouseButton button);
void PressColourPicker(ToolContext& tool, Point q, MouseButton button);

// Selection (selection_tool.cpp).
void PressSelection(ToolContext& tool, Point q, MouseButton button);
void DragSelection(ToolContext& tool, Point q, MouseButton button);
void ReleaseSelection(ToolContext& tool, Point q, MouseButton button);

} // namespace pattik
