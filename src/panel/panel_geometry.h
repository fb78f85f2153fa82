#pragma once

#include "raster/geometry.h"

namespace pattik {

// Where the panel paints, tests and repaints, in its client pixels. The canvas shows the
// current picture at twice its size; (w, h) is that picture's size.
struct PanelGeometry {
    static constexpr Point kCanvasOrigin{8, 28};
    static constexpr Point kPreviewOrigin{178, 53};
    static constexpr RECT kColourWells{10, 290, 51, 328};
    static constexpr RECT kColourStrip{10, 345, 211, 362};
    static constexpr RECT kPrimaryWell{10, 290, 35, 315};
    static constexpr RECT kSecondaryWell{23, 303, 48, 328};
    static constexpr RECT kPrimaryWellFrame{8, 288, 37, 317};
    static constexpr RECT kSecondaryWellFrame{21, 301, 50, 330};
    // The canvas frame lies two pixels around the canvas; its own line is the outer one.
    static constexpr int kFrameMargin = 2;

    static constexpr RECT Canvas(Size image) {
        return RECT{kCanvasOrigin.x, kCanvasOrigin.y, kCanvasOrigin.x + 2 * image.cx,
                    kCanvasOrigin.y + 2 * image.cy};
    }
    static constexpr RECT CanvasFrame(Size image) {
        const RECT canvas = Canvas(image);
        return RECT{canvas.left - kFrameMargin, canvas.top - kFrameMargin,
                    canvas.right + kFrameMargin, canvas.bottom + kFrameMargin};
    }
    static constexpr RECT Preview(Size image) {
        return RECT{kPreviewOrigin.x, kPreviewOrigin.y, kPreviewOrigin.x + image.cx,
                    kPreviewOrigin.y + image.cy};
    }
};

} // namespace pattik
