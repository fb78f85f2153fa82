#pragma once

#include "raster/colour.h"

#include <cstddef>
#include <cstdint>

namespace pattik {

// How many of the `count` pixels from `pixels` on are `colour`, before the first that is
// not: the length of the run a fill or a scan walks along. Compares several pixels at a
// time where the processor can, which is most of a large fill's work.
std::size_t LeadingRun(const COLORREF* pixels, std::size_t count, COLORREF colour);
// How many of the `count` pixels from `pixels` on are not `colour`, before the first that
// is.
std::size_t LeadingOthers(const COLORREF* pixels, std::size_t count, COLORREF colour);

// Paints the leading run of `colour` in `replacement` as it walks it, and returns its length:
// LeadingRun and a fill of the run in one pass over the pixels.
std::size_t ReplaceLeadingRun(COLORREF* pixels, std::size_t count, COLORREF colour,
                              COLORREF replacement);

// The same for the bytes of palette indices: how many of the `count` bytes from `bytes` on
// equal `value`, before the first that does not.
std::size_t LeadingByteRun(const std::uint8_t* bytes, std::size_t count, std::uint8_t value);

} // namespace pattik
