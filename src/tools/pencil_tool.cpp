// The pencil's preview: the pixel a click would set under a one-pixel pen; with a wider pen
// the stroke from the last point to the pointer, as the next drag step will draw it.
#include "tools/previews.h"
#include "tools/shapes.h"

namespace pattik {

void PreviewPencil(const CEditPanel& panel, DrawingContext& composition) {
    const Gesture& drag = panel.Drag();
    if (!drag.isDragging) {
        return;
    }
    const Pen pen = StrokeStyle(panel.Options(), panel.Colours().DrawingColour()).pen;
    const Point to = pen.width <= 1 ? drag.anchorPoint : drag.currentPoint;
    DrawSegmentShape(composition, pen, drag.anchorPoint, to);
}

} // namespace pattik
