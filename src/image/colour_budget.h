#pragma once

#include "raster/device_bitmap.h"

namespace pattik {

// A saved picture's palette has 256 entries: the transparent magenta takes entry 0 and black
// entry 255, which leaves this many for the picture's other colours.
inline constexpr int kColourBudget = 254;

// The colours of a picture as its GIF palette will hold them.
struct ColourCount {
    int colours = 0;       // distinct colours other than the transparent magenta and black
    bool hasBlack = false; // black keeps entry 255 only when the picture has it

    // Whether saving would draw some colours with their nearest entry: without black, entry
    // 255 takes one more colour.
    bool WillMerge() const { return colours > kColourBudget + (hasBlack ? 0 : 1); }
};

ColourCount CountColours(const DeviceBitmap& picture);

} // namespace pattik
