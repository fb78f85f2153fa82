#include "tools/shape_style.h"

namespace pattik {

ShapeStyle StrokeStyle(const ToolOptions& options, COLORREF colour) {
    return ShapeStyle{Pen{static_cast<PenStyle>(options.penStyle), options.lineWidth, colour},
                      Brush{BrushStyle::Null, colour}};
}

ShapeStyle FilledShapeStyle(const ToolOptions& options, const DrawingColours& colours,
                            COLORREF penColour) {
    ShapeStyle style = StrokeStyle(options, penColour);
    switch (options.fillStyle) {
    case kFilledWithOtherColour:
        style.brush = Brush{BrushStyle::Solid, colours.OtherColour()};
        break;
    case kFilledWithDrawingColour:
        style.brush = Brush{BrushStyle::Solid, colours.DrawingColour()};
        break;
    default: // outline only
        style.brush = Brush{BrushStyle::Null, colours.OtherColour()};
        break;
    }
    return style;
}

} // namespace pattik
