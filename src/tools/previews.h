#pragma once

#include "panel/canvas_overlay.h"
#include "panel/edit_panel.h"

namespace pattik {

// Each tool's preview over the composed picture, in picture pixels; the composition is
// shown in the preview and the canvas but never written into the picture being edited.
using PreviewRoutine = void (*)(const CEditPanel& panel, DrawingContext& composition);

void PreviewRectangle(const CEditPanel& panel, DrawingContext& composition);
void PreviewEllipse(const CEditPanel& panel, DrawingContext& composition);
void PreviewLine(const CEditPanel& panel, DrawingContext& composition);
void PreviewPencil(const CEditPanel& panel, DrawingContext& composition);
void PreviewEraser(const CEditPanel& panel, DrawingContext& composition);
void PreviewSelection(const CEditPanel& panel, DrawingContext& composition);

// The overlay the panel composes: the current tool's preview, looked up in the tool table.
class ToolPreviews : public CanvasOverlay {
  public:
    void DrawOverlay(const CEditPanel& panel, DrawingContext& composition) const override;
};

} // namespace pattik
