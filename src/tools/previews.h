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

// The overlay the panel composes: the current tool's preview of a gesture, looked up in the
// tool table.
class ToolPreviews : public CanvasOverlay {
  public:
    explicit ToolPreviews(const Gesture& gesture) : gesture_(gesture) {}

    void DrawOverlay(const CEditPanel& panel, DrawingContext& composition) const override;

  private:
    const Gesture& gesture_;
};

} // namespace pattik
