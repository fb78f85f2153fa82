#pragma once

#include "raster/geometry.h"

#include <string_view>

namespace pattik {

// The tool palette's buttons and its repaint, so the palette's logic runs headless.
class PaletteHost {
  public:
    virtual ~PaletteHost() = default;

    virtual void EnableButton(int buttonId, bool enable) = 0;
    virtual void ShowButton(int buttonId, bool show) = 0;
    // Moves and sizes a button, in the palette's client pixels.
    virtual void PlaceButton(int buttonId, const RECT& place) = 0;
    // The bitmap resources a button shows when up and when pressed.
    virtual void SetButtonFaces(int buttonId, int upBitmapId, int pressedBitmapId) = 0;
    // The text a button's tooltip shows.
    virtual void SetToolTip(int buttonId, std::string_view text) = 0;
    // Repaints the whole palette without erasing (its swatches changed).
    virtual void InvalidatePalette() = 0;
};

} // namespace pattik
