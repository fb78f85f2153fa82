#pragma once

#include <cstdint>

namespace pattik {

// A colour as the drawing layer stores it: 0x00BBGGRR, red in the low byte.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return COLORREF{red} | (COLORREF{green} << 8) | (COLORREF{blue} << 16);
}

constexpr std::uint8_t GetRValue(COLORREF colour) {
    return static_cast<std::uint8_t>(colour);
}
constexpr std::uint8_t GetGValue(COLORREF colour) {
    return static_cast<std::uint8_t>(colour >> 8);
}
constexpr std::uint8_t GetBValue(COLORREF colour) {
    return static_cast<std::uint8_t>(colour >> 16);
}

// Anything in the top byte is no colour of ours: a value from outside is refused with it.
constexpr bool IsColour(COLORREF colour) {
    return (colour & 0xFF000000u) == 0;
}

// A pixel of another program's picture (a PNG, the clipboard) less opaque than this alpha
// is empty here; any other takes its colour without the alpha.
inline constexpr std::uint8_t kOpaqueFromAlpha = 128;

// What GetPixel and SetPixel answer for a pixel outside the clip box.
inline constexpr COLORREF kInvalidColour = 0xFFFFFFFF;

inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
// The empty pixel of every editable picture.
inline constexpr COLORREF kTransparentMagenta = RGB(255, 0, 255);

} // namespace pattik
