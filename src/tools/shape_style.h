#pragma once

#include "panel/panel_state.h"
#include "raster/drawing_context.h"

namespace pattik {

// The pen and brush a shape is drawn with.
struct ShapeStyle {
    Pen pen;
    Brush brush;

    // Selects both into the context until the guard goes, then puts the previous ones back.
    class Selected {
      public:
        Selected(DrawingContext& context, const ShapeStyle& style)
            : context_(context), pen_(context.SelectPen(style.pen)),
              brush_(context.SelectBrush(style.brush)) {}
        ~Selected() {
            context_.SelectPen(pen_);
            context_.SelectBrush(brush_);
        }
        Selected(const Selected&) = delete;
        Selected& operator=(const Selected&) = delete;

      private:
        DrawingContext& context_;
        Pen pen_;
        Brush brush_;
    };
};

// A stroke: the options' pen in the given colour, no brush.
ShapeStyle StrokeStyle(const ToolOptions& options, COLORREF colour);

// A rectangle or an ellipse: the options' pen in the given colour, and the brush of the fill
// style. The brush takes its colour from the button that draws, not from penColour:
//   fill style  1  outline only
//   fill style  0  filled with the other button's colour
//   fill style -1  filled with the drawing button's own colour
ShapeStyle FilledShapeStyle(const ToolOptions& options, const DrawingColours& colours,
                            COLORREF penColour);

} // namespace pattik
