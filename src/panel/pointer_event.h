#pragma once

#include "raster/geometry.h"

namespace pattik {

// One mouse event as the pointer handlers see it, whatever window system sent it: where it
// happened in the panel's client pixels, the buttons held (or, for a press or release, the
// button concerned) and the modifier keys held.
struct PointerEvent {
    Point point;
    bool left = false;
    bool right = false;
    bool control = false;
    bool shift = false;
};

} // namespace pattik
