// The two-corner tools: rectangle, ellipse and line. Each previews its shape between the
// gesture's points while the preview is shown: during a drag, and as a dot under a hover.
// With Shift held the drag's end is constrained before it becomes the gesture's point, so
// the rubber band and the release draw the same constrained shape.
#include "tools/previews.h"
#include "tools/shape_constraint.h"
#include "tools/shapes.h"
#include "tools/tool_routines.h"
#include "tools/tool_steps.h"

#include <algorithm>
#include <cstdint>

namespace pattik {

void DrawSegmentShape(DrawingContext& context, const Pen& pen, Point from, Point to) {
    if (from == to && pen.width <= 1) {
        context.SetPixel(from.x, from.y, pen.colour);
        return;
    }
    const Pen previous = context.SelectPen(pen);
    context.MoveTo(from.x, from.y);
    context.LineTo(to.x, to.y);
    context.SelectPen(previous);
}

void DrawRectangleShape(DrawingContext& context, const ShapeStyle& style, Point from, Point to) {
    const ShapeStyle::Selected selected(context, style);
    context.Rectangle(from.x, from.y, to.x, to.y);
}

void DrawEllipseShape(DrawingContext& context, const ShapeStyle& style, Point from, Point to) {
    const ShapeStyle::Selected selected(context, style);
    context.Ellipse(from.x, from.y, to.x, to.y);
}

RECT ShapeArea(Point from, Point to, int penWidth) {
    // A one-pixel pen stays within the box; a wider one's round brush reaches half its
    // width out, and a pixel more allows for how its edge is rounded.
    const std::int64_t grow = penWidth <= 1 ? 0 : penWidth / 2 + 1;
    return ClampedRect(std::int64_t{std::min(from.x, to.x)} - grow,
                       std::int64_t{std::min(from.y, to.y)} - grow,
                       std::int64_t{std::max(from.x, to.x)} + 1 + grow,
                       std::int64_t{std::max(from.y, to.y)} + 1 + grow);
}

RECT ShapePreviewArea(const CEditPanel& panel, const Gesture& gesture) {
    if (!gesture.previewShown) {
        return RECT{};
    }
    return ShapeArea(gesture.anchorPoint, gesture.currentPoint, panel.Options().lineWidth);
}

namespace {

using FilledShape = void (*)(DrawingContext&, const ShapeStyle&, Point, Point);

void PreviewFilledShape(const CEditPanel& panel, const Gesture& drag, DrawingContext& composition,
                        FilledShape draw) {
    if (drag.previewShown) {
        const DrawingColours& colours = panel.Colours();
        draw(composition, FilledShapeStyle(panel.Options(), colours, colours.DrawingColour()),
             drag.anchorPoint, drag.currentPoint);
    }
}

} // namespace

void PreviewRectangle(const CEditPanel& panel, const Gesture& gesture,
                      DrawingContext& composition) {
    PreviewFilledShape(panel, gesture, composition, DrawRectangleShape);
}

void PreviewEllipse(const CEditPanel& panel, const Gesture& gesture, DrawingContext& composition) {
    PreviewFilledShape(panel, gesture, composition, DrawEllipseShape);
}

void PreviewLine(const CEditPanel& panel, const Gesture& drag, DrawingContext& composition) {
    if (drag.previewShown) {
        const Pen pen = StrokeStyle(panel.Options(), panel.Colours().DrawingColour()).pen;
        DrawSegmentShape(composition, pen, drag.anchorPoint, drag.currentPoint);
    }
}

void PressShape(ToolContext& tool, Point q, MouseButton) {
    tool.SetDragPoints(q, q);
    tool.ShowPreview(true);
}

namespace {

using Constraint = Point (*)(Point anchor, Point pointer);

// Where the shape ends: at the pointer, or where Shift constrains it to.
template <Constraint Constrain>
Point ShapeEnd(const ToolContext& tool, Point q) {
    return tool.Drag().shiftHeld ? Constrain(tool.Drag().anchorPoint, q) : q;
}

template <Constraint Constrain>
void DragTwoCornerShape(ToolContext& tool, Point q) {
    tool.SetDragPoints(tool.Drag().anchorPoint, ShapeEnd<Constrain>(tool, q));
}

// The release draws the shape from the anchor to where the button came up.
template <void (*Draw)(ToolContext&, Point, Point, COLORREF), Constraint Constrain>
void ReleaseTwoCornerShape(ToolContext& tool, Point q, MouseButton button) {
    const Point anchor = tool.Drag().anchorPoint;
    const Point end = ShapeEnd<Constrain>(tool, q);
    tool.SetDragPoints(anchor, end);
    tool.ShowPreview(false);
    Draw(tool, anchor, end, ColourOf(tool, button));
}

} // namespace

void DragBox(ToolContext& tool, Point q, MouseButton) {
    DragTwoCornerShape<SquareCorner>(tool, q);
}

void DragLine(ToolContext& tool, Point q, MouseButton) {
    DragTwoCornerShape<SnappedLineEnd>(tool, q);
}

void ReleaseRectangle(ToolContext& tool, Point q, MouseButton button) {
    ReleaseTwoCornerShape<DrawRectangle, SquareCorner>(tool, q, button);
}

void ReleaseEllipse(ToolContext& tool, Point q, MouseButton button) {
    ReleaseTwoCornerShape<DrawEllipse, SquareCorner>(tool, q, button);
}

void ReleaseLine(ToolContext& tool, Point q, MouseButton button) {
    ReleaseTwoCornerShape<DrawSegment, SnappedLineEnd>(tool, q, button);
}

} // namespace pattik
