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

    // The picture pixel under a client point: the one painting shows there. The canvas
    // stretches SourceArea() over itself, so per axis the pixel is
    //     trunc((c - origin) * source / canvas + offset)
    // in exact integer arithmetic, truncated toward zero. At zoom 2 and 10 the canvas is an
    // exact multiple of the source and this is trunc((c - origin) / zoom) + offset; at zoom 4
    // and 6 the source is canvas / zoom truncated to whole pixels, each stretched a little
    // wider than the zoom, and dividing by the zoom instead would put the pointer a pixel
    // off the one shown for most of the canvas. Just
    // left of the canvas truncation still gives column 0 (client x 7 at zoom 2) and two
    // pixels left column -1. Points off the canvas map outside the picture, or into it
    // unchanged; drawing clips them.
    Point ClientToImage(Point client) const;

    // The canvas rectangle (client pixels) that shows a picture pixel; empty when the pixel
    // is not in view. Every client point in it maps back to that pixel.
    RECT ImageToCanvas(Point pixel) const;

    // The canvas rectangle that shows a block of picture pixels (its part in view), and the
    // block of picture pixels a canvas rectangle shows: each the smallest that holds all of
    // the other's pixels, so a repaint of one needs exactly the other.
    RECT PictureAreaToCanvas(const RECT& area) const;
    RECT CanvasToPictureArea(const RECT& client) const;

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
