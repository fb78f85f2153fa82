// The selection: a marquee dragged out and released lifts the pixels inside it, cut from
// the picture unless the left Ctrl key is held; a press inside the floating selection
// moves it, a press outside merges it and starts a new marquee. The preview: the floating pixels
// where the selection lies, then a dotted marquee, on the selection while it floats and between the
// drag's points while one is being dragged out.
#include "image/colour_keys.h"
#include "tools/previews.h"
#include "tools/shapes.h"
#include "tools/tool_routines.h"
#include "tools/tool_steps.h"

#include <algorithm>
#include <cstdint>

namespace pattik {
namespace {

// Under XOR the black dots leave pixels as they are and the white gaps invert them, so the
// marquee shows on any picture.
constexpr ShapeStyle kMarquee{Pen{PenStyle::Dot, 1, kBlack}, Brush{BrushStyle::Null, kWhite}};

// How far the pointer moved, held within what an int holds (the move stops at the limits
// anyway).
int Difference(int to, int from) {
    return static_cast<int>(
        std::clamp<std::int64_t>(std::int64_t{to} - from, INT32_MIN, INT32_MAX));
}

} // namespace

void PreviewSelection(const CEditPanel& panel, const Gesture& drag, DrawingContext& composition) {
    const FloatingSelection& selection = panel.Selection();
    if (!drag.previewShown && !selection.hasFloatingSelection) {
        return;
    }
    const RECT& rect = selection.selectionRect;
    // Only floating pixels are shown: once merged (a tool change keeps the rectangle), the
    // bitmap holds what the picture may since have lost, and showing it would lie.
    if (selection.hasFloatingSelection) {
        DrawWithoutMagenta(panel.SelectionBitmap(), composition, rect.left, rect.top, -1, -1,
                           &rect);
    }

    const BackgroundMode previousMode = composition.SetBkMode(BackgroundMode::Opaque);
    const COLORREF previousBackground = composition.SetBkColor(kWhite);
    const RasterOp previousOp = composition.SetROP2(RasterOp::XorPen);
    if (selection.hasFloatingSelection) {
        DrawRectangleShape(composition, kMarquee, Point{rect.left, rect.top},
                           Point{rect.right, rect.bottom});
    } else {
        DrawRectangleShape(composition, kMarquee, drag.anchorPoint, drag.currentPoint);
    }
    composition.SetROP2(previousOp);
    composition.SetBkColor(previousBackground);
    composition.SetBkMode(previousMode);
}

RECT SelectionPreviewArea(const CEditPanel& panel, const Gesture& drag) {
    const FloatingSelection& selection = panel.Selection();
    if (selection.hasFloatingSelection) {
        const RECT& rect = selection.selectionRect;
        return ShapeArea(Point{rect.left, rect.top}, Point{rect.right, rect.bottom}, 1);
    }
    return drag.previewShown ? ShapeArea(drag.anchorPoint, drag.currentPoint, 1) : RECT{};
}

void PressSelection(ToolContext& tool, Point q, MouseButton) {
    const FloatingSelection& selection = tool.Selection();
    if (selection.hasFloatingSelection) {
        if (Contains(selection.selectionRect, q.x, q.y)) {
            tool.SetDragPoints(q, tool.Drag().currentPoint);
            tool.ShowPreview(true);
            return;
        }
        tool.CommitFloatingSelection();
        tool.DropFloatingSelection();
    }
    tool.SetDragPoints(q, q);
    tool.ShowPreview(true);
}

void DragSelection(ToolContext& tool, Point q, MouseButton) {
    if (tool.Selection().hasFloatingSelection) {
        const Point anchor = tool.Drag().anchorPoint;
        tool.MoveSelectionBy(Difference(q.x, anchor.x), Difference(q.y, anchor.y));
        tool.SetDragPoints(q, q);
    } else {
        tool.SetDragPoints(tool.Drag().anchorPoint, q);
    }
}

void ReleaseSelection(ToolContext& tool, Point q, MouseButton) {
    const Point anchor = tool.Drag().anchorPoint;
    tool.SetDragPoints(anchor, q);
    tool.ShowPreview(false);
    // The end of a move, or a click that dragged out nothing.
    if (tool.Selection().hasFloatingSelection || q == anchor) {
        return;
    }
    tool.LiftSelection(anchor, q);
    if (!tool.Selection().hasFloatingSelection) {
        return; // the marquee lay wholly off the picture
    }
    // What is cut is exactly what floats. Only the left Ctrl key makes a copy; the right one
    // is no different from none.
    if (!tool.IsKeyDown(PolledKey::LeftControl)) {
        const RECT& lifted = tool.Selection().selectionRect;
        EraseArea(tool, Point{lifted.left, lifted.top}, Point{lifted.right, lifted.bottom});
    }
}

} // namespace pattik
