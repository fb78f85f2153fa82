// The selection's preview: the floating pixels where the selection lies, then a dotted
// marquee, on the selection while it floats and between the drag's points while one is
// being dragged out.
#include "image/colour_keys.h"
#include "tools/previews.h"
#include "tools/shapes.h"

namespace pattik {
namespace {

// Under XOR the black dots leave pixels as they are and the white gaps invert them, so the
// marquee shows on any picture.
constexpr ShapeStyle kMarquee{Pen{PenStyle::Dot, 1, kBlack}, Brush{BrushStyle::Null, kWhite}};

} // namespace

void PreviewSelection(const CEditPanel& panel, DrawingContext& composition) {
    const FloatingSelection& selection = panel.Selection();
    const Gesture& drag = panel.Drag();
    if (!drag.isDragging && !selection.hasFloatingSelection) {
        return;
    }
    const RECT& rect = selection.selectionRect;
    DrawWithoutMagenta(panel.SelectionBitmap(), composition, rect.left, rect.top, -1, -1, &rect);

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

} // namespace pattik
