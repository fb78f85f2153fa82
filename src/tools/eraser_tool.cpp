// The eraser's square, and its preview: the square inverted in white, shown whether or not
// a button is held, where the pointer is over the canvas.
#include "tools/previews.h"
#include "tools/shapes.h"
#include "tools/tool_routines.h"
#include "tools/tool_steps.h"

#include <cstdint>

namespace pattik {
namespace {

// White under XOR shows on any colour and vanishes when drawn twice.
constexpr ShapeStyle kEraserOutline{Pen{PenStyle::Solid, 1, kWhite},
                                    Brush{BrushStyle::Solid, kWhite}};

} // namespace

RECT EraserSquare(Point centre, int side) {
    const std::int64_t half = side / 2;
    return ClampedRect(centre.x - half, centre.y - half, centre.x + half, centre.y + half);
}

void PreviewEraser(const CEditPanel& panel, const Gesture& gesture, DrawingContext& composition) {
    if (!gesture.previewShown) {
        return;
    }
    const RECT square = EraserSquare(gesture.anchorPoint, panel.Options().eraserSize);
    const RasterOp previous = composition.SetROP2(RasterOp::XorPen);
    DrawRectangleShape(composition, kEraserOutline, Point{square.left, square.top},
                       Point{square.right, square.bottom});
    composition.SetROP2(previous);
}

RECT EraserPreviewArea(const CEditPanel& panel, const Gesture& gesture) {
    if (!gesture.previewShown) {
        return RECT{};
    }
    const RECT square = EraserSquare(gesture.anchorPoint, panel.Options().eraserSize);
    return ClampedRect(std::int64_t{square.left} - 1, std::int64_t{square.top} - 1,
                       std::int64_t{square.right} + 1, std::int64_t{square.bottom} + 1);
}

// Both buttons erase alike, only where the pointer is reported: nothing is drawn between
// two reported positions.
void EraseAt(ToolContext& tool, Point q, MouseButton) {
    tool.SetDragPoints(q, q);
    tool.ShowPreview(true);
    const RECT square = EraserSquare(q, tool.Options().eraserSize);
    EraseArea(tool, Point{square.left, square.top}, Point{square.right, square.bottom});
}

} // namespace pattik
