#pragma once

#include "panel/edit_panel.h"

#include <optional>
#include <string>

namespace pattik {

// The picture pixel under the pointer, for the status bar.
struct PixelReadout {
    Point pixel;
    COLORREF colour;
};

// The current picture's pixel under a client point, when the point is on the canvas and
// an item is shown there; in the DP view of an item whose DP is a window of the wear
// picture, the colour is the wear pixel shown there.
std::optional<PixelReadout> ReadPixelUnder(const CEditPanel& panel, Point client);
// "12, 30  R 255 G 0 B 0", or "12, 30  투명" for an empty pixel.
std::string PixelReadoutText(const PixelReadout& readout);

} // namespace pattik
