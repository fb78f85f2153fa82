#pragma once

#include "raster/geometry.h"

namespace pattik {

// Asks the window to repaint part of the editing panel; the repaint comes later, through
// the panel's paint routine.
class ViewHost {
  public:
    virtual ~ViewHost() = default;

    // A panel rectangle in client pixels, erasing it to the bar colour first or not.
    virtual void Invalidate(const RECT& rect, bool erase) = 0;
    virtual void InvalidateAll(bool erase) = 0;
};

} // namespace pattik
