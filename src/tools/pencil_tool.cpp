// The pencil: a left press sets its pixel, each move draws a segment from the last point,
// and the release ends the stroke. The preview: the pixel a click would set under a one-pixel pen;
// with a wider pen the stroke from the last point to the pointer, as the next drag step will draw
// it.
#include "tools/previews.h"
#include "tools/shapes.h"
#include "tools/tool_routines.h"
#include "tools/tool_steps.h"

namespace pattik {

void PreviewPencil(const CEditPanel& panel, const Gesture& drag, DrawingContext& composition) {
    if (!drag.previewShown) {
        return;
    }
    const Pen pen = StrokeStyle(panel.Options(), panel.Colours().DrawingColour()).pen;
    const Point to = pen.width <= 1 ? drag.anchorPoint : drag.currentPoint;
    DrawSegmentShape(composition, pen, drag.anchorPoint, to);
}

void PressPencil(ToolContext& tool, Point q, MouseButton button) {
    tool.SetDragPoints(q, q);
    tool.ShowPreview(true);
    if (button == MouseButton::Left) {
        DrawSegment(tool, q, q, ColourOf(tool, button));
    }
}

// Consecutive segments share their ends, and each leaves out its own last point for the
// next one to paint, so the stroke is continuous.
void DragPencil(ToolContext& tool, Point q, MouseButton button) {
    const Point from = tool.Drag().anchorPoint;
    tool.SetDragPoints(from, q);
    DrawSegment(tool, from, q, ColourOf(tool, button));
    tool.SetDragPoints(q, q);
}

// A left release sets the release pixel; a right one closes the stroke up to it.
void ReleasePencil(ToolContext& tool, Point q, MouseButton button) {
    tool.ShowPreview(false);
    if (button == MouseButton::Left) {
        tool.SetDragPoints(q, q);
        DrawSegment(tool, q, q, ColourOf(tool, button));
    } else {
        const Point from = tool.Drag().anchorPoint;
        tool.SetDragPoints(from, q);
        DrawSegment(tool, from, q, ColourOf(tool, button));
    }
}

} // namespace pattik
