#pragma once

#include "raster/geometry.h"

namespace pattik {

// What the pointer is doing over the canvas, as the tools move it: where a drag began and
// where the pointer is now (picture pixels; for a shape with Shift held, where the shape
// ends), whether the current tool's preview is shown, whether Shift was held at the
// pointer's last report, and where a hand scroll started (panel pixels). The canvas tools own it;
// the tool steps change it through their context, and the previews read it.
//
// Whether a stroke is going on is not part of it: a hover shows the preview too. Only
// CanvasTools::InStroke() answers that.
struct Gesture {
    Point anchorPoint;
    Point currentPoint;
    bool previewShown = false;
    Point scrollDragOrigin;
    bool shiftHeld = false;
};

} // namespace pattik
