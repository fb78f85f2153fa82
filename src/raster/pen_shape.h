#pragma once

#include "raster/coverage_mask.h"
#include "raster/line_raster.h"

#include <cstdint>

namespace pattik {

// How far a pen of this width reaches from the pixel it is centred on.
constexpr std::int64_t PenReach(int width) {
    return width / 2 + 1;
}

// The clip box widened by a pen's reach: outline pixels outside it cannot touch the box.
SpanWindow WidenedWindow(const RECT& clipBox, int width);

// Adds the round footprint of a pen of the given width centred on (x, y). A width of
// one or less is the pixel itself; an odd width is centred on the pixel, an even one on
// its top-left corner.
void StampPen(CoverageMask& mask, std::int64_t x, std::int64_t y, int width);

// The dotted pen: two pixels drawn, two left as gaps, counted along the outline.
constexpr bool IsDotPixel(std::int64_t indexAlongOutline) {
    return ((indexAlongOutline % 4) + 4) % 4 < 2;
}

} // namespace pattik
