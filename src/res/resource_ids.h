#pragma once

namespace pattik {

// Bitmap resources, by the id their BMP file is named after.
inline constexpr int kColourStripBitmap = 137;       // 201 x 17, the colour strip
inline constexpr int kBackgroundCheckerBitmap = 198; // 75 x 125, behind every picture

} // namespace pattik
