#pragma once

#include "panel/canvas_overlay.h"
#include "panel/edit_panel.h"
#include "tools/gesture.h"

namespace pattik {

// Each tool's preview over the composed picture, in picture pixels; the composition is
// shown in the preview and the canvas but never written into the picture being edited.
using PreviewRoutine = void (*)(const CEditPanel& panel, const Gesture& gesture,
                                DrawingContext& composition);

void PreviewRectangle(const CEditPanel& panel, const Gesture& gesture, DrawingContext& composition);
void PreviewEllipse(const CEditPanel& panel, const Gesture& gesture, DrawingContext& composition);
void PreviewLine(const CEditPanel& panel, const Gesture& gesture, DrawingContext& composition);
void PreviewPencil(const CEditPanel& panel, const Gesture& gesture, DrawingContext& composition);
void PreviewEraser(const CEditPanel& panel, const Gesture& gesture, DrawingContext& composition);
void PreviewSelection(const CEditPanel& panel, const Gesture& gesture, DrawingContext& composition);

// The picture pixels a tool's preview of a gesture may change, so that a preview that moves
// repaints only those.
using PreviewAreaRoutine = RECT (*)(const CEditPanel& panel, const Gesture& gesture);

// The pencil's, the line's and the two box shapes'.
RECT ShapePreviewArea(const CEditPanel& panel, const Gesture& gesture);
RECT EraserPreviewArea(const CEditPanel& panel, const Gesture& gesture);
// The floating selection and its marquee, or the marquee being dragged.
RECT SelectionPreviewArea(const CEditPanel& panel, const Gesture& gesture);

// The overlay the panel composes: the current tool's preview of a gesture, looked up in the
// tool table.
class ToolPreviews : public CanvasOverlay {
  public:
    explicit ToolPreviews(const Gesture& gesture) : gesture_(gesture) {}

    void DrawOverlay(const CEditPanel& panel, DrawingContext& composition) const override;
    RECT OverlayArea(const CEditPanel& panel) const override;

  private:
    const Gesture& gesture_;
};

} // namespace pattik
