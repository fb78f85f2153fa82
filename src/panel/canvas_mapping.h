#pragma once

#include "raster/geometry.h"

namespace pattik {

// How the canvas shows the current picture: at `scale` screen pixels per picture pixel, with
// picture pixel `offset` at the canvas origin. Pointer input and painting both ask this one
// type, so what the user points at and what the canvas shows come from the same numbers.
class CanvasMapping {
  public:
    // scale must be one of the canvas zooms (2, 4, 6, 10); the panel guarantees it.
    CanvasMapping(float scale, Point offset, Size picture);

    // The picture pixel under a client point: trunc((c - origin) / scale + offset) per axis,
    // computed in double and truncated toward zero, so at scale 2 and offset 0 client x 7 is
    // column 0 and client x 6 column -1. Points off the canvas map outside the picture or
    // into it unchanged; drawing clips them.
    Point ClientToImage(Point client) const;

    // The canvas rectangle (client pixels) that shows a picture pixel, as painting stretches
    // the source area over the canvas; empty when the pixel is not in view. At zoom 4 and 6
    // the source is a whole number of pixels stretched over the canvas, so near the right
    // and bottom edges a pixel may be shown one column or row away from where
    // ClientToImage puts it.
    RECT ImageToCanvas(Point pixel) const;

    // The picture pixels the canvas shows: from the offset, trunc(2w / scale) by
    // trunc(2h / scale), stretched over the whole canvas.
    RECT SourceArea() const;
    // The canvas in client pixels: twice the picture's size from the canvas origin.
    RECT Canvas() const;

  private:
    float scale_;
    Point offset_;
    Size picture_;
};

} // namespace pattik
