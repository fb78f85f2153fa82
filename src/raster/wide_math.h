#pragma once

#include <cstdint>

namespace pattik {

// Products of two coordinates spanning the whole int range need more than 64 bits.
using Int128 = __int128;

// floor(a * b / c) for c > 0, exact for any 64-bit a and b.
constexpr std::int64_t MulDivFloor(std::int64_t a, std::int64_t b, std::int64_t c) {
    const Int128 product = Int128{a} * b;
    Int128 quotient = product / c;
    if (product % c != 0 && product < 0) {
        --quotient;
    }
    return static_cast<std::int64_t>(quotient);
}

// ceil(a * b / c) for c > 0.
constexpr std::int64_t MulDivCeil(std::int64_t a, std::int64_t b, std::int64_t c) {
    return -MulDivFloor(-a, b, c);
}

} // namespace pattik
