#pragma once

#include "raster/drawing_context.h"

namespace pattik {

class CEditPanel;

// What the current tool shows over the picture while the user works: a rubber band, the
// eraser's square, the floating selection and its marquee. The tools supply it; the panel
// composes it into the picture it shows, never into the picture it edits, and never asks
// which tool drew it.
class CanvasOverlay {
  public:
    virtual ~CanvasOverlay() = default;

    // Called by every repaint once the view is composed; draws in picture pixels.
    virtual void DrawOverlay(const CEditPanel& panel, DrawingContext& composition) const = 0;
    // The picture pixels DrawOverlay may change as things stand now. The panel repaints
    // where the overlay was shown and where it will be, and nothing else, when it moves.
    virtual RECT OverlayArea(const CEditPanel& panel) const = 0;
};

} // namespace pattik
