#include "raster/pixel_runs.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pattik {
namespace {

#if defined(__SSE2__)
// Four lanes set where the four pixels equal the colour.
inline __m128i Equal4(const COLORREF* pixels, __m128i wanted) {
    return _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels)), wanted);
}
#endif

// Walks the pixels while each is (Matching) or is not (!Matching) the colour.
template <bool Matching>
std::size_t Leading(const COLORREF* pixels, std::size_t count, COLORREF colour) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi32(static_cast<int>(colour));
    // Sixteen pixels at a time while all of them are kept, the common case of a long run:
    // one test for the sixteen.
    for (; i + 16 <= count; i += 16) {
        const __m128i a = Equal4(pixels + i, wanted);
        const __m128i b = Equal4(pixels + i + 4, wanted);
        const __m128i c = Equal4(pixels + i + 8, wanted);
        const __m128i d = Equal4(pixels + i + 12, wanted);
        const int lanes =
            Matching ? _mm_movemask_epi8(_mm_and_si128(_mm_and_si128(a, b), _mm_and_si128(c, d)))
                     : _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d)));
        if (lanes != (Matching ? 0xFFFF : 0)) {
            break; // the run ends in these sixteen: found four at a time below
        }
    }
    for (; i + 4 <= count; i += 4) {
        const unsigned equal =
            static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(Equal4(pixels + i, wanted))));
        const unsigned kept = Matching ? equal : (~equal & 0xFu);
        if (kept != 0xFu) {
            return i + static_cast<std::size_t>(std::countr_one(kept));
        }
    }
#endif
    while (i < count && (pixels[i] == colour) == Matching) {
        ++i;
    }
    return i;
}

} // namespace

std::size_t LeadingByteRun(const std::uint8_t* bytes, std::size_t count, std::uint8_t value) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi8(static_cast<char>(value));
    for (; i + 16 <= count; i += 16) {
        const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
        const auto equal =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(sixteen, wanted)));
        if (equal != 0xFFFFu) {
            return i + static_cast<std::size_t>(std::countr_one(equal));
        }
    }
#endif
    while (i < count && bytes[i] == value) {
        ++i;
    }
    return i;
}

std::size_t LeadingRun(const COLORREF* pixels, std::size_t count, COLORREF colour) {
    return Leading<true>(pixels, count, colour);
}

std::size_t LeadingOthers(const COLORREF* pixels, std::size_t count, COLORREF colour) {
    return Leading<false>(pixels, count, colour);
}

std::size_t ReplaceLeadingRun(COLORREF* pixels, std::size_t count, COLORREF colour,
                              COLORREF replacement) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi32(static_cast<int>(colour));
    const __m128i painted = _mm_set1_epi32(static_cast<int>(replacement));
    // Eight pixels at a time while all of them are in the run: each is written as soon as
    // it is read, while its cache line is at hand.
    for (; i + 8 <= count; i += 8) {
        const __m128i a = Equal4(pixels + i, wanted);
        const __m128i b = Equal4(pixels + i + 4, wanted);
        if (_mm_movemask_epi8(_mm_and_si128(a, b)) != 0xFFFF) {
            break;
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i), painted);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i + 4), painted);
    }
#endif
    while (i < count && pixels[i] == colour) {
        pixels[i++] = replacement;
    }
    return i;
}

} // namespace pattik
